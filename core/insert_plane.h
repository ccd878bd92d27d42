// Whether an element insert lies in the drawing's plane.  The module
// places, turns and labels elements in the plan only (rotations about z);
// an insert whose extrusion direction is another one (programs that mirror
// in 3D write 0,0,-1) holds its point in coordinates of its own plane, so
// the commands leave such an element as it is instead of placing by it.
#pragma once

#include "ads_types.h"

// The insert group that holds the extrusion direction.
constexpr int kExtrusionCode = 210;

// True for a direction along +z (a tiny tilt that a writer's rounding
// leaves counts as +z); false for any other, or one that is not finite.
bool IsDrawingPlaneNormal(const ads_point normal);

// The plane of an insert read from the drawing: true without an extrusion
// group, and for an entity that cannot be read (nothing is placed by it).
bool InsertInDrawingPlane(const ads_name insert);
