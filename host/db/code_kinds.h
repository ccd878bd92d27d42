// What kind of value each group code holds: the one table of code ranges.
// The drawing database's storage kinds (db/group.h), the DXF reader's and
// writer's value kinds (dxf/group_code.h) and what a C API result buffer of
// a code holds (api/result_kinds.h) are all worked out from it at compile
// time, so that no two of them can take one code for different things.
// Header only and without other includes of the host: the DXF tokenizer,
// which stands without the database, reads it too.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace host::db {

enum class CodeKind : uint8_t {
    None,       // no range: a file's group is kept as its text; lists refuse it
    Text,
    ListOnly,   // entity names and markers of C API lists, never in a file: text when stored
    OwnHandle,  // a record's own handle in its place, hex; text anywhere else
    Point,      // a point's x; its y and z follow in files as code+10 and code+20
    Real,       // also a point's y and z in files
    Int16,
    Flag,       // true or false: a 16-bit integer, one byte in binary files
    Int32,
    Int64,
    Handle,     // a reference to another object, hex in files
    Binary,     // hex byte chunks
};

struct CodeRange {
    int first, last;
    CodeKind kind;
};

// Ascending; codes between the ranges are None.
inline constexpr CodeRange kCodeRanges[] = {
    {-5, -1, CodeKind::ListOnly},     {0, 4, CodeKind::Text},         {5, 5, CodeKind::OwnHandle},
    {6, 9, CodeKind::Text},           {10, 18, CodeKind::Point},      {19, 59, CodeKind::Real},
    {60, 79, CodeKind::Int16},        {90, 99, CodeKind::Int32},      {100, 102, CodeKind::Text},
    {105, 105, CodeKind::OwnHandle},  {110, 112, CodeKind::Point},    {113, 149, CodeKind::Real},
    {160, 169, CodeKind::Int64},      {170, 179, CodeKind::Int16},    {210, 213, CodeKind::Point},
    {214, 239, CodeKind::Real},       {270, 289, CodeKind::Int16},    {290, 299, CodeKind::Flag},
    {300, 309, CodeKind::Text},       {310, 319, CodeKind::Binary},   {320, 369, CodeKind::Handle},
    {370, 389, CodeKind::Int16},      {390, 399, CodeKind::Handle},   {400, 409, CodeKind::Int16},
    {410, 419, CodeKind::Text},       {420, 429, CodeKind::Int32},    {430, 439, CodeKind::Text},
    {440, 459, CodeKind::Int32},      {460, 469, CodeKind::Real},     {470, 479, CodeKind::Text},
    {480, 481, CodeKind::Handle},     {999, 1003, CodeKind::Text},    {1004, 1004, CodeKind::Binary},
    // An XDATA handle is text: "0" and "" are legal there, and a stale one is kept as given.
    {1005, 1005, CodeKind::Text},     {1010, 1013, CodeKind::Point},  {1014, 1059, CodeKind::Real},
    {1060, 1070, CodeKind::Int16},    {1071, 1071, CodeKind::Int32},
};

// The codes the table covers: C API list codes from -5, DXF codes to the last XDATA one.
inline constexpr int kFirstCode = -5, kLastCode = 1071;

static_assert(
    [] {
        int done = kFirstCode - 1;
        for (const CodeRange& r : kCodeRanges) {
            if (r.first <= done || r.last < r.first) return false;
            done = r.last;
        }
        return done <= kLastCode;
    }(),
    "the code ranges must ascend without overlapping, within the codes covered");

// The kind of every code, one byte each: the look-up the per-group paths use.
inline constexpr auto kCodeKinds = [] {
    std::array<CodeKind, kLastCode - kFirstCode + 1> kinds{};
    for (const CodeRange& r : kCodeRanges)
        for (int code = r.first; code <= r.last; ++code) kinds[static_cast<size_t>(code - kFirstCode)] = r.kind;
    return kinds;
}();

constexpr CodeKind codeKind(int code)
{
    auto at = static_cast<unsigned>(code - kFirstCode);
    return at < kCodeKinds.size() ? kCodeKinds[at] : CodeKind::None;
}

} // namespace host::db
