#include "db/plan_ring.h"
#include "db/plan_distance.h"

#include <algorithm>

namespace host::db {

namespace {

struct Range {
    double least, most;
};

// Whether (x, y) lies in the convex quadrilateral (either winding); a
// flat one holds nothing (its edges still count for distances).
bool inQuad(const double xs[4], const double ys[4], double x, double y) {
    int sign = 0;
    for (int i = 0; i < 4; ++i) {
        int j = (i + 1) % 4;
        double turn = cross(xs[j] - xs[i], ys[j] - ys[i], x - xs[i], y - ys[i]);
        if (turn == 0) continue;
        int s = turn > 0 ? 1 : -1;
        if (sign != 0 && s != sign) return false;
        sign = s;
    }
    return sign != 0;
}

// Nearest and farthest distance from (x, y) to the quadrilateral.
Range pointToQuad(const double xs[4], const double ys[4], double x, double y) {
    if (xs[0] == xs[2] && ys[0] == ys[2] && xs[1] == xs[3] && ys[1] == ys[3] && xs[0] == xs[1] && ys[0] == ys[1]) {
        double d = std::hypot(xs[0] - x, ys[0] - y);  // one copy
        return {d, d};
    }
    Range r{inQuad(xs, ys, x, y) ? 0.0 : INFINITY, 0};
    for (int i = 0; i < 4; ++i) {
        int j = (i + 1) % 4;
        r.least = std::min(r.least, segmentDistance(xs[i], ys[i], xs[j], ys[j], x, y));
        r.most = std::max(r.most, std::hypot(xs[i] - x, ys[i] - y));
    }
    return r;
}

double windowDistance(const PlanWindow& w, double x, double y) { return boxDistance(w.x1, w.y1, w.x2, w.y2, x, y); }

// Nearest and farthest distance between the window and the quadrilateral.
Range windowToQuad(const PlanWindow& w, const double xs[4], const double ys[4]) {
    const double wx[4] = {w.x1, w.x2, w.x2, w.x1}, wy[4] = {w.y1, w.y1, w.y2, w.y2};
    Range r{INFINITY, 0};
    if (xs[0] == xs[2] && ys[0] == ys[2] && xs[1] == xs[3] && ys[1] == ys[3] && xs[0] == xs[1] && ys[0] == ys[1]) {
        // One copy: the window against a point.
        r.least = windowDistance(w, xs[0], ys[0]);
        for (int k = 0; k < 4; ++k) r.most = std::max(r.most, std::hypot(xs[0] - wx[k], ys[0] - wy[k]));
        return r;
    }
    for (int i = 0; i < 4; ++i) {
        int j = (i + 1) % 4;
        if (segmentMeetsWindow({xs[i], ys[i], 0}, {xs[j], ys[j], 0}, w) || inQuad(xs, ys, wx[i], wy[i])) r.least = 0;
        r.least = std::min(r.least, windowDistance(w, xs[i], ys[i]));
        for (int k = 0; k < 4; ++k) {
            r.least = std::min(r.least, segmentDistance(xs[i], ys[i], xs[j], ys[j], wx[k], wy[k]));
            r.most = std::max(r.most, std::hypot(xs[i] - wx[k], ys[i] - wy[k]));
        }
    }
    return r;
}

} // namespace

bool placesInPlan(const Matrix& m) { return m.m[0][2] == 0 && m.m[1][2] == 0; }

void planStretch(const Matrix& m, double& least, double& most) {
    double a = m.m[0][0], b = m.m[0][1], c = m.m[1][0], d = m.m[1][1];
    double sum = a * a + b * b + c * c + d * d, det = std::fabs(a * d - b * c);
    double root = std::sqrt(std::max(0.0, sum * sum - 4 * det * det));
    most = std::sqrt((sum + root) / 2);
    least = most > 0 ? det / most : 0;
    if (!std::isfinite(most)) most = INFINITY;
    if (!std::isfinite(least)) least = 0;
}

PlanRing ringOfRuns(const Shapes& own, double x, double y, RunTests& tests) {
    PlanRing ring{x, y, INFINITY, 0};
    if (own.runs.empty()) return ring;
    // Curves are searched best first: stopped at any point, the least any
    // piece left may lie is a true lower bound, and the most a true upper
    // bound, so the ring holds everything drawn however early a search ends.
    ring.inner = tests.distance(own, Matrix(), x, y);
    if (own.endless) {
        ring.outer = INFINITY;
        return ring;
    }
    for (const Point3& p : own.points) ring.outer = std::max(ring.outer, std::hypot(p.x - x, p.y - y));
    for (const ShapeArc& arc : own.arcs) ring.outer = std::max(ring.outer, arcs::farthest(arc, own.points[arc.at], x, y));
    for (const ShapeSpline& spline : own.splines)
        for (const Point3& p : spline.control) ring.outer = std::max(ring.outer, std::hypot(p.x - x, p.y - y));
    return ring;
}

void addPlacedRing(PlanRing& ring, const PlanRing& child, const InsertPlacement& place) {
    if (!placesInPlan(place.m) || !child.known()) {
        ring.inner = 0;
        ring.outer = INFINITY;
        return;
    }
    double least, most;
    planStretch(place.m, least, most);
    Point3 centre = place.m.apply({child.x, child.y, 0});
    double xs[4], ys[4];
    CopyLattice::of(place).corners(centre.x, centre.y, xs, ys);
    Range d = pointToQuad(xs, ys, ring.x, ring.y);
    double inner = std::max({least * child.inner - d.most, d.least - most * child.outer, 0.0});
    ring.inner = std::min(ring.inner, std::isfinite(inner) ? inner : 0.0);
    ring.outer = std::max(ring.outer, most * child.outer + d.most);
}

bool worldRing(const PlanRing& local, const Matrix& m, PlanRing& out) {
    if (!placesInPlan(m) || !local.known()) return false;
    double least, most;
    planStretch(m, least, most);
    Point3 centre = m.apply({local.x, local.y, 0});
    out = {centre.x, centre.y, least * local.inner, most * local.outer};
    if (!std::isfinite(out.inner)) out.inner = 0;
    return std::isfinite(out.x) && std::isfinite(out.y) && out.known();
}

bool ringMayBeNear(const PlanRing& world, const CopyLattice& copies, double px, double py, double radius) {
    double xs[4], ys[4];
    copies.corners(world.x, world.y, xs, ys);
    Range d = pointToQuad(xs, ys, px, py);
    return !(world.inner - d.most > radius || d.least - world.outer > radius);
}

bool ringMayMeet(const PlanRing& world, const CopyLattice& copies, const PlanWindow& w) {
    double xs[4], ys[4];
    copies.corners(world.x, world.y, xs, ys);
    Range d = windowToQuad(w, xs, ys);
    return d.least <= world.outer && d.most >= world.inner;
}

bool ringHeld(const PlanRing& world, const CopyLattice& copies, const PlanWindow& w) {
    double xs[4], ys[4];
    copies.corners(world.x, world.y, xs, ys);
    for (int i = 0; i < 4; ++i)
        if (!(xs[i] - world.outer >= w.x1 && xs[i] + world.outer <= w.x2 && ys[i] - world.outer >= w.y1 &&
              ys[i] + world.outer <= w.y2))
            return false;
    return true;
}

} // namespace host::db
