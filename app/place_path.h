// Path input of the flexible duct: segments from pointed positions and the
// closing of a path at a connector.
#pragma once

#include <cstdint>

#include "ads_types.h"

class LObject;
class PathSnapshot;

// A vector of the drawing turned into a frame of the given rotation and
// measured in the element's own units (divided by its insert scale), and
// back: the path is kept at full size and drawn at the scale.
void IntoElementFrame(const LObject* element, double frameRotation, ads_point v);
void OutOfElementFrame(const LObject* element, double frameRotation, ads_point v);

// Adds the segment from p0 to p1, turned into a frame of the given
// rotation (the element's, or its connector's direction) and taken into the
// element's units; 0 when accepted.
int16_t AddSegmentTowards(LObject* path, double frameRotation, const ads_point p0,
                          const ads_point p1);

// After a change of the path: true when the element can still store it;
// otherwise the path is put back as `before` kept it, and that is said.
bool PathStillFits(LObject* path, const PathSnapshot& before);

// The corner where the line from q in direction a1 meets the line through
// p1 in direction a2, as an offset from q.  -1 when the lines are parallel
// or the corner would not be a finite point.
int16_t CornerOffset(const ads_point q, double a1, const ads_point p1, double a2,
                     ads_point offset);

// Case 3d: the path of a new path element fitted at the neighbour's
// connector n.  0 when at least its first segment was inserted, -1 when
// the user cancelled at the first point.
int16_t EnterPathAtNeighbour(LObject* path);
