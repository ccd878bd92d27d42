// One element type as one literal: its properties-dialog row (parameters,
// airflow entries), default values, catalogue texts, behaviour flags and the
// maker of its class.  A family folder lists its types in one file and
// registers them with core (core/type_tables.h); core names no family.
//
// A new type is one LTypeEntry in its family's list and its class file:
//
//   {.code = 1, .name = "VL-01", .page = "1.10", .block = "vl01",
//    .dialog = "prop_vl_n3a", .params = ParamRow(Plain(75), Plain(76), Plain(77)),
//    .defaults = {150, 150, 1500, -1, 0}, .make = MakeElementOf<LVl01>}
#pragma once

#include <cstddef>
#include <cstdint>
#include <new>

#include "core/type_descriptor.h"

class LObject;

constexpr int kMaxTypeParams = 10;
constexpr int kMaxTypeFlows = 4;
constexpr int kMaxTypeDefaults = 10;

// One parameter of a row: how it is chosen, its caption, its choices.
struct LParamEntry {
    int16_t kind = kParamFree;
    int16_t caption = 0;                  // message number; 0 = the empty caption
    int16_t count = 0;                    // choices taken from the list
    const void* list = nullptr;           // doubles, or texts for kParamTextChoice
    const char* const* labels = nullptr;  // kParamLabelled: the texts shown
};

// A typed number, or any kind that needs no list of its own.
constexpr LParamEntry Plain(int16_t caption, int16_t kind = kParamFree) {
    return {kind, caption, 0, nullptr, nullptr};
}
// A kind with a number of choices but no list (radio buttons).
constexpr LParamEntry Choices(int16_t caption, int16_t kind, int16_t count) {
    return {kind, caption, count, nullptr, nullptr};
}
template <size_t N>
constexpr LParamEntry Numbers(int16_t caption, const double (&list)[N], int16_t kind = kParamList) {
    return {kind, caption, static_cast<int16_t>(N), list, nullptr};
}
// The first count numbers of a longer list.
template <size_t N>
constexpr LParamEntry FirstNumbers(int16_t caption, int16_t count, const double (&list)[N]) {
    static_assert(N > 0);
    return {kParamList, caption, count <= static_cast<int16_t>(N) ? count : static_cast<int16_t>(N),
            list, nullptr};
}
template <size_t N>
constexpr LParamEntry Texts(int16_t caption, const char* const (&list)[N]) {
    return {kParamTextChoice, caption, static_cast<int16_t>(N), list, nullptr};
}
template <size_t N>
constexpr LParamEntry Labelled(int16_t caption, const double (&values)[N],
                              const char* const (&labels)[N]) {
    return {kParamLabelled, caption, static_cast<int16_t>(N), values, labels};
}

// The parameters of a row, in the order of the element's values.
struct LParamList {
    int16_t count = 0;
    LParamEntry items[kMaxTypeParams] = {};
};
template <class... P>
constexpr LParamList ParamRow(P... params) {
    static_assert(sizeof...(P) <= kMaxTypeParams, "a row has at most kMaxTypeParams parameters");
    return {static_cast<int16_t>(sizeof...(P)), {params...}};
}

// The connector of each airflow entry; -1 is the element's own airflow.
struct LFlowList {
    int16_t count = 1;
    int16_t connectors[kMaxTypeFlows] = {0};
};
template <class... C>
constexpr LFlowList Flows(C... connectors) {
    static_assert(sizeof...(C) >= 1 && sizeof...(C) <= kMaxTypeFlows);
    return {static_cast<int16_t>(sizeof...(C)), {static_cast<int16_t>(connectors)...}};
}

// Makes a new element of the subtype (the one asked for, so that a class
// serving several subtypes knows which), or null.
using ElementMakerOfType = LObject* (*)(int16_t subtype);

template <class T>
LObject* MakeElementOf(int16_t) {
    return new (std::nothrow) T;
}
// For a class that serves several subtypes and takes the subtype.
template <class T>
LObject* MakeElementOfSubtype(int16_t subtype) {
    return new (std::nothrow) T(subtype);
}

struct LTypeEntry {
    int16_t code = 0;             // the subtype, from 1
    const char* name = "";        // display code, e.g. "VL-01"
    const char* page = "";        // catalogue page
    const char* block = "";       // slide and block name
    const char* blockPrefix = nullptr;  // null: the block name and "-"
    const char* dialog = "";      // properties dialog key
    LParamList params = {};
    int16_t switchParam = -1;     // on/off toggle parameter, -1 none
    LFlowList flows = {};
    double defaults[kMaxTypeDefaults] = {};  // the class reads its first n
    ElementMakerOfType make = nullptr;       // null while the class is not built
    uint32_t flags = 0;           // TypeFlag bits
    int16_t pieceShape = kShapeUnset;  // kTypeStandardPiece, kTypeStoresPieceLength
    int16_t lengthParam = -1;     // kTypeStandardPiece
};

// A subtype stored in drawings that is built and described as another.
struct LSubtypeAlias {
    int16_t subtype;
    int16_t sameAs;
};

struct LFamilyEntry {
    int16_t code = 0;             // the family stored in drawings
    int16_t lastAliasCode = 0;    // codes code+1 .. this one are read as code
    const LTypeEntry* types = nullptr;  // subtype k at types[k - 1]
    int typeCount = 0;
    // Every properties dialog of the family (some no type uses yet).
    const char* const* dialogs = nullptr;
    int dialogCount = 0;
    const LSubtypeAlias* aliases = nullptr;
    int aliasCount = 0;
    uint32_t typeFlags = 0;       // flags every type of the family has
};
