// The value type of a DXF group, fixed by its group code: worked out at
// compile time from the one table of code kinds (db/code_kinds.h), which
// the drawing database's storage kinds come from too.
#pragma once

#include "db/code_kinds.h"

#include <array>
#include <cstddef>

namespace host::dxf {

enum class ValueKind : unsigned char {
    String,  // text (also names, subclass markers, control strings, codes of no kind)
    Double,  // real numbers and point coordinates
    Int16,   // 16-bit integers
    Int32,   // 32-bit integers
    Int64,   // 64-bit integers
    Bool,    // 0 or 1
    Handle,  // hexadecimal handle text
    Binary,  // hexadecimal byte chunks
};

// The largest group code a DXF file holds (the last XDATA code).
inline constexpr int kLastGroupCode = db::kLastCode;

namespace detail {
constexpr ValueKind fileKind(db::CodeKind kind)
{
    switch (kind) {
    case db::CodeKind::Point:
    case db::CodeKind::Real: return ValueKind::Double;
    case db::CodeKind::Int16: return ValueKind::Int16;
    case db::CodeKind::Flag: return ValueKind::Bool;
    case db::CodeKind::Int32: return ValueKind::Int32;
    case db::CodeKind::Int64: return ValueKind::Int64;
    case db::CodeKind::OwnHandle:
    case db::CodeKind::Handle: return ValueKind::Handle;
    case db::CodeKind::Binary: return ValueKind::Binary;
    default: return ValueKind::String;  // codes of no kind too: read as text, nothing is lost
    }
}
// One byte per code, looked up for every group read.
inline constexpr auto kFileKinds = [] {
    std::array<ValueKind, kLastGroupCode + 1> kinds{};
    for (int code = 0; code <= kLastGroupCode; ++code) kinds[static_cast<size_t>(code)] = fileKind(db::codeKind(code));
    return kinds;
}();
} // namespace detail

// The type of the value that follows group code `code`.
inline ValueKind valueKindOf(int code)
{
    auto at = static_cast<unsigned>(code);
    return at < detail::kFileKinds.size() ? detail::kFileKinds[at] : ValueKind::String;
}

// True for the first coordinate of a point: its y and z follow as code+10
// and code+20.
inline bool isPointStart(int code)
{
    return db::codeKind(code) == db::CodeKind::Point;
}

// True for codes whose groups are numbers (Double, the integers and Bool).
inline bool isNumeric(ValueKind kind)
{
    return kind == ValueKind::Double || kind == ValueKind::Int16 || kind == ValueKind::Int32 ||
           kind == ValueKind::Int64 || kind == ValueKind::Bool;
}

const char* valueKindName(ValueKind kind);

} // namespace host::dxf
