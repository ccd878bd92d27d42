// A box sure to hold everything an entity draws, read from its stored
// numbers without drawing it.  A pick, window or crossing over a large
// drawing turns most entities down, or takes them, by such a box, and draws
// only those it leaves undecided: sampling a circle is many times the work
// of reading its centre and radius.
//
// Only the common kinds whose bound is cheap and sure answer (lines,
// circles, arcs, polylines without width in the world plane); any other
// kind, or one with a number that is not finite or in another plane,
// answers false and is drawn instead.  The box may be larger than what is
// drawn, never smaller, so it decides only what it can decide for sure.
#pragma once

#include <vector>

#include "db/geometry.h"

namespace host::db {

// The sure box of the main entity at `index` of a space's or block's list
// (a POLYLINE with the VERTEXes after it); false when none is known
// without drawing it.
bool quickBounds(const Database& db, const std::vector<Slot>& entities, size_t index, Extents& out);

} // namespace host::db
