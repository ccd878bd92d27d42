#include "dxf/group_code.h"

namespace host::dxf {

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
