// The copies of a placed block, one type wherever they are asked about:
// the walk down nested blocks, the rings round them and the answers asked
// of an array's lattice.  Copy (c, r) is the first copy moved by
// c * column + r * row, c in [c0, c1], r in [r0, r1]; tests in plan use
// only x and y.
#pragma once

#include "db/geometry.h"

namespace host::db {

struct CopyLattice {
    Point3 column, row;
    int c0 = 0, c1 = 0, r0 = 0, r1 = 0;

    // Every copy of a placement's array.
    static CopyLattice of(const InsertPlacement& place);
    long count() const { return (c1 - c0 + 1L) * (r1 - r0 + 1L); }
    // The same copies with one step carried by a matrix's linear part.
    CopyLattice carried(const Matrix& m) const;
    // Copies on one spot in plan are one copy: a step of no length in plan
    // keeps one line of copies.
    CopyLattice planCopies() const;
    // The corners of the parallelogram of the copies' points in plan,
    // (x, y) being the first copy's, in order round it.
    void corners(double x, double y, double xs[4], double ys[4]) const;
    // Narrows the copies to those whose offset may lie in the plan region
    // whose outline points are given (never losing one that does); false
    // when none can.
    bool narrowTo(const double* xs, const double* ys, int n);
};

} // namespace host::db
