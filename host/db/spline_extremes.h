// The box of a kept spline's curve (shape_runs.h), for extents, the boxes
// picks and windows turn entities and blocks down by, and the saved
// extents: its chords run up to the chord tolerance inside the curve, and
// the box of its control points far outside it.  Each knot span in its
// Bezier form (spline_spans.h) adds its ends and the points where x, y or
// z turns back, found as the roots of that coordinate's derivative; every
// point added lies on the curve, so the box holds the curve and no more.
// Internal to the database library.
#pragma once

#include "db/shape_runs.h"

namespace host::db {

// `box` grown to hold the spline's curve, by points of it alone.  A span
// whose control points lie within the box adds nothing and costs nearly
// nothing: a box that already holds points of the curve (its chords)
// leaves the work to the few spans near its extremes.  The cost of a span
// is bounded, whatever the spline's size or scale.
void addSplineExtremes(const ShapeSpline& s, Extents& box);

} // namespace host::db
