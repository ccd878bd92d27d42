// A 2D polyline with widths is drawn as the band it covers, filled: each
// segment the band between its two sides, its width running from the
// start width to the end width (a quadrilateral, or for a bulge the band
// between the two arcs beside it), and where two straight segments meet,
// the mitre that joins their outer sides.  Each piece is an area of its
// own, so that pieces overlapping at a joint never cancel into a hole.  A
// segment of no width stays a line.  Internal to the database library.
#pragma once

#include <vector>

#include "db/entity_shapes.h"

namespace host::db::parts {

// A width as drawn: its size, 0 for one that is not finite.
double bandWidth(double width);

// The polyline through scratch.path (object coordinates, each bulge in
// scratch.bulges an arc to the next vertex) with the widths each segment
// starts and ends with (scratch.startWidths, endWidths), as its bands,
// each point carried by m; closed: a segment from the last vertex back to
// the first.
void addBands(Shapes& out, const Matrix& m, const ShapeScratch& scratch, bool closed);

} // namespace host::db::parts
