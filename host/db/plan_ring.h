// A ring round what a block draws, seen in plan: every part lies between
// an inner and an outer distance from a centre.  Boxes alone fail two ways
// that files of a few KB can exploit: a box turned with its insert grows
// at every look (a circle's box turned 45 degrees is 1.4 times as wide),
// and a pick or window inside a large outline (the middle of a circle, of
// a square) is inside every box although it is far from every line.  A
// ring keeps its size when turned, and its inner distance turns such a
// pick or window down at once, however many blocks nest beneath.
//
// Rings are kept for blocks placed in their parent's plan (a matrix whose
// plan position does not depend on z); any other claims no hole and is
// bounded by its box alone.
#pragma once

#include <cmath>

#include "db/copy_lattice.h"
#include "db/geometry.h"
#include "db/shape_runs.h"

namespace host::db {

struct PlanRing {
    double x = 0, y = 0;
    double inner = 0;          // nothing drawn nearer than this to (x, y)
    double outer = INFINITY;   // nor farther than this
    bool known() const { return std::isfinite(outer); }
};

// Whether a matrix places its frame's plan in the world's plan: x and y
// of the image do not depend on z.
bool placesInPlan(const Matrix& m);
// The least and the greatest stretch of m's plan part (its singular values).
void planStretch(const Matrix& m, double& least, double& most);

// The ring of a block's own runs about (x, y).
PlanRing ringOfRuns(const Shapes& own, double x, double y, RunTests& tests);
// `ring` widened to hold a child block placed in the parent's plan: the
// child's ring carried by `place` (its matrix and copies).
void addPlacedRing(PlanRing& ring, const PlanRing& child, const InsertPlacement& place);

// The ring of a block in the world, `m` its first copy's world matrix;
// false when m does not place it in plan.
bool worldRing(const PlanRing& local, const Matrix& m, PlanRing& out);

// What the rings of a block's copies say of a pick, a crossing or a window
// (`world` the first copy's ring in the world, `copies` its copies):
// some part may lie within `radius` of (px, py);
bool ringMayBeNear(const PlanRing& world, const CopyLattice& copies, double px, double py, double radius);
// some part may meet the window;
bool ringMayMeet(const PlanRing& world, const CopyLattice& copies, const PlanWindow& w);
// every part lies in the window.
bool ringHeld(const PlanRing& world, const CopyLattice& copies, const PlanWindow& w);

} // namespace host::db
