// The cubic B-spline through a spline's fit points, as CAD programs make it
// when a file gives fit points and no control points: global interpolation
// with chord-length parameters, the inner knots at the inner fit points'
// parameters, held at its ends by the tangents the file gives (12 and 13:
// both, else both estimated from the three points at each end), each as
// long as the fit points' chord length.  The inner control points solve a
// tridiagonal system, in one pass each way.  Repeated and non-finite fit
// points are left out; what cannot be solved says so, and the caller draws
// the fit points as they are.
#include <cmath>
#include <vector>

#include "db/finite_numbers.h"
#include "db/shape_parts.h"

namespace host::db::parts {

namespace {

constexpr long kCubic = 3;
// A pivot this small says the system has no sound solution (fit points
// too close together for their parameters to tell apart).
constexpr double kLeastPivot = 1e-12;

Point3 minus(const Point3& a, const Point3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Point3 plus(const Point3& a, const Point3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Point3 times(const Point3& a, double f) { return {a.x * f, a.y * f, a.z * f}; }
double length(const Point3& a) { return std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z); }

// v as long as `size`; false for a vector of no finite direction.
bool scaledTo(Point3 v, double size, Point3& out) {
    double l = length(v);
    if (!std::isfinite(l) || !(l > 0)) return false;
    out = times(v, size / l);
    return true;
}

// The tangent at an end whose points are a, then b, then c inward: the
// chords' 5-point estimate, which at an end is (3 (b - a) - (c - b)) / 2,
// pointing inward; along the first chord when that vanishes.
Point3 estimatedTangent(const Point3& a, const Point3& b, const Point3& c) {
    Point3 first = minus(b, a);
    Point3 t = times(minus(times(first, 3), minus(c, b)), 0.5);
    return length(t) > 0 ? t : first;
}

// The fit points to pass through: finite, none the same as the one before.
void distinctPoints(const std::vector<Point3>& fit, std::vector<Point3>& out) {
    out.clear();
    for (const Point3& p : fit) {
        if (!finite(p)) continue;
        if (!out.empty() && p.x == out.back().x && p.y == out.back().y && p.z == out.back().z) continue;
        out.push_back(p);
    }
}

// The cubic basis functions N[k..k+2] not zero at the knot u = knots[s]
// (Cox-de Boor; N[k+3] is zero there), s = k + 3.
void basisAtKnot(const std::vector<double>& knots, size_t s, double n[4]) {
    double left[4] = {}, right[4] = {};
    n[0] = 1;
    double u = knots[s];
    for (int j = 1; j <= kCubic; ++j) {
        left[j] = u - knots[s + 1 - j];
        right[j] = knots[s + j] - u;
        double saved = 0;
        for (int r = 0; r < j; ++r) {
            double t = n[r] / (right[r + 1] + left[j - r]);
            n[r] = saved + right[r + 1] * t;
            saved = left[j - r] * t;
        }
        n[j] = saved;
    }
}

} // namespace

bool interpolateFitPoints(const SplineData& s, SplineData& out) {
    out.clear();
    std::vector<Point3>& q = out.fit;  // the points to pass through
    distinctPoints(s.fit, q);
    size_t count = q.size();
    if (count < 2) return false;
    // Chord-length parameters 0 = t0 < t1 < ... < 1, which the inner knots take.
    double total = 0;
    for (size_t i = 1; i < count; ++i) total += length(minus(q[i], q[i - 1]));
    if (!std::isfinite(total) || !(total > 0)) return false;
    std::vector<double>& knots = out.knots;
    knots.assign(kCubic + 1, 0.0);
    double run = 0;
    for (size_t i = 1; i + 1 < count; ++i) {
        run += length(minus(q[i], q[i - 1]));
        knots.push_back(run / total);
    }
    knots.insert(knots.end(), kCubic + 1, 1.0);
    // The end derivatives: the file's tangents (both, or neither) as long as
    // the chords; else estimated from the ends' points.
    Point3 d0, d1;
    bool given = s.hasStartTangent && s.hasEndTangent && scaledTo(s.startTangent, total, d0) &&
                 scaledTo(s.endTangent, total, d1);
    if (!given) {
        Point3 t0 = count > 2 ? estimatedTangent(q[0], q[1], q[2]) : minus(q[1], q[0]);
        Point3 t1 = count > 2 ? estimatedTangent(q[count - 1], q[count - 2], q[count - 3]) : minus(q[0], q[1]);
        if (!scaledTo(t0, total, d0) || !scaledTo(t1, total, d1)) return false;
        d1 = times(d1, -1);  // estimated inward; the curve leaves its end outward
    }
    // Control points P0 .. P(count + 1): the ends and the two beside them
    // follow from the end points and derivatives.
    std::vector<Point3>& p = out.control;
    p.assign(count + 2, Point3{});
    p[0] = q[0];
    p[1] = plus(q[0], times(d0, knots[kCubic + 1] / kCubic));
    p[count] = minus(q[count - 1], times(d1, (1 - knots[knots.size() - kCubic - 2]) / kCubic));
    p[count + 1] = q[count - 1];
    // Inner fit point k at knot k + 3: N[k] P[k] + N[k+1] P[k+1] + N[k+2] P[k+2] = Q[k],
    // for P[2] .. P[count - 1]; forward, c' is kept in `upper`, d' in p.
    std::vector<double> upper(count + 2, 0.0);
    for (size_t k = 1; k + 1 < count; ++k) {
        double n[4];
        basisAtKnot(knots, k + kCubic, n);
        Point3 rhs = q[k];
        double pivot = n[1];
        if (k == 1) rhs = minus(rhs, times(p[1], n[0]));
        else {
            pivot -= n[0] * upper[k];
            rhs = minus(rhs, times(p[k], n[0]));
        }
        if (k + 2 == count) rhs = minus(rhs, times(p[count], n[2]));
        if (!std::isfinite(pivot) || std::fabs(pivot) < kLeastPivot) return false;
        upper[k + 1] = k + 2 == count ? 0 : n[2] / pivot;
        p[k + 1] = times(rhs, 1 / pivot);
    }
    for (size_t k = count - 1; k >= 3; --k) p[k - 1] = minus(p[k - 1], times(p[k], upper[k - 1]));
    for (const Point3& c : p)
        if (!finite(c)) return false;
    out.degree = kCubic;
    out.fit.clear();
    return true;
}

} // namespace host::db::parts
