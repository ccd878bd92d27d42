#include "db/spline_extremes.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <utility>
#include <vector>

#include "db/spline_spans.h"

namespace host::db {

namespace {

using Weighted = SpanPieces::Weighted;

// A turning point is placed within 2^-kRootHalvings of its span's
// parameter: the coordinate found there falls short of the extreme by the
// square of that times its curvature, far below its last digit.
constexpr int kRootHalvings = 46;
// Halvings spent telling the turning points of one coordinate of one span
// apart; past them the span's control points bound that coordinate (they
// hold its curve).  A span has at most 2 degree - 2 of them.
constexpr int kMostIsolating = 256;
// Steps narrowing one turning point: Newton's while it stays within the
// piece known to hold it, else a halving of that piece.
constexpr int kMostNarrowing = 2 * kRootHalvings;
// Weights within 2^kCloseWeights of each other leave the derivative's
// coefficients, taken about the first point, wrong by at most 2^-26 of
// the lightest one's share: a turning point placed that far off misses
// its extreme by the square of it, below the last digit.  Farther apart,
// the lighter ones' share is lost in those sums (1 - 1e-20 is 1), and each
// term is taken from the coordinates' own differences instead.
constexpr int kCloseWeights = DBL_MANT_DIG / 2;

double coordinate(const Weighted& q, int c) { return c == 0 ? q.x : c == 1 ? q.y : q.z; }
double coordinate(const Point3& p, int c) { return c == 0 ? p.x : c == 1 ? p.y : p.z; }
double& coordinate(Point3& p, int c) { return c == 0 ? p.x : c == 1 ? p.y : p.z; }

// Sign changes along Bernstein coefficients, zeros passed over: the
// polynomial has as many roots inside its interval, or fewer by an even
// number.
int variations(const double* c, size_t count) {
    int changes = 0;
    double last = 0;
    for (size_t i = 0; i < count; ++i) {
        if (c[i] == 0) continue;
        if (last != 0 && (c[i] > 0) != (last > 0)) ++changes;
        last = c[i];
    }
    return changes;
}

// Whether some coordinate of the points lies outside `box`.
bool passes(const Point3* points, size_t count, const Extents& box) {
    for (size_t i = 0; i < count; ++i)
        for (int c = 0; c < 3; ++c)
            if (coordinate(points[i], c) < coordinate(box.min, c) || coordinate(points[i], c) > coordinate(box.max, c))
                return true;
    return false;
}

class SpanExtremes {
public:
    // Grows `box` by the extremes of the span whose Bezier points are `q`
    // where its hull passes the box; `control` are the spline's control
    // points that span depends on.
    void add(const std::vector<Weighted>& q, const Point3* control, size_t count, Extents& box);

private:
    bool derivative(size_t p, bool rational);
    // Whether the lightest weight lies more than 2^kCloseWeights below the
    // heaviest (w_ holds them, the heaviest 1).
    bool farApart() const;
    bool roots();
    double refine(const double* c, int steps);
    void valueAt(const double* c, double s, double& value, double& slope);
    double curveAt(double t, int c);
    double binomial(size_t n, size_t k) const { return pascal_[n * rows_ + k]; }

    const std::vector<Weighted>* q_ = nullptr;
    std::vector<double> x_, w_, shifted_, d_, stack_, level_, pascal_, roots_;
    std::vector<std::pair<double, int>> intervals_;  // start and halvings of each piece on the stack
    std::vector<Weighted> point_;
    size_t rows_ = 0;
};

void SpanExtremes::add(const std::vector<Weighted>& q, const Point3* control, size_t count, Extents& box) {
    q_ = &q;
    const size_t p = q.size() - 1;
    // The weights scaled to at most 1, which leaves the curve as it is and
    // keeps their products finite.
    double most = 0;
    for (const Weighted& e : q) most = std::max(most, e.w);
    w_.resize(p + 1);
    bool rational = false;
    for (size_t i = 0; i <= p; ++i) {
        w_[i] = q[i].w / most;
        rational = rational || w_[i] != w_[0];
    }
    x_.resize(p + 1);
    for (int c = 0; c < 3; ++c) {
        bool finite = true;
        double hullLow = INFINITY, hullHigh = -INFINITY;
        for (size_t i = 0; i <= p; ++i) {
            x_[i] = coordinate(q[i], c) / q[i].w;
            finite = finite && std::isfinite(x_[i]);
            hullLow = std::min(hullLow, x_[i]);
            hullHigh = std::max(hullHigh, x_[i]);
        }
        double low = std::min(x_[0], x_[p]), high = std::max(x_[0], x_[p]);
        // The hull holds the curve: within the box and the ends' range it
        // passes neither.
        double boxLow = std::min(low, coordinate(box.min, c)), boxHigh = std::max(high, coordinate(box.max, c));
        if (finite && (hullLow < boxLow || hullHigh > boxHigh)) {
            roots_.clear();
            if (derivative(p, rational) && roots()) {
                for (double t : roots_) {
                    double v = curveAt(t, c);
                    if (!std::isfinite(v)) continue;
                    low = std::min(low, v);
                    high = std::max(high, v);
                }
            } else {
                finite = false;
            }
        }
        if (!finite) {
            low = INFINITY;
            high = -INFINITY;
            for (size_t i = 0; i < count; ++i) {
                low = std::min(low, coordinate(control[i], c));
                high = std::max(high, coordinate(control[i], c));
            }
        }
        coordinate(box.min, c) = std::min(coordinate(box.min, c), low);
        coordinate(box.max, c) = std::max(coordinate(box.max, c), high);
    }
}

bool SpanExtremes::farApart() const {
    return *std::min_element(w_.begin(), w_.end()) < std::ldexp(1.0, -kCloseWeights);
}

// The Bernstein coefficients of a polynomial with the sign of the
// coordinate's derivative, x_ holding the coordinate of the Bezier points:
// their differences for equal weights, else the numerator X'W - XW' of
// the derivative of X / W (degree 2p - 1), X taken from the first point so
// that the terms are of the span's size rather than its distance from 0
// (or, for weights far apart, each term from differences of coordinates).
bool SpanExtremes::derivative(size_t p, bool rational) {
    if (!rational) {
        d_.resize(p);
        for (size_t i = 0; i < p; ++i) d_[i] = x_[i + 1] - x_[i];
    } else {
        const size_t degree = 2 * p - 1;
        if (rows_ < degree + 1) {
            rows_ = degree + 1;
            pascal_.assign(rows_ * rows_, 0);
            for (size_t n = 0; n < rows_; ++n) {
                double* row = pascal_.data() + n * rows_;
                row[0] = 1;
                if (n == 0) continue;
                // The row above, reached forward from its start: an index run
                // back from this row's would wrap round below zero.
                const double* above = pascal_.data() + (n - 1) * rows_;
                for (size_t k = 1; k <= n; ++k) row[k] = above[k - 1] + (k < n ? above[k] : 0);
            }
        }
        const bool far = farApart();
        shifted_.resize(p + 1);
        for (size_t i = 0; i <= p; ++i) shifted_[i] = w_[i] * (x_[i] - x_[0]);
        d_.assign(degree + 1, 0);
        for (size_t i = 0; i < p; ++i) {
            double a = shifted_[i + 1] - shifted_[i], b = w_[i + 1] - w_[i];
            for (size_t j = 0; j <= p; ++j) {
                double share = binomial(p - 1, i) * binomial(p, j) / binomial(degree, i + j);
                double term = far ? w_[i + 1] * w_[j] * (x_[i + 1] - x_[j]) - w_[i] * w_[j] * (x_[i] - x_[j])
                                  : a * w_[j] - b * shifted_[j];
                d_[i + j] += share * term;
            }
        }
    }
    return std::all_of(d_.begin(), d_.end(), [](double v) { return std::isfinite(v); });
}

// The parameters where d_ changes sign, into roots_: pieces halved until
// each holds one change (or is too narrow to halve), that one then
// narrowed by refine().  False when they cannot be told apart within
// kMostIsolating halvings.
bool SpanExtremes::roots() {
    const size_t n = d_.size();
    if (n < 2) return true;
    stack_.assign(d_.begin(), d_.end());
    intervals_.assign(1, {0.0, 0});
    for (int isolating = 0; !intervals_.empty();) {
        auto [start, halvings] = intervals_.back();
        const size_t at = stack_.size() - n;
        const double* c = stack_.data() + at;
        int changes = variations(c, n);
        double width = std::ldexp(1.0, -halvings);
        if (changes > 1 && halvings < kRootHalvings) {
            if (++isolating > kMostIsolating) return false;
            // de Casteljau at the middle: the left half where this piece
            // was, the right above it.
            level_.assign(c, c + n);
            stack_.resize(at + 2 * n);
            double* left = stack_.data() + at;
            double* right = left + n;
            left[0] = level_[0];
            right[n - 1] = level_[n - 1];
            for (size_t r = 1; r < n; ++r) {
                for (size_t i = 0; i + r < n; ++i) level_[i] = (level_[i] + level_[i + 1]) / 2;
                left[r] = level_[0];
                right[n - 1 - r] = level_[n - 1 - r];
            }
            intervals_.back() = {start, halvings + 1};
            intervals_.push_back({start + width / 2, halvings + 1});
            continue;
        }
        if (changes == 1) roots_.push_back(start + width * refine(c, kRootHalvings - halvings));
        else if (changes > 1) roots_.push_back(start + width / 2);
        stack_.resize(at);
        intervals_.pop_back();
    }
    return true;
}

// The one sign change of the coefficients c in [0, 1], to within
// 2^-steps: Newton's steps inside the piece known to hold it, halving it
// where a step would leave it.
double SpanExtremes::refine(const double* c, int steps) {
    const size_t n = d_.size();
    size_t first = 0;
    while (first < n && c[first] == 0) ++first;
    const bool rising = first < n && c[first] < 0;
    const double close = std::ldexp(1.0, -steps);
    double a = 0, b = 1, s = 0.5;
    for (int i = 0; i < kMostNarrowing && b - a > close; ++i) {
        double value, slope;
        valueAt(c, s, value, slope);
        if (value == 0) return s;
        if ((value < 0) == rising) a = s;
        else b = s;
        double next = s - value / slope;
        if (!(next > a && next < b)) next = (a + b) / 2;
        else if (std::fabs(next - s) <= close) return next;
        s = next;
    }
    return s;
}

// The polynomial of coefficients c and its derivative at s.
void SpanExtremes::valueAt(const double* c, double s, double& value, double& slope) {
    const size_t n = d_.size();
    level_.assign(c, c + n);
    for (size_t r = 1; r + 1 < n; ++r)
        for (size_t i = 0; i + r < n; ++i) level_[i] = (1 - s) * level_[i] + s * level_[i + 1];
    value = (1 - s) * level_[0] + s * level_[1];
    slope = static_cast<double>(n - 1) * (level_[1] - level_[0]);
}

// Coordinate c of the span's point at t (de Casteljau on its weighted points).
double SpanExtremes::curveAt(double t, int c) {
    point_ = *q_;
    const size_t n = point_.size();
    for (size_t r = 1; r < n; ++r)
        for (size_t i = 0; i + r < n; ++i) {
            Weighted& a = point_[i];
            const Weighted& b = point_[i + 1];
            a = {(1 - t) * a.x + t * b.x, (1 - t) * a.y + t * b.y, (1 - t) * a.z + t * b.z, (1 - t) * a.w + t * b.w};
        }
    return coordinate(point_[0], c) / point_[0].w;
}

} // namespace

void addSplineExtremes(const ShapeSpline& s, Extents& box) {
    if (s.degree == 0 || s.knots.size() != s.control.size() + s.degree + 1) return;
    SpanPieces span;
    SpanExtremes extremes;
    for (size_t k = s.degree; k < s.control.size(); ++k) {
        if (!(s.knots[k] < s.knots[k + 1])) continue;
        // Its control points hold it: within the box it adds nothing.
        const Point3* control = s.control.data() + (k - s.degree);
        if (!passes(control, s.degree + 1, box)) continue;
        span.load(s, s.control, k);
        extremes.add(span.bezier(), control, s.degree + 1, box);
    }
}

} // namespace host::db
