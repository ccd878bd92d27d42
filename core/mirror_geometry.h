// Reflection of an element's placement about a mirror line in the plan:
// where its insertion point goes and how its rotation turns.  Heights stay.
#pragma once

#include "ads_types.h"

// The foot of p on the line through p1 and p2 (a line whose two x
// coordinates are equal is taken as vertical at x1); z is p's.
void MirrorFoot(const ads_point p1, const ads_point p2, const ads_point p, ads_point foot);
// The displacement that takes p to its mirror image: twice p to its foot.
void MirrorDisplacement(const ads_point p1, const ads_point p2, const ads_point p, ads_point out);
// The rotation of a mirrored element: 2 a - r for the line's angle a and
// the element's rotation r (taken after its flip), within [0, 2 pi).
double MirroredRotation(double lineAngle, double rotation);
