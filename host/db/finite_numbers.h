// The one rule for numbers a drawing may hold: a file cannot hold an
// infinite or NaN number, so a save refuses a drawing that holds one, and
// every write of the C and object API refuses to put one there.
#pragma once

#include <cmath>

#include "db/geometry.h"
#include "db/group.h"

namespace host::db {

// Whether each of a point's coordinates is a finite number.
inline bool finitePoint(const double xyz[3]) {
    return std::isfinite(xyz[0]) && std::isfinite(xyz[1]) && std::isfinite(xyz[2]);
}
inline bool finite(const Point3& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }
inline bool finiteBox(const Extents& box) { return finite(box.min) && finite(box.max); }

// The code of the first group (body or XDATA) whose number is not finite;
// 0 when every number is.
int nonFiniteCode(const GroupList& groups);

} // namespace host::db
