// A knot span of a kept spline (shape_runs.h) asked as the curve it is, at
// any scale it is seen at: its Bezier form (the blossom of the span), cut
// in halves only where the question lies.  Each piece lies in the hull of
// its control points (weights positive), so one whose hull lies farther
// than the best found, or apart from the window, is turned down whole,
// and halving stops where the hull is within a hair of the chord.
// Internal to the database library.
#pragma once

#include <vector>

#include "db/shape_runs.h"

namespace host::db {

class SpanPieces {
public:
    // Span k of the spline (degree <= k < control points, of some length),
    // whose control points are `control` (the spline's own carried where
    // it is asked).
    void load(const ShapeSpline& s, const std::vector<Point3>& control, size_t k);
    // The least of `best` and the plan distance from (x, y) to the span.
    double distance(double x, double y, double best);
    // Some part of the span meets the window; every part lies in it.
    bool meets(const PlanWindow& w);
    bool inside(const PlanWindow& w);

    struct Weighted {
        double x = 0, y = 0, z = 0, w = 1;
    };
    // The loaded span's Bezier points, each coordinate times its weight.
    const std::vector<Weighted>& bezier() const { return span_; }

private:
    struct Piece;
    Piece look(size_t at) const;
    void split(size_t at);
    std::vector<Weighted> span_, stack_, level_;  // stack_: pieces of `order_` points each
    size_t order_ = 0;
};

} // namespace host::db
