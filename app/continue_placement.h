// Continuous placement: straight runs laid by pointing their end.
#pragma once

#include "acge.h"
#include "ads_types.h"

// The length of the run from the connector at p0 with direction c (in the
// drawing) to the pointed position p1: the distance along the connector's
// axis, on either side of the connector, divided by the insert scale of the
// pieces that fill it (their own length), whole.
double RunLength(const ads_point p0, const ads_point p1, double c,
                 const AcGeScale3d& scale = AcGeScale3d());
