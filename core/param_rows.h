// Compact descriptions of a type row's parameters, from which the family
// set-ups fill their rows.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/type_descriptor.h"

struct ParamSpec {
    int16_t kind = kParamFree;
    int16_t caption = 0;  // message number; 0 = the empty caption
    int16_t count = 0;
    const void* list = nullptr;               // doubles, or texts for kind -3
    const char* const* labels = nullptr;      // kind -6: the texts shown
};

// A typed number (or any kind that needs no list).
constexpr ParamSpec Plain(int16_t caption, int16_t kind = kParamFree) {
    return {kind, caption, 0, nullptr, nullptr};
}
template <size_t N>
constexpr ParamSpec Numbers(int16_t caption, const double (&list)[N], int16_t kind = kParamList) {
    return {kind, caption, static_cast<int16_t>(N), list, nullptr};
}
template <size_t N>
constexpr ParamSpec Texts(int16_t caption, const char* const (&list)[N]) {
    return {kParamTextChoice, caption, static_cast<int16_t>(N), list, nullptr};
}
template <size_t N>
constexpr ParamSpec Labelled(int16_t caption, const double (&values)[N],
                             const char* const (&labels)[N]) {
    return {kParamLabelled, caption, static_cast<int16_t>(N), values, labels};
}

// Writes the specs into the row's parameters (as many as the row has);
// captions are looked up in the messages.
void ApplyParamSpecs(LTypeDescriptor* row, const ParamSpec* specs, int count);
