// What the value of a result buffer of each type is.  One table, worked out
// at compile time from the storage kinds of db/group.h (themselves from the
// one table of code kinds, db/code_kinds.h): building, copying, releasing
// and listing result buffers all read it, so that no two of them can take
// one node's value for different things.
#pragma once

#include <array>
#include <cstdint>

#include "ads_types.h"
#include "db/group.h"

namespace host::api {

// None: the type carries no value (RTNIL, the -3 XDATA marker, ...).
// DxfZero and End only while acutBuildList reads its arguments.
enum class Payload : uint8_t { None, Text, DxfZero, Binary, Point, Real, Short, Long, Int64, Name, Bad, End };

// The value a group code carries: that of its stored kind.
constexpr Payload payloadOfCode(int code) {
    uint8_t kind = db::detail::classifyCode(code);
    if (kind == db::detail::kNoKind) return Payload::Bad;
    switch (static_cast<db::ValueKind>(kind)) {
    case db::ValueKind::Text: return Payload::Text;
    case db::ValueKind::Binary: return Payload::Binary;
    case db::ValueKind::Point: return Payload::Point;
    case db::ValueKind::Real: return Payload::Real;
    case db::ValueKind::Int16: return Payload::Short;
    case db::ValueKind::Int32: return Payload::Long;
    case db::ValueKind::Int64: return Payload::Int64;
    case db::ValueKind::Handle: return Payload::Name;
    }
    return Payload::Bad;
}

constexpr Payload payloadOfType(int type) {
    switch (type) {
    case RTSTR:
    case RTDXF0: return Payload::Text;
    case RTREAL:
    case RTANG:
    case RTORINT: return Payload::Real;
    case RTPOINT:
    case RT3DPOINT: return Payload::Point;
    case RTSHORT: return Payload::Short;
    case RTLONG: return Payload::Long;
    case RTENAME:
    case RTPICKS: return Payload::Name;
    case RTLB:
    case RTLE:
    case RTDOTE:
    case RTNIL:
    case RTT:
    case RTVOID:
    case RTNONE:
    case -3: return Payload::None;
    case -1:
    case -2: return Payload::Name;
    case -4: return Payload::Text;
    default: return type < 0 ? Payload::Bad : payloadOfCode(type);
    }
}

// The payload of every type from -5 to RTT: one look-up per node.
inline constexpr int kLowType = -5, kHighType = RTT;
using PayloadTable = std::array<Payload, kHighType - kLowType + 1>;
inline constexpr PayloadTable kPayloads = [] {
    PayloadTable table{};
    for (int type = kLowType; type <= kHighType; ++type)
        table[static_cast<size_t>(type - kLowType)] = payloadOfType(type);
    return table;
}();

// What a node of this type holds; Bad for a type no list may have.
inline Payload payloadOf(int type) {
    auto at = static_cast<unsigned>(type - kLowType);
    return at < kPayloads.size() ? kPayloads[at] : Payload::Bad;
}

} // namespace host::api
