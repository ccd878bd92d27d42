// The one piece rule: the standard piece length a type is laid in, taken
// from the open drawing with its fallbacks.  Continuous placement, the refit
// of a joint, the straight runs and the reading of old element data all ask
// it.
#pragma once

#include <cstdint>

#include "core/type_descriptor.h"

// The drawing's standard piece length of a connector shape (kShapeRect or
// kShapeRound).  No open drawing, or a stored length that is not a size
// (0 or less, not finite), gives the default piece length of the shape; a
// shape without pieces gives 0.
double StandardPieceLength(int16_t shape);
// The standard piece length of the type's piece shape; 0 when the type uses
// none.
double PieceLengthOfType(const LTypeDescriptor* row);

// No real network lays this many pieces in one straight run (30 km of
// standard pieces); a mistyped end point far away would otherwise fill the
// memory and the drawing.  Continuous placement and the laying of a gap
// refuse a longer run before laying anything.
constexpr int kMostPiecesInRun = 20000;
