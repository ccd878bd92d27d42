#include "db/spline_spans.h"
#include "db/plan_distance.h"

#include <algorithm>
#include <cmath>

namespace host::db {

namespace {

// Halving stops where the hull lies this near the chord (absolute, and
// relative to the piece's size), or once this many pieces have been cut:
// past that a distance takes the least that is left, a window what is
// confirmed.
constexpr double kAbsoluteTolerance = 1e-9;
constexpr double kRelativeTolerance = 1e-13;
// A distance is wanted no finer than this share of itself.
constexpr double kDistanceShare = 1e-7;
constexpr int kMostPieces = 4096;


} // namespace

// A piece's ends (on the curve), the box of its hull in plan and how far
// its hull strays from its chord.
struct SpanPieces::Piece {
    double x0, y0, x1, y1;
    Extents box;
    double stray = 0, tolerance = 0;
};

void SpanPieces::load(const ShapeSpline& s, const std::vector<Point3>& control, size_t k) {
    // Bezier point j is the blossom at (a p-j times, b j times).  de Boor's
    // steps at a end each level r with the blossom at (a r times, the
    // knots after a); those are the control points over the knots (a p
    // times, the knots after a), whose steps at b begin each level r with
    // Bezier point r: two triangles of steps, not one for each point.
    const size_t p = s.degree;
    const double a = s.knots[k], b = s.knots[k + 1];
    order_ = p + 1;
    span_.resize(order_);
    auto step = [](const Weighted& l, const Weighted& r, double t) {
        return Weighted{(1 - t) * l.x + t * r.x, (1 - t) * l.y + t * r.y, (1 - t) * l.z + t * r.z,
                        (1 - t) * l.w + t * r.w};
    };
    std::vector<Weighted> d(order_);
    for (size_t i = 0; i <= p; ++i) {
        const Point3& c = control[i + k - p];
        double w = s.weights.empty() ? 1.0 : s.weights[i + k - p];
        d[i] = {c.x * w, c.y * w, c.z * w, w};
    }
    span_[p] = d[p];
    for (size_t r = 1; r <= p; ++r) {
        for (size_t i = p; i >= r; --i) {
            size_t at = i + k - p;
            double width = s.knots[at + p - r + 1] - s.knots[at];
            d[i] = step(d[i - 1], d[i], width > 0 ? (a - s.knots[at]) / width : 0);
        }
        span_[p - r] = d[p];
    }
    // In place: level r leaves point r as it is from then on.
    for (size_t r = 1; r <= p; ++r)
        for (size_t j = p; j >= r; --j) {
            double width = s.knots[k + j - r + 1] - a;
            span_[j] = step(span_[j - 1], span_[j], width > 0 ? (b - a) / width : 0);
        }
}

SpanPieces::Piece SpanPieces::look(size_t at) const {
    const Weighted* q = stack_.data() + at;
    Piece piece;
    piece.x0 = q[0].x / q[0].w;
    piece.y0 = q[0].y / q[0].w;
    piece.x1 = q[order_ - 1].x / q[order_ - 1].w;
    piece.y1 = q[order_ - 1].y / q[order_ - 1].w;
    for (size_t i = 0; i < order_; ++i) {
        double x = q[i].x / q[i].w, y = q[i].y / q[i].w;
        piece.box.add(Point3{x, y, 0});
        piece.stray = std::max(piece.stray, segmentDistance(piece.x0, piece.y0, piece.x1, piece.y1, x, y));
    }
    double size = std::hypot(piece.box.max.x - piece.box.min.x, piece.box.max.y - piece.box.min.y);
    piece.tolerance = std::max(kAbsoluteTolerance, kRelativeTolerance * size);
    return piece;
}

// The piece at the stack's top replaced by its halves (de Casteljau at
// the middle), the second on top.
void SpanPieces::split(size_t at) {
    const size_t n = order_ - 1;
    level_.assign(stack_.begin() + at, stack_.begin() + at + order_);
    stack_.resize(at + 2 * order_);
    Weighted* left = stack_.data() + at;
    Weighted* right = left + order_;
    left[0] = level_[0];
    right[n] = level_[n];
    for (size_t r = 1; r <= n; ++r) {
        for (size_t i = 0; i + r <= n; ++i)
            level_[i] = {(level_[i].x + level_[i + 1].x) / 2, (level_[i].y + level_[i + 1].y) / 2,
                         (level_[i].z + level_[i + 1].z) / 2, (level_[i].w + level_[i + 1].w) / 2};
        left[r] = level_[0];
        right[n - r] = level_[n - r];
    }
}

double SpanPieces::distance(double x, double y, double best) {
    stack_ = span_;
    double left = INFINITY;
    for (int cut = 0; !stack_.empty();) {
        size_t at = stack_.size() - order_;
        Piece piece = look(at);
        best = std::min({best, std::hypot(piece.x0 - x, piece.y0 - y), std::hypot(piece.x1 - x, piece.y1 - y)});
        double chord = segmentDistance(piece.x0, piece.y0, piece.x1, piece.y1, x, y);
        if (chord - piece.stray >= best - std::max(piece.tolerance, kDistanceShare * best)) {
            stack_.resize(at);
        } else if (piece.stray <= std::max(piece.tolerance, kDistanceShare * chord)) {
            best = std::min(best, chord);
            stack_.resize(at);
        } else if (++cut > kMostPieces) {
            left = std::min(left, std::max(0.0, chord - piece.stray));
            stack_.resize(at);
        } else {
            split(at);
            // The nearer half looked at first.
            Piece first = look(at), second = look(at + order_);
            double toFirst = segmentDistance(first.x0, first.y0, first.x1, first.y1, x, y) - first.stray;
            double toSecond = segmentDistance(second.x0, second.y0, second.x1, second.y1, x, y) - second.stray;
            if (toFirst < toSecond) std::swap_ranges(stack_.begin() + at, stack_.begin() + at + order_, stack_.begin() + at + order_);
        }
    }
    return std::min(best, left);
}

bool SpanPieces::meets(const PlanWindow& w) {
    stack_ = span_;
    for (int cut = 0; !stack_.empty();) {
        size_t at = stack_.size() - order_;
        Piece piece = look(at);
        const Extents& box = piece.box;
        if (box.max.x < w.x1 || box.min.x > w.x2 || box.max.y < w.y1 || box.min.y > w.y2) {
            stack_.resize(at);
            continue;
        }
        Point3 a{piece.x0, piece.y0, 0}, b{piece.x1, piece.y1, 0};
        if (w.holds(a) || w.holds(b) || (w.holds(box.min) && w.holds(box.max))) return true;
        if (piece.stray <= piece.tolerance) {
            if (segmentMeetsWindow(a, b, w)) return true;
            stack_.resize(at);
        } else if (++cut > kMostPieces) {
            stack_.resize(at);
        } else {
            split(at);
        }
    }
    return false;
}

bool SpanPieces::inside(const PlanWindow& w) {
    stack_ = span_;
    for (int cut = 0; !stack_.empty();) {
        size_t at = stack_.size() - order_;
        Piece piece = look(at);
        if (w.holds(piece.box.min) && w.holds(piece.box.max)) {
            stack_.resize(at);
            continue;
        }
        if (!w.holds(Point3{piece.x0, piece.y0, 0}) || !w.holds(Point3{piece.x1, piece.y1, 0})) return false;
        if (piece.stray <= piece.tolerance) stack_.resize(at);
        else if (++cut > kMostPieces) return false;
        else split(at);
    }
    return true;
}

} // namespace host::db
