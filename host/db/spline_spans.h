// A knot span of a kept spline (shape_runs.h) asked as the curve it is, at
// any scale it is seen at: its Bezier form (the blossom of the span), cut
// in halves only where the question lies.  Each piece lies in the hull of
// its control points (weights positive), so one whose hull lies farther
// than the best found, or apart from the window, is turned down whole,
// and halving stops where the hull is within a hair of the chord.
// Internal to the database library.
#pragma once

#include <vector>

#include "db/curve_search.h"
#include "db/shape_runs.h"

namespace host::db {

// Calls f(k) for the spline's spans of some length: k in [degree, control
// points) with knots[k] < knots[k + 1]; stops at the first that says so.
template <class F>
bool eachSpan(const ShapeSpline& s, F f) {
    for (size_t k = s.degree; k < s.control.size(); ++k)
        if (s.knots[k] < s.knots[k + 1] && f(k)) return true;
    return false;
}

// A power of two for the `count` weights from `first` of control points
// `control` (1 without weights): the curve of the weights times it is the
// same, worked out alike to the last digit, but its weighted coordinates
// stay finite however large a weight is.  It brings the largest weight to
// at most 1, unless that would leave the smallest no normal number.
double weightUnit(const std::vector<double>& weights, const std::vector<Point3>& control, size_t first,
                  size_t count);

class SpanPieces final : public CurveKind {
public:
    // Span k of the spline (degree <= k < control points, of some length),
    // whose control points are `control` (the spline's own carried where
    // it is asked).
    void load(const ShapeSpline& s, const std::vector<Point3>& control, size_t k);
    // Whether some point of the span lies within radius of (x, y).
    Found near(double x, double y, double radius, WorkBudget& budget);
    // The least of `cut` and the plan distance from (x, y) to the span, or
    // a little less (for rings).
    double distance(double x, double y, double cut);
    // Some part of the span meets the window (Yes); every part lies in it
    // (Yes); OutOfWork when the work ran out first.
    Found meets(const PlanWindow& w, WorkBudget& budget);
    Found inside(const PlanWindow& w, WorkBudget& budget);
    // The loaded span as one piece, its halves made from it afresh; the
    // box of its Bezier points in plan, which holds it.
    CurvePiece whole();
    Extents hull() const;
    bool halve(const CurvePiece& piece, CurvePiece& first, CurvePiece& second) override;
    void release(const CurvePiece& piece) override { free_.push_back(piece.id); }

    struct Weighted {
        double x = 0, y = 0, z = 0, w = 1;
    };
    // The loaded span's Bezier points, each coordinate times its weight.
    const std::vector<Weighted>& bezier() const { return span_; }

private:
    struct Piece;
    // A span whose end weights lie far apart (kMostEndSkew) runs most of
    // its curve closer to one end of its parameter than doubles there can
    // tell: weights 1e200, 1e197 and 1e-200 turn from the first leg to the
    // second within 1e-397 of the end.  Each Bezier weight j is taken times
    // c^j, for a power of two c that brings the ends together: the same
    // curve, reparametrised, every point of it where halving reaches it.
    void balanceEnds();
    Piece look(const Weighted* q) const;
    // Whether a piece's numbers are finite: one that overflows tells nothing.
    static bool finitePiece(const Piece& p);
    // What a window's question makes of one piece (SpanPieces::walk).
    enum class Look { Drop, Decide, Halve };
    template <class Verdict>
    Found walk(WorkBudget& budget, Found decided, Found otherwise, Verdict verdict);
    // The piece at `at` of `room` cut in halves (de Casteljau at the
    // middle): the first put in its place, the second at `second`.
    void split(std::vector<Weighted>& room, size_t at, size_t second);
    // Piece `id` of the search's pieces.
    CurvePiece searched(size_t id);
    // Pieces of `order_` points each: stack_ for windows, kept_ for the
    // search, and whether each of those is wide enough to be halved.
    std::vector<Weighted> span_, stack_, level_, kept_;
    std::vector<bool> halvable_;
    std::vector<uint32_t> free_;  // pieces of kept_ released
    size_t order_ = 0;
    CurveSearch search_;
};

} // namespace host::db
