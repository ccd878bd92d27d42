// SPLINE, and the spline edges of hatches: a rational B-spline evaluated by
// de Boor's algorithm, each knot span cut in equal pieces and each piece
// halved until its chord stays within the chord tolerance of the curve in
// the frame it is drawn in; without control points, the cubic through the
// fit points (spline_fit.cpp).  Knots are taken in their own scale, so that
// a range as wide as a double reaches still has spans.  Every count is
// taken from what the file holds, never from the counts it states; the
// points a span and a spline may add are bounded; and a spline whose
// degree, knots and weights do not fit together draws its control polygon:
// never a read past its data, never an unbounded loop.
#include <algorithm>
#include <array>
#include <cmath>

#include "db/entity_values.h"
#include "db/finite_numbers.h"
#include "db/shape_parts.h"
#include "db/spline_extremes.h"
#include "db/spline_spans.h"

namespace host::db::parts {

namespace {

using namespace values;

// Every knot span is cut at least this often ...
constexpr int kSamplesPerSpan = 8;
// ... and each piece halved at most this often (1024 pieces a span).
constexpr int kMaxHalvings = 7;
// The pieces a cubic spline may be cut into before its spans are halved
// less: what a hostile file can ask for stays bounded.  A higher degree's
// point costs the square of its order, so it gets fewer.
constexpr size_t kMaxPieces = size_t{1} << 15;
constexpr size_t kCubicCost = 16;
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

// The knots scaled by a power of two to below 1 in size: every difference
// of two is finite, and the curve is the same (de Boor takes only ratios
// of knot differences, which an exact scaling leaves as they were).
void scaledKnots(const std::vector<double>& knots, std::vector<double>& out) {
    double largest = 0;
    for (double k : knots) largest = std::max(largest, std::fabs(k));
    int exponent = 0;
    std::frexp(largest, &exponent);
    out.resize(knots.size());
    for (size_t i = 0; i < knots.size(); ++i) out[i] = std::ldexp(knots[i], -exponent);
}

// The distance from q to the chord ab once m carries them into the frame
// they are drawn in.
class Flatness {
public:
    explicit Flatness(const Matrix& m) : m_(m), identity_(isIdentity(m)) {}
    bool within(const Point3& q, const Point3& a, const Point3& b) const {
        return identity_ ? near(q, a, b) : near(m_.apply(q), m_.apply(a), m_.apply(b));
    }

private:
    static bool near(const Point3& q, const Point3& a, const Point3& b) {
        Point3 d{b.x - a.x, b.y - a.y, b.z - a.z}, e{q.x - a.x, q.y - a.y, q.z - a.z};
        double dd = d.x * d.x + d.y * d.y + d.z * d.z;
        double t = dd > 0 ? std::clamp((e.x * d.x + e.y * d.y + e.z * d.z) / dd, 0.0, 1.0) : 0.0;
        double x = e.x - t * d.x, y = e.y - t * d.y, z = e.z - t * d.z;
        // NaN (a point that is not drawn) counts as near: nothing to cut.
        return !(x * x + y * y + z * z > kChordTolerance * kChordTolerance);
    }
    const Matrix& m_;
    bool identity_;
};

// A B-spline that fits together: control points, their weights (none: all
// 1), knots in their own scale, degree p.
class Curve {
public:
    Curve(const std::vector<Point3>& control, const std::vector<double>& weights, const std::vector<double>& knots,
          size_t p, const Matrix& m)
        : control_(control), weights_(weights), knots_(knots), p_(p), flat_(m) {}

    // The points along the curve from its start.  A span starts where the
    // last ended but after a knot repeated as often as the order, where the
    // curve may jump.
    void sample(std::vector<Point3>& out) const {
        size_t n = control_.size();
        size_t spans = 0;
        for (size_t k = p_; k < n; ++k)
            if (knots_[k] < knots_[k + 1]) ++spans;
        int halvings = halvingsFor(spans);
        bool first = true;
        for (size_t k = p_; k < n; ++k) {
            double u0 = knots_[k], u1 = knots_[k + 1];
            if (!(u0 < u1)) continue;
            if (first || knots_[k - p_] == u0) {
                Point3 start = at(k, u0);
                if (first || !same(out.back(), start)) out.push_back(start);
            }
            first = false;
            sampleSpan(k, out.back(), u0, u1, halvings, out);
        }
    }

private:
    // How often each piece may be halved for the spline to stay within its
    // share of points.
    int halvingsFor(size_t spans) const {
        size_t cost = (p_ + 1) * (p_ + 1);
        size_t budget = cost <= kCubicCost ? kMaxPieces : kMaxPieces * kCubicCost / cost;
        size_t pieces = spans * kSamplesPerSpan;
        int h = 0;
        while (h < kMaxHalvings && (pieces << (h + 1)) <= budget) ++h;
        return h;
    }

    // The point at u of the span [knots[k], knots[k + 1]].
    Point3 at(size_t k, double u) const {
        std::array<Weighted, kMaxDegree + 1> d;
        const double unit = weightUnit(weights_, control_, k - p_, p_ + 1);
        for (size_t j = 0; j <= p_; ++j) {
            const Point3& c = control_[j + k - p_];
            double w = weights_.empty() ? 1.0 : weights_[j + k - p_] * unit;
            d[j] = {c.x * w, c.y * w, c.z * w, w};
        }
        for (size_t r = 1; r <= p_; ++r)
            for (size_t j = p_; j >= r; --j) {
                size_t i = j + k - p_;
                double span = knots_[i + p_ - r + 1] - knots_[i];
                double a = span > 0 ? (u - knots_[i]) / span : 0;
                d[j] = {(1 - a) * d[j - 1].x + a * d[j].x, (1 - a) * d[j - 1].y + a * d[j].y,
                        (1 - a) * d[j - 1].z + a * d[j].z, (1 - a) * d[j - 1].w + a * d[j].w};
            }
        const Weighted& q = d[p_];
        return {q.x / q.w, q.y / q.w, q.z / q.w};
    }

    static bool same(const Point3& a, const Point3& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

    // The points of span k after its start a, its end the last.
    void sampleSpan(size_t k, Point3 a, double u0, double u1, int halvings, std::vector<Point3>& out) const {
        double ua = u0;
        for (int i = 1; i <= kSamplesPerSpan; ++i) {
            double ub = i == kSamplesPerSpan ? u1 : u0 + (u1 - u0) * i / kSamplesPerSpan;
            Point3 b = at(k, ub);
            if (halvings > 0) refine(k, ua, a, ub, b, at(k, (ua + ub) / 2), halvings, out);
            else out.push_back(b);
            a = b;
            ua = ub;
        }
    }

    // The points of the piece [ua, ub] after a, at most 2^halvings of
    // them: b alone when the chord ab stays near the curve at the piece's
    // middle and quarters (an S-bend can cross its chord at the middle),
    // else each half in turn.
    void refine(size_t k, double ua, const Point3& a, double ub, const Point3& b, const Point3& mid, int halvings,
                std::vector<Point3>& out) const {
        double um = (ua + ub) / 2;
        Point3 q1 = at(k, (ua + um) / 2), q3 = at(k, (um + ub) / 2);
        if (flat_.within(mid, a, b) && flat_.within(q1, a, b) && flat_.within(q3, a, b)) {
            out.push_back(b);
        } else if (halvings > 1) {
            refine(k, ua, a, um, mid, q1, halvings - 1, out);
            refine(k, um, mid, ub, b, q3, halvings - 1, out);
        } else {
            out.push_back(mid);
            out.push_back(b);
        }
    }

    const std::vector<Point3>& control_;
    const std::vector<double>& weights_;
    const std::vector<double>& knots_;
    size_t p_;
    Flatness flat_;
};

} // namespace

bool sampleSpline(const SplineData& s, const Matrix& m, std::vector<Point3>& out, SplineData& work) {
    work.clear();
    if (s.control.empty()) {
        if (interpolateFitPoints(s, work)) {
            Curve(work.control, work.weights, work.knots, static_cast<size_t>(work.degree), m).sample(out);
            return true;
        }
        for (const Point3& p : s.fit)
            if (finite(p)) out.push_back(p);
        return false;
    }
    size_t n = s.control.size();
    bool fits = s.degree >= 1 && s.degree <= kMaxDegree && static_cast<size_t>(s.degree) < n &&
                s.knots.size() == n + static_cast<size_t>(s.degree) + 1 && finiteKnots(s.knots) &&
                goodWeights(s.weights, n);
    size_t p = fits ? static_cast<size_t>(s.degree) : 0;
    if (!fits || !(s.knots[p] < s.knots[n])) {
        out.insert(out.end(), s.control.begin(), s.control.end());
        return false;
    }
    scaledKnots(s.knots, work.knots);
    work.degree = s.degree;
    work.control = s.control;
    work.weights = s.weights;
    Curve(work.control, work.weights, work.knots, p, m).sample(out);
    return true;
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
        else if (g.code() == 12 && point && !s.hasStartTangent) {
            s.startTangent = toPoint(g.asPoint());
            s.hasStartTangent = true;
        } else if (g.code() == 13 && point && !s.hasEndTangent) {
            s.endTangent = toPoint(g.asPoint());
            s.hasEndTangent = true;
        }
    }
    scratch.curve.clear();
    bool curve = sampleSpline(s, m, scratch.curve, scratch.drawn);
    out.startRun(RunKind::Open);
    for (const Point3& p : scratch.curve) out.add(m, p);
    if (!curve || out.runs.back().end == out.runs.back().begin) return;
    // The curve itself, for questions asked of it enlarged.
    const SplineData& d = scratch.drawn;
    ShapeSpline kept{static_cast<uint32_t>(out.runs.size() - 1), static_cast<uint32_t>(d.degree), {}, d.weights, d.knots};
    kept.control.reserve(d.control.size());
    for (const Point3& p : d.control) {
        Point3 q = m.apply(p);
        if (!std::isfinite(q.x) || !std::isfinite(q.y) || !std::isfinite(q.z)) return;
        kept.control.push_back(q);
    }
    // Bounded by its extreme points, which its chords fall short of.
    for (uint32_t i = out.runs.back().begin; i < out.runs.back().end; ++i) kept.box.add(out.points[i]);
    addSplineExtremes(kept, kept.box);
    out.box.add(kept.box);
    out.splines.push_back(std::move(kept));
}

} // namespace host::db::parts
