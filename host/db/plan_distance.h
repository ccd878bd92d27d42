// Measures in plan (x and y alone) that picks, rings and curves all take:
// distances to a segment and to a box, and the turn of two vectors.  One
// way of measuring, so that a ring, a curve and a straight run never
// disagree at a pick's edge.
#pragma once

#include <algorithm>
#include <cmath>
#include <utility>

#include "db/geometry.h"

namespace host::db {

// The cross product of (ax, ay) and (bx, by): positive when b turns left of a.
inline double cross(double ax, double ay, double bx, double by) { return ax * by - ay * bx; }

// From (x, y) to the segment from (ax, ay) to (bx, by).  A segment whose
// squared length overflows (ends some 1e154 apart) is measured in the
// scale of its length from its end nearer the point, so that a pick near
// either end still meets it; one longer than the doubles hold, to its
// nearer end.
inline double segmentDistance(double ax, double ay, double bx, double by, double x, double y) {
    double dx = bx - ax, dy = by - ay;
    if (!std::isfinite(dx) || !std::isfinite(dy)) return std::min(std::hypot(ax - x, ay - y), std::hypot(bx - x, by - y));
    double len2 = dx * dx + dy * dy, t;
    if (std::isfinite(len2)) {
        t = len2 > 0 ? ((x - ax) * dx + (y - ay) * dy) / len2 : 0;
    } else {
        // From the nearer end, whose digits the nearby point keeps.
        if (std::hypot(bx - x, by - y) < std::hypot(ax - x, ay - y)) {
            std::swap(ax, bx);
            std::swap(ay, by);
            dx = -dx;
            dy = -dy;
        }
        double s = std::max(std::fabs(dx), std::fabs(dy)), ux = dx / s, uy = dy / s;
        t = ((x - ax) / s * ux + (y - ay) / s * uy) / (ux * ux + uy * uy);
    }
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(ax + t * dx - x, ay + t * dy - y);
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
