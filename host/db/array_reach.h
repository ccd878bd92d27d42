// How far an array's copies reach: picks and crossings of them without
// stepping through them one by one:
// a MINSERT of 32767 x 32767 copies is four bytes of a file.  Each segment
// of a block's runs meets the pick or window only for the offsets of a
// convex region (a capsule round the segment for a pick, the window swept
// back along the segment for a crossing); whether a copy's offset lies in
// it is found line by line along the array's shorter side, each line cut
// in constant time.  A ray or a construction line is a long segment that
// reaches past every copy, so a family of parallel lines costs one cut per
// line of the array, and a filled area is cut by the lines directly, its
// curved edges too.  An arc is answered as the curve it is, as a copy
// placed alone answers it: a circle by the line's cut through the ring
// within reach of it, any other arc by branch and bound over its sub-arcs
// (each chord's region grown by how far the sub-arc strays from it), the
// copies found tested one by one, each a step.  A spline is answered the
// same way, each knot span by its Bezier pieces (the chords it is drawn
// with stray from it by more the larger it is placed).
#pragma once

#include "db/copy_lattice.h"
#include "db/plan_arcs.h"
#include "db/shape_runs.h"
#include "db/spline_spans.h"
#include "db/work_budget.h"

namespace host::db {

class ArrayReach {
public:
    // Some part of some copy of the runs (carried by m for the copy at
    // offset 0) within radius of (x, y).
    Found near(const Shapes& s, const Matrix& m, const CopyLattice& l, double x, double y, double radius,
               WorkBudget& budget);
    // Some part of some copy meets the window.
    Found meets(const Shapes& s, const Matrix& m, const CopyLattice& l, const PlanWindow& w, WorkBudget& budget);

private:
    // The runs carried by m, their arcs with them.
    const Shapes& placed(const Shapes& s, const Matrix& m);
    Shapes carried_;
    std::vector<double> cuts_;
    // The pieces of the curve a line of copies is asked of; a spline's span
    // is loaded twice, once for a line's pieces and once for a copy's own
    // search.
    ArcPieces::Room arcRoom_;
    SpanPieces span_, copy_;
};

} // namespace host::db
