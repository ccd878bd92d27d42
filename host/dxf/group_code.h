// The value type of a DXF group, fixed by its group code.
#pragma once

namespace host::dxf {

enum class ValueKind : unsigned char {
    String,  // text (also names, subclass markers, control strings)
    Double,  // real numbers and point coordinates
    Int16,   // 16-bit integers (60-79, 170-179, 270-289, 370-389, 400-409, 1060-1070)
    Int32,   // 32-bit integers (90-99, 420-429, 440-459, 1071)
    Int64,   // 64-bit integers (160-169)
    Bool,    // 290-299: 0 or 1
    Handle,  // hexadecimal handle text (5, 105, 320-369, 390-399, 480-481)
    Binary,  // hexadecimal byte chunks (310-319, 1004)
};

// The type of the value that follows group code `code`.  Codes the format
// leaves undefined are read as text so that nothing is lost.
ValueKind valueKindOf(int code);

// The largest group code a DXF file holds (the last XDATA code).
inline constexpr int kLastGroupCode = 1071;

// True for the first coordinate of a point (10-18, 110-112, 210-213, 1010-1013):
// its y and z follow as code+10 and code+20.
bool isPointStart(int code);

// True for codes whose groups are numbers (Double, the integers and Bool).
inline bool isNumeric(ValueKind kind)
{
    return kind == ValueKind::Double || kind == ValueKind::Int16 || kind == ValueKind::Int32 ||
           kind == ValueKind::Int64 || kind == ValueKind::Bool;
}

const char* valueKindName(ValueKind kind);

} // namespace host::dxf
