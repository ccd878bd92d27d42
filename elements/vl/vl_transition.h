// What the rectangular transitions (straight and offset) share: the rule by
// which an end size that is not given follows the other end, the checks
// every in-line stretch makes, and their length and offset dimensions.
#pragma once

#include <cstdint>

#include "ads_types.h"
#include "core/lobject.h"

// v when it is a size; else the partner end's size when that is one; else
// the old value.
double SizeOrPartner(double v, double partner, double old);

// Connectors 0 and 1 (either order) of an element whose view shows its
// length: the first checks of every transition's FitLength.
bool IsInlinePair(int16_t orientation, int16_t a, int16_t b);

// The aligned dimension of the length at the insertion point along the
// element's rotation, with the four offsets (left of the axis at -l/2 and
// +l/2, then right of it).  The end views show no length: none is made.
void DimensionLength(LObject& e, double l, double o1, double o2, double o3, double o4);

// A dimension of `value` between the element-frame points p and q, turned
// across the axis; scaled, turned and moved with the insert.
void DimensionOffset(LObject& e, const ads_point p, const ads_point q, double value);
