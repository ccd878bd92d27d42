// How far an array's copies reach: picks and crossings of them without
// stepping through them one by one:
// a MINSERT of 32767 x 32767 copies is four bytes of a file.  Each segment
// of a block's runs meets the pick or window only for the offsets of a
// convex region (a capsule round the segment for a pick, the window swept
// back along the segment for a crossing); whether a copy's offset lies in
// it is found line by line along the array's shorter side, each line cut
// in constant time.  A ray or a construction line is a long segment that
// reaches past every copy, so a family of parallel lines costs one cut per
// line of the array, and a filled area is cut by the lines directly.  The
// runs are drawn one piece at a time, a step spent for each point drawn,
// so no step costs more than its share however many curves a block holds.
#pragma once

#include "db/copy_lattice.h"
#include "db/shape_runs.h"
#include "db/work_budget.h"

namespace host::db {

enum class Found { No, Yes, OutOfWork };

class ArrayReach {
public:
    // Some part of some copy of the runs (carried by m for the copy at
    // offset 0) within radius of (x, y).
    Found near(const Shapes& s, const Matrix& m, const CopyLattice& l, double x, double y, double radius,
               WorkBudget& budget);
    // Some part of some copy meets the window.
    Found meets(const Shapes& s, const Matrix& m, const CopyLattice& l, const PlanWindow& w, WorkBudget& budget);

private:
    // One piece of the runs at a time, and it carried by m, its arcs cut
    // into chords for the question alone.
    Shapes slice_, flat_;
    std::vector<double> cuts_;
};

} // namespace host::db
