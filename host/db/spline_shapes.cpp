// SPLINE, and the spline edges of hatches: a rational B-spline evaluated by
// de Boor's algorithm at a fixed number of points per knot span; without
// control points, a smooth curve through the fit points.  Every count is
// taken from what the file holds, never from the counts it states, and a
// spline whose degree, knots and weights do not fit together draws its
// control polygon: never a read past its data, never an unbounded loop.
#include <algorithm>
#include <array>
#include <cmath>

#include "db/entity_values.h"
#include "db/shape_parts.h"

namespace host::db::parts {

namespace {

using namespace values;

constexpr int kSamplesPerSpan = 8;
// Far beyond any curve a drawing holds; de Boor costs the degree squared
// per point, and its working row is this long.
constexpr long kMaxDegree = 31;

struct Weighted {
    double x = 0, y = 0, z = 0, w = 1;
};

bool finiteKnots(const std::vector<double>& knots) {
    for (size_t i = 0; i < knots.size(); ++i) {
        if (!std::isfinite(knots[i])) return false;
        if (i > 0 && knots[i] < knots[i - 1]) return false;
    }
    return true;
}

bool goodWeights(const std::vector<double>& weights, size_t count) {
    if (weights.empty()) return true;
    if (weights.size() != count) return false;
    return std::all_of(weights.begin(), weights.end(), [](double w) { return std::isfinite(w) && w > 0; });
}

// The point at u of the span [knots[k], knots[k + 1]).
Point3 deBoor(const SplineData& s, size_t p, size_t k, double u) {
    std::array<Weighted, kMaxDegree + 1> d;
    for (size_t j = 0; j <= p; ++j) {
        const Point3& c = s.control[j + k - p];
        double w = s.weights.empty() ? 1.0 : s.weights[j + k - p];
        d[j] = {c.x * w, c.y * w, c.z * w, w};
    }
    for (size_t r = 1; r <= p; ++r)
        for (size_t j = p; j >= r; --j) {
            size_t i = j + k - p;
            double span = s.knots[i + p - r + 1] - s.knots[i];
            double a = span > 0 ? (u - s.knots[i]) / span : 0;
            d[j] = {(1 - a) * d[j - 1].x + a * d[j].x, (1 - a) * d[j - 1].y + a * d[j].y,
                    (1 - a) * d[j - 1].z + a * d[j].z, (1 - a) * d[j - 1].w + a * d[j].w};
        }
    const Weighted& q = d[p];
    return {q.x / q.w, q.y / q.w, q.z / q.w};
}

// Uniform Catmull-Rom through the fit points: smooth, and on every one.
void throughFitPoints(const std::vector<Point3>& f, std::vector<Point3>& out) {
    if (f.size() < 3) {
        out.insert(out.end(), f.begin(), f.end());
        return;
    }
    auto at = [&](size_t i, long step) {
        long j = std::clamp(static_cast<long>(i) + step, 0L, static_cast<long>(f.size()) - 1);
        return f[static_cast<size_t>(j)];
    };
    for (size_t i = 0; i + 1 < f.size(); ++i) {
        Point3 p0 = at(i, -1), p1 = f[i], p2 = f[i + 1], p3 = at(i, 2);
        for (int n = 0; n < kSamplesPerSpan; ++n) {
            double t = static_cast<double>(n) / kSamplesPerSpan, t2 = t * t, t3 = t2 * t;
            auto blend = [&](double a, double b, double c, double d) {
                return 0.5 * (2 * b + (c - a) * t + (2 * a - 5 * b + 4 * c - d) * t2 + (3 * b - a - 3 * c + d) * t3);
            };
            out.push_back({blend(p0.x, p1.x, p2.x, p3.x), blend(p0.y, p1.y, p2.y, p3.y),
                           blend(p0.z, p1.z, p2.z, p3.z)});
        }
    }
    out.push_back(f.back());
}

} // namespace

void sampleSpline(const SplineData& s, std::vector<Point3>& out) {
    size_t n = s.control.size();
    if (n == 0) {
        throughFitPoints(s.fit, out);
        return;
    }
    bool fits = s.degree >= 1 && s.degree <= kMaxDegree && static_cast<size_t>(s.degree) < n &&
                s.knots.size() == n + static_cast<size_t>(s.degree) + 1 && finiteKnots(s.knots) &&
                goodWeights(s.weights, n);
    size_t p = fits ? static_cast<size_t>(s.degree) : 0;
    if (!fits || !(s.knots[p] < s.knots[n])) {
        out.insert(out.end(), s.control.begin(), s.control.end());
        return;
    }
    size_t last = p;
    for (size_t k = p; k < n; ++k) {
        double u0 = s.knots[k], u1 = s.knots[k + 1];
        if (!(u0 < u1)) continue;
        last = k;
        for (int i = 0; i < kSamplesPerSpan; ++i) out.push_back(deBoor(s, p, k, u0 + (u1 - u0) * i / kSamplesPerSpan));
    }
    out.push_back(deBoor(s, p, last, s.knots[n]));
}

void addSpline(const Object& o, const Matrix& m, Shapes& out, ShapeScratch& scratch) {
    SplineData& s = scratch.spline;
    s.clear();
    s.degree = intOf(o, 71, 3);
    size_t end = xdataBegin(o);
    for (size_t i = 0; i < end; ++i) {
        const Group& g = o.groups[i];
        bool point = g.kind() == ValueKind::Point, real = g.kind() == ValueKind::Real;
        if (g.code() == 10 && point) s.control.push_back(toPoint(g.asPoint()));
        else if (g.code() == 11 && point) s.fit.push_back(toPoint(g.asPoint()));
        else if (g.code() == 40 && real) s.knots.push_back(g.asReal());
        else if (g.code() == 41 && real) s.weights.push_back(g.asReal());
    }
    scratch.curve.clear();
    sampleSpline(s, scratch.curve);
    out.startRun(RunKind::Open);
    for (const Point3& p : scratch.curve) out.add(m, p);
}

} // namespace host::db::parts
