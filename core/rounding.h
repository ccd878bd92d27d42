// Rounding to whole numbers, halves away from zero (2.5 -> 3, -2.5 -> -3).
#pragma once

#include <cstdint>

double RoundToDouble(double x);
// Values outside the 16-bit range are clamped to it; NaN gives 0.
int16_t RoundToShort(double x);
