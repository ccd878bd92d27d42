#include "db/spline_spans.h"
#include "db/plan_distance.h"

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>

namespace host::db {

namespace {

// The binary exponent of a positive finite number (frexp's: v lies in
// [2^(e-1), 2^e)).
int exponentOf(double v) {
    int e = 0;
    std::frexp(v, &e);
    return e;
}

// The exponent the largest weighted coordinate may reach: the halves and
// blends of two such numbers stay finite.
constexpr int kMostWeightedExponent = DBL_MAX_EXP - 2;

// How far apart, in binary exponents per degree, a span's end weights may
// lie before it is reparametrised (SpanPieces::balanceEnds).  A span
// skewed by 2^s runs the part of its curve that the lighter end pulls at
// within about 2^-s of that end of its parameter: its turning points,
// placed within 2^-46 of the span there, miss their extremes by about
// 2^(2s - 92) of it, below the last digit while s is at most 20.
constexpr int kMostEndSkew = 20;

} // namespace

double weightUnit(const std::vector<double>& weights, const std::vector<Point3>& control, size_t first, size_t count) {
    if (weights.empty()) return 1;
    double most = 0, least = INFINITY;
    for (size_t i = first; i < first + count; ++i) {
        most = std::max(most, weights[i]);
        least = std::min(least, weights[i]);
    }
    const int top = exponentOf(most);
    // The largest weight brought to at most 1 keeps the smallest a normal
    // number unless they lie more than the doubles' range of exponents
    // apart; then all are raised as far as the weighted coordinates allow,
    // so that the smallest keeps what digits it can, rather than become 0.
    if (exponentOf(least) - top >= DBL_MIN_EXP) return std::ldexp(1.0, -top);
    int widest = INT_MIN;
    for (size_t i = first; i < first + count; ++i) {
        const Point3& c = control[i];
        double size = std::max({1.0, std::fabs(c.x), std::fabs(c.y), std::fabs(c.z)});
        widest = std::max(widest, exponentOf(weights[i]) + exponentOf(size));
    }
    // (A unit beyond the doubles would not be one: the smallest weight is
    // then below the normal numbers itself.)
    return std::ldexp(1.0, std::min(kMostWeightedExponent - widest, DBL_MAX_EXP - 1));
}

// A piece's ends (on the curve), the box of its hull in plan and how far
// its hull strays from its chord.
struct SpanPieces::Piece {
    double x0, y0, x1, y1;
    Extents box;
    double stray = 0, size = 0, tolerance = 0;
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
    const double unit = weightUnit(s.weights, control, k - p, order_);
    for (size_t i = 0; i <= p; ++i) {
        const Point3& c = control[i + k - p];
        double w = s.weights.empty() ? 1.0 : s.weights[i + k - p] * unit;
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
    if (!s.weights.empty()) balanceEnds();
}

void SpanPieces::balanceEnds() {
    const size_t p = order_ - 1;
    const double first = span_[0].w, last = span_[p].w;
    // An end weight lost below the doubles leaves nothing to balance: that
    // end's point is no number, and the pieces holding it tell nothing.
    if (!(first > 0 && last > 0)) return;
    const int skew = (exponentOf(first) - exponentOf(last)) / static_cast<int>(p);
    if (std::abs(skew) <= kMostEndSkew) return;
    // Weight j times 2^(skew j) brings the ends within 2^p of each other;
    // all are then scaled alike, so that the largest number stays below
    // 2^kMostWeightedExponent and the smallest keeps what digits it can.
    int top = INT_MIN;
    for (size_t j = 0; j <= p; ++j) {
        const Weighted& q = span_[j];
        double most = std::max({std::fabs(q.x), std::fabs(q.y), std::fabs(q.z), q.w});
        if (most > 0) top = std::max(top, exponentOf(most) + skew * static_cast<int>(j));
    }
    for (size_t j = 0; j <= p; ++j) {
        const int shift = skew * static_cast<int>(j) + kMostWeightedExponent - top;
        Weighted& q = span_[j];
        q = {std::ldexp(q.x, shift), std::ldexp(q.y, shift), std::ldexp(q.z, shift), std::ldexp(q.w, shift)};
    }
}

SpanPieces::Piece SpanPieces::look(const Weighted* q) const {
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
    piece.size = std::hypot(piece.box.max.x - piece.box.min.x, piece.box.max.y - piece.box.min.y);
    piece.tolerance = std::max(kCurveAbsoluteTolerance, kCurveRelativeTolerance * piece.size);
    return piece;
}

bool SpanPieces::finitePiece(const Piece& p) {
    return std::isfinite(p.x0) && std::isfinite(p.y0) && std::isfinite(p.x1) && std::isfinite(p.y1) &&
           std::isfinite(p.stray) && std::isfinite(p.size);
}

void SpanPieces::split(std::vector<Weighted>& room, size_t at, size_t second) {
    const size_t n = order_ - 1;
    level_.assign(room.begin() + at, room.begin() + at + order_);
    room.resize(std::max(room.size(), second + order_));
    Weighted* left = room.data() + at;
    Weighted* right = room.data() + second;
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

CurvePiece SpanPieces::searched(size_t id) {
    Piece p = look(kept_.data() + id * order_);
    // A piece a few units in the last place of its coordinates wide: its
    // halves would be no nearer the curve.
    const Extents& b = p.box;
    double magnitude = std::max({std::fabs(b.min.x), std::fabs(b.max.x), std::fabs(b.min.y), std::fabs(b.max.y)});
    if (halvable_.size() <= id) halvable_.resize(id + 1);
    halvable_[id] = p.size > 8 * DBL_EPSILON * magnitude;
    return {p.x0, p.y0, p.x1, p.y1, p.stray, static_cast<uint32_t>(id)};
}

bool SpanPieces::halve(const CurvePiece& piece, CurvePiece& first, CurvePiece& second) {
    const size_t at = piece.id * order_;
    if (!halvable_.at(piece.id)) return false;
    // The first half takes the piece's own room: the search is done with it.
    size_t to = kept_.size();
    if (!free_.empty()) {
        to = free_.back() * order_;
        free_.pop_back();
    }
    split(kept_, at, to);
    first = searched(piece.id);
    second = searched(to / order_);
    return true;
}

CurvePiece SpanPieces::whole() {
    kept_ = span_;
    free_.clear();
    return searched(0);
}

Extents SpanPieces::hull() const { return look(span_.data()).box; }

Found SpanPieces::near(double x, double y, double radius, WorkBudget& budget) {
    const CurvePiece all = whole();
    return search_.near(*this, &all, 1, x, y, radius, budget);
}

double SpanPieces::distance(double x, double y, double cut) {
    const CurvePiece all = whole();
    return search_.nearest(*this, &all, 1, x, y, look(span_.data()).size, cut);
}

// Pieces of the span looked at until one decides: `verdict` says of each
// whether it is done with (Drop), decides the question (Decide) or must
// be looked at closer (Halve, or Drop once it lies within a hair of its
// chord, `straight`).  Stopped halving leaves the question undecided
// unless another piece decides it; all dropped, the answer is `otherwise`.
template <class Verdict>
Found SpanPieces::walk(WorkBudget& budget, Found decided, Found otherwise, Verdict verdict) {
    stack_ = span_;
    Doubt doubt = Doubt::None;
    for (int cut = 0; !stack_.empty();) {
        size_t at = stack_.size() - order_;
        Piece piece = look(stack_.data() + at);
        if (!finitePiece(piece)) {
            doubt = Doubt::Overflow;
            stack_.resize(at);
            continue;
        }
        switch (verdict(piece)) {
        case Look::Drop: stack_.resize(at); continue;
        case Look::Decide: return decided;
        case Look::Halve: break;
        }
        if (piece.stray <= piece.tolerance) {
            stack_.resize(at);
        } else if (cut >= kMostHalvings || !budget.spend(1)) {
            if (doubt == Doubt::None) doubt = budget.out() ? Doubt::Work : Doubt::Close;
            stack_.resize(at);
        } else {
            ++cut;
            split(stack_, at, at + order_);
        }
    }
    return doubt == Doubt::None ? otherwise : budget.undecided(doubt);
}

Found SpanPieces::meets(const PlanWindow& w, WorkBudget& budget) {
    return walk(budget, Found::Yes, Found::No, [&](const Piece& piece) {
        if (w.disjoint(piece.box)) return Look::Drop;
        Point3 a{piece.x0, piece.y0, 0}, b{piece.x1, piece.y1, 0};
        if (w.holds(a) || w.holds(b) || w.holds(piece.box)) return Look::Decide;
        // Within a hair of its chord, a piece is its chord.
        if (piece.stray <= piece.tolerance) return segmentMeetsWindow(a, b, w) ? Look::Decide : Look::Drop;
        return Look::Halve;
    });
}

Found SpanPieces::inside(const PlanWindow& w, WorkBudget& budget) {
    return walk(budget, Found::No, Found::Yes, [&](const Piece& piece) {
        if (w.holds(piece.box)) return Look::Drop;
        if (!w.holds(Point3{piece.x0, piece.y0, 0}) || !w.holds(Point3{piece.x1, piece.y1, 0})) return Look::Decide;
        return Look::Halve;
    });
}

} // namespace host::db
