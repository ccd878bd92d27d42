// Measures in plan (x and y alone) that picks, rings and curves all take:
// distances to a segment and to a box, and the turn of two vectors.  One
// way of measuring, so that a ring, a curve and a straight run never
// disagree at a pick's edge.
#pragma once

#include <algorithm>
#include <cmath>

#include "db/geometry.h"

namespace host::db {

// The cross product of (ax, ay) and (bx, by): positive when b turns left of a.
inline double cross(double ax, double ay, double bx, double by) { return ax * by - ay * bx; }

// From (x, y) to the segment from (ax, ay) to (bx, by), measured from its
// end nearer the point's foot, whose digits a nearby point keeps: beyond
// that end, to it; beside the segment, across it (a cross product, so
// that a point near the middle of a segment whose ends lie 1e150 away
// keeps its digits too).  A segment whose squared length overflows (ends
// some 1e154 apart) is measured in the scale of its length; one longer
// than the doubles hold, to its nearer end.
inline double segmentDistance(double ax, double ay, double bx, double by, double x, double y) {
    double dx = bx - ax, dy = by - ay;
    if (!std::isfinite(dx) || !std::isfinite(dy)) return std::min(std::hypot(ax - x, ay - y), std::hypot(bx - x, by - y));
    double len2 = dx * dx + dy * dy, scale = 1;
    if (!std::isfinite(len2)) {
        scale = std::max(std::fabs(dx), std::fabs(dy));
        dx /= scale;
        dy /= scale;
        len2 = dx * dx + dy * dy;
    }
    double ex = x - ax, ey = y - ay, along = (ex * dx + ey * dy) / scale;
    if (!(len2 > 0)) return std::hypot(ex, ey);
    if (2 * along > len2) {
        // Past the middle: from the other end, whose digits a point near
        // it keeps.
        ex = x - bx;
        ey = y - by;
        along = -(ex * dx + ey * dy) / scale;
    }
    if (along <= 0) return std::hypot(ex, ey);
    return std::fabs(cross(dx, dy, ex, ey)) / std::sqrt(len2);
}
inline double segmentDistance(const Point3& a, const Point3& b, double x, double y) {
    return segmentDistance(a.x, a.y, b.x, b.y, x, y);
}

// From (x, y) to the rectangle [x1, x2] x [y1, y2] (0 inside it).
inline double boxDistance(double x1, double y1, double x2, double y2, double x, double y) {
    return std::hypot(std::max({x1 - x, x - x2, 0.0}), std::max({y1 - y, y - y2, 0.0}));
}
inline double planDistance(const Extents& box, double x, double y) {
    return boxDistance(box.min.x, box.min.y, box.max.x, box.max.y, x, y);
}

} // namespace host::db
