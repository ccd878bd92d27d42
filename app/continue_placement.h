// Continuous placement: straight runs laid by pointing their end.
#pragma once

#include "ads_types.h"

// The length of the run from the connector at p0 with direction c (in the
// drawing) to the pointed position p1: the distance along the connector's
// axis, whole, on either side of the connector.
double RunLength(const ads_point p0, const ads_point p1, double c);
