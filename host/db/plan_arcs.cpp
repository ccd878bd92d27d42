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
// How many roundings an answer worked out about a centre may carry, each
// at most an ulp of the largest magnitude it works with: the centre worked
// out from a bulge, carried by a placement (three products and two sums a
// coordinate), the point taken from it, the distance and the radius.
constexpr double kRoundingUlps = 32;

double ulpOf(double v) {
    v = std::fabs(v);
    return std::nextafter(v, INFINITY) - v;
}

double planMagnitude(const Point3& p) { return std::max(std::fabs(p.x), std::fabs(p.y)); }

struct Range {
    double lo, hi;
    bool full;
};

// A tapered arc's factor runs from its start to its end: its range is
// never wrapped.
Range rangeOf(const ShapeArc& arc) {
    double lo = std::min(arc.t0, arc.t1), hi = std::max(arc.t0, arc.t1);
    if (arc.tapered()) return {lo, hi, false};
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

// Along a tapered arc, a coordinate or the side of a line:
// g(t) = C + s(t) (A cos t + B sin t).  With A cos t + B sin t =
// K cos(t - phi), g'(t) = -K hypot(s, s1) sin(t - phi - psi(t)) where
// psi = atan2(s1, s(t)), which s1 of one sign keeps continuous through
// s = 0; psi' = -s1^2 / (s^2 + s1^2) lies in [-1, 0], so the phase
// t - phi - psi rises at a rate from 1 to 2, and g turns where it passes a
// multiple of a half turn.  Over at most a turn, with psi moving by less
// than a half turn, that is at most kMostTurns times; between two turns g
// is monotone.  Each is found on a monotone function, so what it costs
// does not depend on the arc's size.
constexpr int kMostTurns = 3;
// Newton's steps, kept within the bracket, reach the nearest double in a
// handful; this only bounds the rare halving.
constexpr int kMostRootSteps = 100;

struct Wave {
    const ShapeArc& arc;
    double A, B, C;
    // C is g at the arc's start, t0, and g(t) that plus differences that
    // cancel nothing (an arc answered from its start): s(t) times the
    // change of A cos t + B sin t, and the change of s times its value at t0.
    bool fromStart = false;

    double at(double t) const {
        if (fromStart) {
            double half = std::sin((t - arc.t0) / 2), middle = (t + arc.t0) / 2;
            double turned = 2 * half * (B * std::cos(middle) - A * std::sin(middle));
            double grown = arc.s1 == 0 ? 0 : arc.s1 * (t - arc.t0) * (A * std::cos(arc.t0) + B * std::sin(arc.t0));
            return C + arc.factor(t) * turned + grown;
        }
        return C + arc.factor(t) * (A * std::cos(t) + B * std::sin(t));
    }
    double slope(double t) const {
        double cs = std::cos(t), sn = std::sin(t);
        return arc.s1 * (A * cs + B * sn) + arc.factor(t) * (B * cs - A * sn);
    }
    double phase(double t) const { return t - std::atan2(B, A) - std::atan2(arc.s1, arc.factor(t)); }
    double phaseSlope(double t) const {
        double s = arc.factor(t), both = s * s + arc.s1 * arc.s1;
        return both > 0 ? 1 + arc.s1 * arc.s1 / both : 1;
    }
};

// The t in [lo, hi] where f, rising (f(lo) <= 0 < f(hi)), reaches 0:
// Newton's steps, each kept within the bracket the signs so far leave
// (halving it where a step would leave it), until no double lies between.
template <class F, class D>
double risingRoot(double lo, double hi, F f, D slope) {
    double t = lo + (hi - lo) / 2;
    for (int i = 0; i < kMostRootSteps; ++i) {
        double v = f(t);
        if (v == 0) return t;
        (v < 0 ? lo : hi) = t;
        double d = slope(t), next = d > 0 ? t - v / d : lo + (hi - lo) / 2;
        if (!(next > lo && next < hi)) next = lo + (hi - lo) / 2;
        if (!(next > lo && next < hi) || next == t) return t;
        t = next;
    }
    return t;
}

// Where g turns inside (lo, hi), in order: at most kMostTurns.
int turnsOf(const Wave& g, double lo, double hi, double at[kMostTurns]) {
    if (!(std::hypot(g.A, g.B) > 0)) return 0;
    double from = g.phase(lo), to = g.phase(hi);
    int n = 0;
    double start = lo;
    for (double k = std::floor(from / M_PI) + 1; k * M_PI < to && n < kMostTurns; ++k) {
        double target = k * M_PI;
        double t = risingRoot(start, hi, [&](double u) { return g.phase(u) - target; },
                              [&](double u) { return g.phaseSlope(u); });
        if (t > lo && t < hi) at[n++] = start = t;
    }
    return n;
}

// The t between u and v (either order) where g, monotone there, changes
// sign; uAbove: whether g lies above 0 at u.
double rootBetween(const Wave& g, double u, double v, bool uAbove) {
    double lo = std::min(u, v), hi = std::max(u, v);
    // Rising from lo to hi once its sign is set so.
    double sign = (u == lo) == uAbove ? -1 : 1;
    return risingRoot(lo, hi, [&](double t) { return sign * g.at(t); }, [&](double t) { return sign * g.slope(t); });
}

// Calls f(t) for each t of the arc where g reaches 0: each turn or end at
// 0, and one root in each stretch between them where g changes sign.
template <class F>
void zerosOf(const Wave& g, const Range& r, F f) {
    double ts[kMostTurns + 2];
    ts[0] = r.lo;
    int n = 1 + turnsOf(g, r.lo, r.hi, ts + 1);
    ts[n++] = r.hi;
    double before = g.at(ts[0]);
    for (int i = 1; i < n; ++i) {
        double after = g.at(ts[i]);
        if (before == 0) f(ts[i - 1]);
        else if (after != 0 && (before > 0) != (after > 0)) f(rootBetween(g, ts[i - 1], ts[i], before > 0));
        if (i + 1 == n && after == 0) f(ts[i]);
        before = after;
    }
}

bool circleInPlan(const ShapeArc& arc, double& radius) {
    if (arc.tapered()) return false;
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

// What an answer worked out about the arc's centre may be off by: its
// centre's and radius's roundings, and for a circle in plan how far its
// radius strays from the one it is answered with.
double centreRounding(const ShapeArc& arc) {
    double reach = planReach(arc), stray = 0, circle;
    if (circleInPlan(arc, circle)) {
        double scale = planScale(arc);
        double ax = arc.a.x / scale, ay = arc.a.y / scale, bx = arc.b.x / scale, by = arc.b.y / scale;
        double aa = ax * ax + ay * ay, bb = bx * bx + by * by, ab = ax * bx + ay * by;
        stray = reach * (std::fabs(aa - bb) + 2 * std::fabs(ab)) / (aa + bb);
    }
    return kRoundingUlps * (ulpOf(planMagnitude(arc.c)) + ulpOf(reach)) + stray;
}

// The same, worked out from the arc's start: the start's rounding and
// that of a difference along the arc, no longer than the arc.
double startRounding(const ShapeArc& arc, const Point3& start) {
    double sweep = std::min(std::fabs(arc.t1 - arc.t0), kTwoPi);
    return kRoundingUlps * (ulpOf(planMagnitude(start)) + ulpOf(planReach(arc) * sweep));
}

// Whether a point of a circle in plan (of radius R, answered from its
// ends `from` and `to`) lies within radius of (x, y): its centre's answer
// where that answer's rounding cannot change it, else the ends'.  From
// them, the radius vector at the start e0 (= from - c) and d = p - from,
// |p - c|^2 - |e0|^2 = d.d + 2 d.e0 holds no cancellation at the scale of
// the radius, and the side of each end's ray from the centre p lies on is
// the side of that end's tangent, taken at the end itself.
bool circleNearFromEnds(const ShapeArc& arc, double R, const Point3& from, const Point3& to, double x, double y,
                        double radius) {
    Range r = rangeOf(arc);
    double qx = x - arc.c.x, qy = y - arc.c.y;
    double along = std::atan2(qx * arc.b.x + qy * arc.b.y, qx * arc.a.x + qy * arc.a.y);
    double centre = std::hypot(qx, qy);
    double err = centreRounding(arc) + kRoundingUlps * ulpOf(std::max(std::fabs(x), std::fabs(y)));
    // How far round the centre its rounding may move the point.
    double turn = centre > 0 ? err / centre : INFINITY;
    bool within = inRange(r, along);
    bool sureSide = r.full || (r.hi - r.lo > 2 * turn && inRange(r, along - turn) == within &&
                               inRange(r, along + turn) == within);
    // Outside its angles only its ends can be near, and they were asked.
    if (sureSide && !within) return false;
    if (sureSide && std::fabs(std::fabs(centre - R) - radius) > err) return std::fabs(centre - R) <= radius;
    double dir = arc.t1 >= arc.t0 ? 1 : -1;
    double c0 = std::cos(arc.t0), s0 = std::sin(arc.t0), c1 = std::cos(arc.t1), s1 = std::sin(arc.t1);
    double ex = arc.a.x * c0 + arc.b.x * s0, ey = arc.a.y * c0 + arc.b.y * s0;
    double dx = x - from.x, dy = y - from.y;
    bool past = dir * ((arc.b.x * c0 - arc.a.x * s0) * dx + (arc.b.y * c0 - arc.a.y * s0) * dy) >= 0;
    bool before = dir * ((arc.b.x * c1 - arc.a.x * s1) * (x - to.x) + (arc.b.y * c1 - arc.a.y * s1) * (y - to.y)) <= 0;
    double sweep = r.hi - r.lo;
    if (!(r.full || (sweep <= M_PI ? past && before : past || before))) return false;
    double beyond = dx * dx + dy * dy + 2 * (dx * ex + dy * ey);
    return std::fabs(beyond) / (std::hypot(dx + ex, dy + ey) + std::hypot(ex, ey)) <= radius;
}

// The room of the arcs asked on one thread, kept from arc to arc.
ArcPieces::Room& threadRoom() {
    thread_local ArcPieces::Room kept;
    return kept;
}

// How far a piece of a tapered arc spanning `span` strays from its chord:
// the curve c + s e(t) has p'' = 2 s1 e' - s e, and |e|, |e'| are at most
// the arc's greatest stretch (`reach`), so with |s| at most `factor` there
// every point lies within span^2 / 8 x max |p''| of the chord and every
// point of the chord as near the curve.
double taperStray(const ShapeArc& arc, double reach, double factor, double span) {
    return span * span / 8 * (reach * (2 * std::fabs(arc.s1) + factor));
}

// The largest |s| for t from u to v: s is linear, so at an end.
double mostFactor(const ShapeArc& arc, double u, double v) {
    return std::max(std::fabs(arc.factor(u)), std::fabs(arc.factor(v)));
}

} // namespace

ArcPieces::ArcPieces(const ShapeArc& arc, const Point3& start, bool fromStart, Room& room)
    : arc_(arc), start_(start), fromEnds_(fromStart), reach_(planReach(arc)), size_(reach_), room_(room) {
    room_.ranges.clear();
    room_.free.clear();
    Range r = rangeOf(arc);
    if (arc.tapered()) size_ = reach_ * mostFactor(arc, r.lo, r.hi);
    // An arc of no length is one piece, its point.
    n_ = std::clamp<size_t>(static_cast<size_t>(std::ceil((r.hi - r.lo) / (M_PI / 2))), 1, 4);
    Point3 p = at(r.lo), last = at(r.hi);
    for (size_t i = 0; i < n_; ++i) {
        double u = r.lo + (r.hi - r.lo) * i / n_, v = i + 1 == n_ ? r.hi : r.lo + (r.hi - r.lo) * (i + 1) / n_;
        Point3 q = i + 1 == n_ ? last : at(v);
        first_[i] = make(u, v, p, q, newId());
        p = q;
    }
}

Point3 ArcPieces::at(double t) const { return fromEnds_ ? arcs::pointFrom(arc_, start_, t) : arc_.point(t); }

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
    double stray = arc_.tapered() ? taperStray(arc_, reach_, mostFactor(arc_, u, v), v - u) : reach_ * unitSagitta(v - u);
    return {p.x, p.y, q.x, q.y, stray, id};
}

// The first half takes the piece's own room.
bool ArcPieces::halve(const CurvePiece& piece, CurvePiece& first, CurvePiece& second) {
    auto [u, v] = room_.ranges.at(piece.id);
    double m = (u + v) / 2;
    if (!(m > u && m < v)) return false;
    Point3 mid = at(m);
    first = make(u, m, {piece.x0, piece.y0, 0}, mid, piece.id);
    second = make(m, v, mid, {piece.x1, piece.y1, 0}, newId());
    return true;
}

Point3 ShapeArc::point(double t) const {
    double cs = std::cos(t), sn = std::sin(t);
    if (!tapered()) return {c.x + a.x * cs + b.x * sn, c.y + a.y * cs + b.y * sn, c.z + a.z * cs + b.z * sn};
    double k = factor(t);
    return {c.x + k * (a.x * cs + b.x * sn), c.y + k * (a.y * cs + b.y * sn), c.z + k * (a.z * cs + b.z * sn)};
}

ShapeArc ShapeArc::carried(const Matrix& m) const {
    return {at, throughEnds, m.apply(c), m.applyVector(a), m.applyVector(b), t0, t1, s0, s1};
}

bool ShapeArc::finite() const {
    for (const Point3& p : {c, a, b})
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) return false;
    return std::isfinite(t0) && std::isfinite(t1) && std::isfinite(s0) && std::isfinite(s1);
}

bool ShapeArc::finiteInPlan() const {
    for (const Point3& p : {c, a, b})
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
    return std::isfinite(t0) && std::isfinite(t1) && std::isfinite(s0) && std::isfinite(s1);
}

namespace arcs {

bool fromEnds(const ShapeArc& arc, const Point3& start) {
    return arc.throughEnds && centreRounding(arc) > startRounding(arc, start);
}

Point3 pointFrom(const ShapeArc& arc, const Point3& start, double t) {
    // cos t - cos t0 and sin t - sin t0, each a product of sines of half
    // the angles; a tapered arc's factor s(t) on them, and its change from
    // s0 on the radius vector at t0.
    double half = std::sin((t - arc.t0) / 2), middle = (t + arc.t0) / 2;
    double s = arc.factor(t), grown = arc.s1 * (t - arc.t0);
    double dc = -2 * std::sin(middle) * half * s, ds = 2 * std::cos(middle) * half * s;
    double gc = grown * std::cos(arc.t0), gs = grown * std::sin(arc.t0);
    return {start.x + arc.a.x * (dc + gc) + arc.b.x * (ds + gs), start.y + arc.a.y * (dc + gc) + arc.b.y * (ds + gs),
            start.z + arc.a.z * (dc + gc) + arc.b.z * (ds + gs)};
}

double agreed(double centred, double fromStart) {
    return std::fabs(centred - fromStart) <= kRoundingUlps * ulpOf(fromStart) ? centred : fromStart;
}

void addExtremes(const ShapeArc& arc, const Point3& start, Extents& box) {
    Range r = rangeOf(arc);
    const double cs[3] = {arc.c.x, arc.c.y, arc.c.z}, as[3] = {arc.a.x, arc.a.y, arc.a.z},
                 bs[3] = {arc.b.x, arc.b.y, arc.b.z};
    double* lows[3] = {&box.min.x, &box.min.y, &box.min.z};
    double* highs[3] = {&box.max.x, &box.max.y, &box.max.z};
    const bool ends = fromEnds(arc, start);
    const double ss[3] = {start.x, start.y, start.z};
    if (arc.tapered()) {
        for (int k = 0; k < 3; ++k) {
            Wave g{arc, as[k], bs[k], cs[k]};
            double turns[kMostTurns];
            for (int i = 0, n = turnsOf(g, r.lo, r.hi, turns); i < n; ++i) {
                double v = g.at(turns[i]);
                if (ends) v = agreed(v, Wave{arc, as[k], bs[k], ss[k], true}.at(turns[i]));
                *lows[k] = std::min(*lows[k], v);
                *highs[k] = std::max(*highs[k], v);
            }
        }
        return;
    }
    for (int k = 0; k < 3; ++k) {
        // Largest at t = atan2(b, a), the amplitude from the centre; least half a turn on.
        double amplitude = std::hypot(as[k], bs[k]), top = std::atan2(bs[k], as[k]);
        if (!(amplitude > 0)) continue;
        // From the start, the extreme at t = e (sign 1 the largest) is
        // start + sign 2 amplitude sin^2((t0 - e) / 2); the centre's is
        // kept where it agrees with that within that one's rounding.
        auto extreme = [&](double e, double sign) {
            double centred = cs[k] + sign * amplitude;
            if (!ends) return centred;
            double half = std::sin((arc.t0 - e) / 2);
            return agreed(centred, ss[k] + sign * 2 * amplitude * half * half);
        };
        if (inRange(r, top)) *highs[k] = std::max(*highs[k], extreme(top, 1));
        if (inRange(r, top + M_PI)) *lows[k] = std::min(*lows[k], extreme(top + M_PI, -1));
    }
}

// Its ends first: the points of a run are where it is drawn from, and an
// arc worked out about a centre far off (a nearly straight bulge) passes
// through them only within the rounding of that centre's digits.
Found near(const ShapeArc& arc, const Point3& from, const Point3& to, double x, double y, double radius,
           WorkBudget& budget) {
    for (const Point3& end : {from, to})
        if (std::hypot(end.x - x, end.y - y) <= radius) return Found::Yes;
    double circle;
    if (circleInPlan(arc, circle)) {
        bool within = fromEnds(arc, from) ? circleNearFromEnds(arc, circle, from, to, x, y, radius)
                                          : circleReach<false>(arc, circle, x, y) <= radius;
        return within ? Found::Yes : Found::No;
    }
    if (!fromEnds(arc, from)) {
        ArcPieces pieces(arc, from, false, threadRoom());
        return pieces.search().near(pieces, pieces.pieces(), pieces.count(), x, y, radius, budget);
    }
    // The centre's answer stands where its rounding cannot turn it: asked
    // again that much nearer (Yes) or farther (No), on a budget of its own
    // whose steps are then spent.
    auto centred = [&](double reach, WorkBudget& work) {
        ArcPieces pieces(arc, from, false, threadRoom());
        return pieces.search().near(pieces, pieces.pieces(), pieces.count(), x, y, reach, work);
    };
    Found found = centred(radius, budget);
    if (found == Found::OutOfWork) return found;
    WorkBudget trial = budget;
    double err = centreRounding(arc);
    Found again = centred(found == Found::Yes ? radius - err : radius + err, trial);
    if (!budget.spend(trial.spent() - budget.spent())) return Found::OutOfWork;
    if (again == found) return found;
    ArcPieces pieces(arc, from, true, threadRoom());
    return pieces.search().near(pieces, pieces.pieces(), pieces.count(), x, y, radius, budget);
}

// Bounds: answered from the start, a bound worked out about the centre
// is widened by that centre's rounding.
double distance(const ShapeArc& arc, const Point3& start, double x, double y) {
    double circle, d;
    if (circleInPlan(arc, circle)) {
        d = circleReach<false>(arc, circle, x, y);
    } else {
        ArcPieces pieces(arc, start, fromEnds(arc, start), threadRoom());
        d = pieces.search().nearest(pieces, pieces.pieces(), pieces.count(), x, y, pieces.size(), INFINITY);
    }
    return fromEnds(arc, start) ? std::max(0.0, d - centreRounding(arc)) : d;
}

double farthest(const ShapeArc& arc, const Point3& start, double x, double y) {
    double circle, d;
    if (circleInPlan(arc, circle)) {
        d = circleReach<true>(arc, circle, x, y);
    } else {
        ArcPieces pieces(arc, start, fromEnds(arc, start), threadRoom());
        d = pieces.search().farthest(pieces, pieces.pieces(), pieces.count(), x, y, pieces.size());
    }
    return fromEnds(arc, start) ? d + centreRounding(arc) : d;
}

bool meetsEdges(const ShapeArc& arc, const Point3& start, const PlanWindow& w) {
    Range r = rangeOf(arc);
    bool met = false;
    // Answered from its start, where an edge crosses it is found as a
    // tapered arc's is, on the coordinate worked out from there.
    const bool ends = fromEnds(arc, start);
    if (arc.tapered() || ends) {
        auto point = [&](double t) { return ends ? pointFrom(arc, start, t) : arc.point(t); };
        auto wave = [&](double A, double B, double centre, double first, double level) {
            return ends ? Wave{arc, A, B, first - level, true} : Wave{arc, A, B, centre - level};
        };
        for (double X : {w.x1, w.x2})
            zerosOf(wave(arc.a.x, arc.b.x, arc.c.x, start.x, X), r, [&](double t) {
                double y = point(t).y;
                met = met || (y >= w.y1 && y <= w.y2);
            });
        for (double Y : {w.y1, w.y2})
            zerosOf(wave(arc.a.y, arc.b.y, arc.c.y, start.y, Y), r, [&](double t) {
                double x = point(t).x;
                met = met || (x >= w.x1 && x <= w.x2);
            });
        return met;
    }
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
    // Answered from its start, the side is worked out from there and its
    // crossings found as a tapered arc's are.
    const bool ends = fromEnds(arc, from), curve = arc.tapered() || ends;
    // Cut where the side turns (its extremes inside the arc), so that each
    // part crosses the line at most once; in the arc's own direction.
    const Wave g = ends ? Wave{arc, A, B, across(from), true} : Wave{arc, A, B, C};
    double top = std::atan2(B, A);
    double ts[kMostTurns + 2], sides[kMostTurns + 2];
    int n = 0;
    ts[n] = arc.t0;
    sides[n++] = across(from);
    double forward = arc.t1 >= arc.t0 ? 1 : -1;
    double turns[kMostTurns];
    int k = 0;
    if (curve) {
        k = turnsOf(g, r.lo, r.hi, turns);
    } else {
        for (double t = top + std::ceil((r.lo - top) / M_PI) * M_PI; t < r.hi && k < kMostTurns; t += M_PI)
            if (t > r.lo) turns[k++] = t;
    }
    if (forward < 0) std::reverse(turns, turns + k);
    for (int i = 0; i < k; ++i) {
        double t = turns[i];
        ts[n] = t;
        double c = std::cos(t - top);
        sides[n++] = curve ? g.at(t) : C + (c > 0 ? amplitude : -amplitude);
    }
    ts[n] = arc.t1;
    sides[n++] = across(to);
    int count = 0;
    for (int i = 1; i < n; ++i) {
        if ((sides[i - 1] > 0) == (sides[i] > 0)) continue;
        if (curve) {
            double t = rootBetween(g, ts[i - 1], ts[i], sides[i - 1] > 0);
            Point3 p = ends ? pointFrom(arc, from, t) : arc.point(t);
            along[count++] = d.x * (p.x - o.x) + d.y * (p.y - o.y);
            continue;
        }
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

double centreRounding(const ShapeArc& arc) { return ::host::db::centreRounding(arc); }

} // namespace arcs

} // namespace host::db
