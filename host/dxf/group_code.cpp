#include "dxf/group_code.h"

namespace host::dxf {

namespace {

// XDATA handles (1005) stay text: "0" and "" are legal there, and a stale
// handle is kept as the file has it.
ValueKind kindOfXdata(int code)
{
    if (code == 1004) return ValueKind::Binary;
    if (code < 1010) return ValueKind::String;
    if (code < 1060) return ValueKind::Double;
    if (code <= 1070) return ValueKind::Int16;
    if (code == 1071) return ValueKind::Int32;
    return ValueKind::String;
}

} // namespace

namespace {

ValueKind kindOfCode(int code)
{
    if (code >= 1000) return kindOfXdata(code);
    if (code == 5 || code == 105) return ValueKind::Handle;
    if (code < 10) return ValueKind::String;
    if (code < 60) return ValueKind::Double;
    if (code < 80) return ValueKind::Int16;
    if (code >= 90 && code < 100) return ValueKind::Int32;
    if (code >= 110 && code < 150) return ValueKind::Double;
    if (code >= 160 && code < 170) return ValueKind::Int64;
    if (code >= 170 && code < 180) return ValueKind::Int16;
    if (code >= 210 && code < 240) return ValueKind::Double;
    if (code >= 270 && code < 290) return ValueKind::Int16;
    if (code >= 290 && code < 300) return ValueKind::Bool;
    if (code >= 310 && code < 320) return ValueKind::Binary;
    if (code >= 320 && code < 370) return ValueKind::Handle;
    if (code >= 370 && code < 390) return ValueKind::Int16;
    if (code >= 390 && code < 400) return ValueKind::Handle;
    if (code >= 400 && code < 410) return ValueKind::Int16;
    if (code >= 420 && code < 430) return ValueKind::Int32;
    if (code >= 440 && code < 460) return ValueKind::Int32;
    if (code >= 460 && code < 470) return ValueKind::Double;
    if (code == 480 || code == 481) return ValueKind::Handle;
    return ValueKind::String;
}

struct KindTable {
    ValueKind kinds[1072];
    KindTable()
    {
        for (int code = 0; code < 1072; ++code) kinds[code] = kindOfCode(code);
    }
};

} // namespace

ValueKind valueKindOf(int code)
{
    static const KindTable table;
    if (code >= 0 && code < 1072) return table.kinds[code];
    return ValueKind::String;
}

bool isPointStart(int code)
{
    return (code >= 10 && code <= 18) || (code >= 110 && code <= 112) || (code >= 210 && code <= 213) ||
           (code >= 1010 && code <= 1013);
}

const char* valueKindName(ValueKind kind)
{
    switch (kind) {
    case ValueKind::String: return "text";
    case ValueKind::Double: return "a real number";
    case ValueKind::Int16: return "a 16-bit integer";
    case ValueKind::Int32: return "a 32-bit integer";
    case ValueKind::Int64: return "a 64-bit integer";
    case ValueKind::Bool: return "a flag (0 or 1)";
    case ValueKind::Handle: return "a hexadecimal handle";
    case ValueKind::Binary: return "hexadecimal binary data";
    }
    return "a value";
}

} // namespace host::dxf
