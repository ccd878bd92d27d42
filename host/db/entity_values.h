// Reading an entity's body for its geometry: the first group of a code
// before the XDATA, as a point, a real, an angle in radians or an integer,
// and the number of characters a text shows.  Shared by the extents and
// the selection geometry.
#pragma once

#include <cmath>
#include <string_view>

#include "db/geometry.h"
#include "db/units.h"

namespace host::db::values {

inline Point3 toPoint(const double* p) { return {p[0], p[1], p[2]}; }

inline const Group* first(const Object& o, int code) { return findGroup(o, code, 0, xdataBegin(o)); }

inline Point3 pointOf(const Object& o, int code) {
    const Group* g = first(o, code);
    return g ? toPoint(g->asPoint()) : Point3{};
}

// An MTEXT's own groups end where its embedded object (101) begins: that
// object repeats some of them under other codes.  Where it begins (before
// the XDATA); xdataBegin when there is none.
constexpr int kEmbeddedObject = 101;
inline size_t embeddedObjectBegin(const Object& o) {
    size_t end = xdataBegin(o), own = 0;
    while (own < end && o.groups[own].code() != kEmbeddedObject) ++own;
    return own;
}

// A real group's value; an integer group's as a real.
inline double realValue(const Group& g) {
    return g.kind() == ValueKind::Real ? g.asReal() : static_cast<double>(g.asInt());
}

// A group's value as a real; `fallback` when there is no group.
inline double realOr(const Group* g, double fallback) { return g ? realValue(*g) : fallback; }

inline double realOf(const Object& o, int code, double fallback) { return realOr(first(o, code), fallback); }

// An angle group in radians, whatever unit the object keeps it in.
inline double angleOf(const Object& o, int code) { return toRadians(o.typeName(), code, realOf(o, code, 0)); }

inline int intOf(const Object& o, int code, int fallback) {
    const Group* g = first(o, code);
    return g ? static_cast<int>(g->asInt()) : fallback;
}

// Characters shown: a UTF-8 sequence or a \U+XXXX escape is one.
inline size_t textLength(std::string_view text) {
    size_t n = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if ((c & 0xC0) == 0x80) continue;  // UTF-8 continuation
        if (text.compare(i, 3, "\\U+") == 0 && i + 7 <= text.size()) i += 6;  // one escaped character
        ++n;
    }
    return n;
}

} // namespace host::db::values
