#include "db/plan_arcs.h"

#include <algorithm>
#include <cmath>

#include "db/curve_search.h"
#include "db/shape_runs.h"
#include "db/plan_distance.h"

namespace host::db {

namespace {

constexpr double kTwoPi = 2 * M_PI;
// A plan image this near a similarity is a circle.
constexpr double kCircleSlack = 1e-12;

struct Range {
    double lo, hi;
    bool full;
};

Range rangeOf(const ShapeArc& arc) {
    double lo = std::min(arc.t0, arc.t1), hi = std::max(arc.t0, arc.t1);
    bool full = !(hi - lo < kTwoPi);
    if (full) hi = lo + kTwoPi;
    return {lo, hi, full};
}

// Whether t, a turn any number of times, lies on the arc.
bool inRange(const Range& r, double t) {
    if (r.full) return true;
    double k = std::floor((t - r.lo) / kTwoPi);
    double u = t - k * kTwoPi;
    return u >= r.lo && u <= r.hi;
}

// The largest plan coordinate of a and b: sizes are worked out in its
// scale, so that an arc of radius 1e300 has one.
double planScale(const ShapeArc& arc) {
    return std::max({std::fabs(arc.a.x), std::fabs(arc.a.y), std::fabs(arc.b.x), std::fabs(arc.b.y)});
}

// The greatest stretch of [a b] in plan.
double planReach(const ShapeArc& arc) {
    double scale = planScale(arc);
    if (!(scale > 0) || !std::isfinite(scale)) return scale;
    double p = arc.a.x / scale, q = arc.b.x / scale, r = arc.a.y / scale, s = arc.b.y / scale;
    double sum = p * p + q * q + r * r + s * s, det = p * s - q * r;
    double root = std::sqrt(std::max(0.0, sum * sum - 4 * det * det));
    return scale * std::sqrt((sum + root) / 2);
}

// 1 - cos(angle / 2) without the cancellation: how far a unit arc over
// `angle` (at most half a turn) strays from its chord.
double unitSagitta(double angle) {
    double s = std::sin(angle / 4);
    return 2 * s * s;
}

// Calls f(t) for each t with A cos t + B sin t = d (A cos(t - phi) with
// the amplitude of A and B): none, one where it only touches, or two.
template <class F>
void solve(double A, double B, double d, F f) {
    double R = std::hypot(A, B);
    if (!(R > 0) || std::fabs(d) > R) return;
    double phi = std::atan2(B, A), alpha = std::acos(std::clamp(d / R, -1.0, 1.0));
    f(phi + alpha);
    if (alpha != 0) f(phi - alpha);
}

// Of the turns of t, the one nearest the middle of [lo, hi].
double nearestTurn(double t, double lo, double hi) {
    return t + std::round(((lo + hi) / 2 - t) / kTwoPi) * kTwoPi;
}

bool circleInPlan(const ShapeArc& arc, double& radius) {
    double scale = planScale(arc);
    if (!(scale > 0) || !std::isfinite(scale)) return false;
    double ax = arc.a.x / scale, ay = arc.a.y / scale, bx = arc.b.x / scale, by = arc.b.y / scale;
    double aa = ax * ax + ay * ay, bb = bx * bx + by * by, ab = ax * bx + ay * by;
    if (!(std::fabs(ab) <= kCircleSlack * (aa + bb)) || !(std::fabs(aa - bb) <= kCircleSlack * (aa + bb))) return false;
    radius = scale * std::sqrt((aa + bb) / 2);
    return true;
}

// The least (or, kFar, the greatest) distance in plan from (x, y) to a
// circle in plan, exactly.
template <bool kFar>
double circleReach(const ShapeArc& arc, double radius, double x, double y) {
    Range r = rangeOf(arc);
    Point3 p0 = arc.point(r.lo), p1 = arc.point(r.hi);
    double e0 = std::hypot(p0.x - x, p0.y - y), e1 = std::hypot(p1.x - x, p1.y - y);
    double qx = x - arc.c.x, qy = y - arc.c.y;
    double along = std::atan2(qx * arc.b.x + qy * arc.b.y, qx * arc.a.x + qy * arc.a.y);
    double centre = std::hypot(qx, qy);
    if (kFar) return inRange(r, along + M_PI) ? centre + radius : std::max(e0, e1);
    return inRange(r, along) ? std::fabs(centre - radius) : std::min(e0, e1);
}

// The room of the arcs asked on one thread, kept from arc to arc.
ArcPieces::Room& threadRoom() {
    thread_local ArcPieces::Room kept;
    return kept;
}

} // namespace

ArcPieces::ArcPieces(const ShapeArc& arc, Room& room) : arc_(arc), reach_(planReach(arc)), room_(room) {
    room_.ranges.clear();
    room_.free.clear();
    Range r = rangeOf(arc);
    // An arc of no length is one piece, its point.
    n_ = std::clamp<size_t>(static_cast<size_t>(std::ceil((r.hi - r.lo) / (M_PI / 2))), 1, 4);
    Point3 p = arc.point(r.lo), last = arc.point(r.hi);
    for (size_t i = 0; i < n_; ++i) {
        double u = r.lo + (r.hi - r.lo) * i / n_, v = i + 1 == n_ ? r.hi : r.lo + (r.hi - r.lo) * (i + 1) / n_;
        Point3 q = i + 1 == n_ ? last : arc.point(v);
        first_[i] = make(u, v, p, q, newId());
        p = q;
    }
}

uint32_t ArcPieces::newId() {
    if (!room_.free.empty()) {
        uint32_t id = room_.free.back();
        room_.free.pop_back();
        return id;
    }
    room_.ranges.emplace_back();
    return static_cast<uint32_t>(room_.ranges.size() - 1);
}

CurvePiece ArcPieces::make(double u, double v, const Point3& p, const Point3& q, uint32_t id) {
    room_.ranges.at(id) = {u, v};
    return {p.x, p.y, q.x, q.y, reach_ * unitSagitta(v - u), id};
}

// The first half takes the piece's own room.
bool ArcPieces::halve(const CurvePiece& piece, CurvePiece& first, CurvePiece& second) {
    auto [u, v] = room_.ranges.at(piece.id);
    double m = (u + v) / 2;
    if (!(m > u && m < v)) return false;
    Point3 mid = arc_.point(m);
    first = make(u, m, {piece.x0, piece.y0, 0}, mid, piece.id);
    second = make(m, v, mid, {piece.x1, piece.y1, 0}, newId());
    return true;
}

Point3 ShapeArc::point(double t) const {
    double cs = std::cos(t), sn = std::sin(t);
    return {c.x + a.x * cs + b.x * sn, c.y + a.y * cs + b.y * sn, c.z + a.z * cs + b.z * sn};
}

ShapeArc ShapeArc::carried(const Matrix& m) const {
    return {at, m.apply(c), m.applyVector(a), m.applyVector(b), t0, t1};
}

bool ShapeArc::finite() const {
    for (const Point3& p : {c, a, b})
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) return false;
    return std::isfinite(t0) && std::isfinite(t1);
}

namespace arcs {

void addExtremes(const ShapeArc& arc, Extents& box) {
    Range r = rangeOf(arc);
    const double cs[3] = {arc.c.x, arc.c.y, arc.c.z}, as[3] = {arc.a.x, arc.a.y, arc.a.z},
                 bs[3] = {arc.b.x, arc.b.y, arc.b.z};
    double* lows[3] = {&box.min.x, &box.min.y, &box.min.z};
    double* highs[3] = {&box.max.x, &box.max.y, &box.max.z};
    for (int k = 0; k < 3; ++k) {
        // Largest at t = atan2(b, a), the amplitude from the centre; least half a turn on.
        double amplitude = std::hypot(as[k], bs[k]), top = std::atan2(bs[k], as[k]);
        if (!(amplitude > 0)) continue;
        if (inRange(r, top)) *highs[k] = std::max(*highs[k], cs[k] + amplitude);
        if (inRange(r, top + M_PI)) *lows[k] = std::min(*lows[k], cs[k] - amplitude);
    }
}

Found near(const ShapeArc& arc, double x, double y, double radius, WorkBudget& budget) {
    double circle;
    if (circleInPlan(arc, circle)) return circleReach<false>(arc, circle, x, y) <= radius ? Found::Yes : Found::No;
    ArcPieces pieces(arc, threadRoom());
    return pieces.search().near(pieces, pieces.pieces(), pieces.count(), x, y, radius, budget);
}

double distance(const ShapeArc& arc, double x, double y) {
    double circle;
    if (circleInPlan(arc, circle)) return circleReach<false>(arc, circle, x, y);
    ArcPieces pieces(arc, threadRoom());
    return pieces.search().nearest(pieces, pieces.pieces(), pieces.count(), x, y, pieces.reach(), INFINITY);
}

double farthest(const ShapeArc& arc, double x, double y) {
    double circle;
    if (circleInPlan(arc, circle)) return circleReach<true>(arc, circle, x, y);
    ArcPieces pieces(arc, threadRoom());
    return pieces.search().farthest(pieces, pieces.pieces(), pieces.count(), x, y, pieces.reach());
}

bool meetsEdges(const ShapeArc& arc, const PlanWindow& w) {
    Range r = rangeOf(arc);
    bool met = false;
    // x = X for y in [y1, y2], then y = Y for x in [x1, x2].
    for (double X : {w.x1, w.x2})
        solve(arc.a.x, arc.b.x, X - arc.c.x, [&](double t) {
            if (!met && inRange(r, t)) {
                double y = arc.point(t).y;
                met = y >= w.y1 && y <= w.y2;
            }
        });
    for (double Y : {w.y1, w.y2})
        solve(arc.a.y, arc.b.y, Y - arc.c.y, [&](double t) {
            if (!met && inRange(r, t)) {
                double x = arc.point(t).x;
                met = x >= w.x1 && x <= w.x2;
            }
        });
    return met;
}

int lineCrossings(const ShapeArc& arc, const Point3& from, const Point3& to, const Point3& o, const Point3& d,
                  double along[4]) {
    Range r = rangeOf(arc);
    // The arc's side of the line: across(p) = cross(d, p - o) = C + A cos t + B sin t.
    auto across = [&](const Point3& p) { return d.x * (p.y - o.y) - d.y * (p.x - o.x); };
    double A = d.x * arc.a.y - d.y * arc.a.x, B = d.x * arc.b.y - d.y * arc.b.x;
    double C = d.x * (arc.c.y - o.y) - d.y * (arc.c.x - o.x);
    double amplitude = std::hypot(A, B);
    if (!(amplitude > 0)) return 0;  // along the line: the straight rule gives no crossing either
    // Cut where the side turns (its extremes inside the arc), so that each
    // part crosses the line at most once; in the arc's own direction.
    double top = std::atan2(B, A);
    double ts[5], sides[5];
    int n = 0;
    ts[n] = arc.t0;
    sides[n++] = across(from);
    double forward = arc.t1 >= arc.t0 ? 1 : -1;
    double turns[3];
    int k = 0;
    for (double t = top + std::ceil((r.lo - top) / M_PI) * M_PI; t < r.hi && k < 3; t += M_PI)
        if (t > r.lo) turns[k++] = t;
    if (forward < 0) std::reverse(turns, turns + k);
    for (int i = 0; i < k; ++i) {
        double t = turns[i];
        ts[n] = t;
        double c = std::cos(t - top);
        sides[n++] = C + (c > 0 ? amplitude : -amplitude);
    }
    ts[n] = arc.t1;
    sides[n++] = across(to);
    int count = 0;
    for (int i = 1; i < n; ++i) {
        if ((sides[i - 1] > 0) == (sides[i] > 0)) continue;
        double lo = std::min(ts[i - 1], ts[i]), hi = std::max(ts[i - 1], ts[i]);
        double at = (lo + hi) / 2, off = INFINITY;
        solve(A, B, -C, [&](double t) {
            t = nearestTurn(t, lo, hi);
            double outside = std::max({lo - t, t - hi, 0.0});
            if (outside < off) {
                off = outside;
                at = std::clamp(t, lo, hi);
            }
        });
        Point3 p = arc.point(at);
        along[count++] = d.x * (p.x - o.x) + d.y * (p.y - o.y);
    }
    return count;
}

bool crossesOdd(const ShapeArc& arc, const Point3& from, const Point3& to, double x, double y) {
    double along[4];
    int n = lineCrossings(arc, from, to, {x, y, 0}, {1, 0, 0}, along);
    bool odd = false;
    for (int i = 0; i < n; ++i)
        if (along[i] > 0) odd = !odd;
    return odd;
}

bool circleInPlan(const ShapeArc& arc, double& radius) { return ::host::db::circleInPlan(arc, radius); }

} // namespace arcs

} // namespace host::db
