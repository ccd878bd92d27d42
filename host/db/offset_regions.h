// Regions of the offsets of an array's copies, in plan: the offsets that
// bring a copy of a segment within reach of a pick (a capsule), onto a
// window (the window swept back along the segment), into a convex polygon
// or a ring, each cut by a line of copies o + t d to the t inside it; and
// the whole copies of a line such a cut holds.  Internal to the database
// library (array_reach.cpp).
#pragma once

#include <algorithm>
#include <cmath>

#include "db/block_index.h"
#include "db/plan_distance.h"

namespace host::db::offsets {

// A copy whose offset lies this fraction of a step outside a region still
// counts: rounding must never lose a copy that lies on the region's edge.
constexpr double kEdgeSlack = 1e-9;

struct V {
    double x = 0, y = 0;
};
inline V operator-(V a, V b) { return {a.x - b.x, a.y - b.y}; }
inline V operator+(V a, V b) { return {a.x + b.x, a.y + b.y}; }
inline V operator*(double k, V a) { return {k * a.x, k * a.y}; }
inline double dot(V a, V b) { return a.x * b.x + a.y * b.y; }
inline double cross(V a, V b) { return host::db::cross(a.x, a.y, b.x, b.y); }

// The t for which lo <= f0 + t f1 <= hi narrows [from, to]; false when empty.
inline bool narrow(double f0, double f1, double lo, double hi, double& from, double& to) {
    if (f1 == 0) return f0 >= lo && f0 <= hi;
    double a = (lo - f0) / f1, b = (hi - f0) / f1;
    if (a > b) std::swap(a, b);
    from = std::max(from, a);
    to = std::min(to, b);
    return from <= to;
}

// The offsets within `radius` of a segment.
struct Capsule {
    V a, b;
    double radius;

    int outline(V out[8]) const {
        int n = 0;
        for (V p : {a, b})
            for (int corner = 0; corner < 4; ++corner)
                out[n++] = {p.x + (corner & 1 ? radius : -radius), p.y + (corner & 2 ? radius : -radius)};
        return n;
    }
    // The t of the line o + t d inside: the union of the band along the
    // segment and the discs at its ends, one interval as the capsule is convex.
    bool cut(V o, V d, double& from, double& to) const {
        bool any = false;
        from = INFINITY;
        to = -INFINITY;
        auto join = [&](double lo, double hi) {
            if (!(lo <= hi)) return;
            any = true;
            from = std::min(from, lo);
            to = std::max(to, hi);
        };
        // Each disc from the foot of the perpendicular from its centre, so
        // that a line far from the copies' first (whose squared distances
        // dwarf the radius) keeps the digits of the disc's width.
        const double length = std::hypot(d.x, d.y);
        for (V c : {a, b}) {
            V oc = o - c;
            if (length == 0) {
                if (std::hypot(oc.x, oc.y) <= radius) join(-INFINITY, INFINITY);
                continue;
            }
            double off = std::fabs(cross(d, oc)) / length;
            if (!(off <= radius)) continue;
            double foot = -dot(d, oc) / length / length;
            double half = std::sqrt(radius - off) * std::sqrt(radius + off) / length;
            join(foot - half, foot + half);
        }
        V u = b - a;
        double length2 = dot(u, u);
        if (length2 > 0) {
            double lo = -INFINITY, hi = INFINITY;
            V oa = o - a;
            double along = std::sqrt(length2);
            if (narrow(dot(oa, u), dot(d, u), 0, length2, lo, hi) &&
                narrow(cross(u, oa), cross(u, d), -radius * along, radius * along, lo, hi))
                join(lo, hi);
        }
        return any;
    }
};

// A convex polygon of offsets, counter-clockwise; flat ones are capsules
// of no width.
struct Polygon {
    V p[8];
    int n = 0;

    int outline(V out[8]) const {
        std::copy(p, p + n, out);
        return n;
    }
    bool cut(V o, V d, double& from, double& to) const {
        from = -INFINITY;
        to = INFINITY;
        for (int i = 0; i < n; ++i) {
            V e = p[(i + 1) % n] - p[i];
            // Inside is to the left of each edge: cross(e, q - p) >= 0.
            if (!narrow(cross(e, o - p[i]), cross(e, d), 0, INFINITY, from, to)) return false;
        }
        return true;
    }
};

// An index range [from, to] of integers, narrowed to the reals [lo, hi].
inline bool integersIn(double lo, double hi, int& from, int& to) {
    if (std::isnan(lo) || std::isnan(hi)) return false;
    double a = std::max(std::ceil(lo - kEdgeSlack), static_cast<double>(from));
    double b = std::min(std::floor(hi + kEdgeSlack), static_cast<double>(to));
    if (a > b) return false;
    from = static_cast<int>(a);
    to = static_cast<int>(b);
    return true;
}

// The offsets that take a copy of the segment into the window: the window
// swept back along it (a capsule of no width where that is flat).
struct Swept {
    Polygon polygon;
    Capsule flat{};
    bool isFlat = false;

    Swept(V a, V b, const PlanWindow& w) {
        Point3 pts[8], corners[16];
        size_t n = 0;
        for (V e : {a, b})
            for (V c : {V{w.x1, w.y1}, V{w.x2, w.y1}, V{w.x2, w.y2}, V{w.x1, w.y2}}) pts[n++] = {c.x - e.x, c.y - e.y, 0};
        size_t count = std::min<size_t>(convexHull(pts, n, corners), 8);
        for (size_t i = 0; i < count; ++i) polygon.p[i] = {corners[i].x, corners[i].y};
        polygon.n = static_cast<int>(count);
        isFlat = count < 3;
        if (isFlat) flat = Capsule{polygon.p[0], polygon.p[count - 1], 0};
    }
    int outline(V out[8]) const { return isFlat ? flat.outline(out) : polygon.outline(out); }
    bool cut(V o, V d, double& from, double& to) const {
        return isFlat ? flat.cut(o, d, from, to) : polygon.cut(o, d, from, to);
    }
};

// The s for which |p - s d| lies in [inner, outer] (an inner bound below 0
// leaves nothing out): at most two intervals.  Worked out from the foot of
// the perpendicular, so that the two bounds never cancel each other.
inline int ringCut(V p, V d, double inner, double outer, double lo[2], double hi[2]) {
    double length = std::hypot(d.x, d.y);
    V unit = (1 / length) * d;
    double foot = dot(p, unit) / length, off = std::fabs(cross(unit, p));
    if (!(outer >= off)) return 0;
    double wide = std::sqrt(outer - off) * std::sqrt(outer + off) / length;
    if (!(inner > off)) {
        lo[0] = foot - wide;
        hi[0] = foot + wide;
        return 1;
    }
    double narrow = std::sqrt(inner - off) * std::sqrt(inner + off) / length;
    lo[0] = foot - wide;
    hi[0] = foot - narrow;
    lo[1] = foot + narrow;
    hi[1] = foot + wide;
    return 2;
}

} // namespace host::db::offsets
