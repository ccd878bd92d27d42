// When a round fitting of fixed size fits between two connectors: only
// between its two run ends, in a view that shows the run's length, in a
// straight line, and (for most) exactly its body length apart.  Measured
// distances come from points turned and moved in the drawing, so "exactly"
// allows a rounding error far below a drawing unit.
#pragma once

#include <cstdint>

// Largest difference still taken as the same measured length.
constexpr double kFitTolerance = 1e-6;

// Connectors a and b are the run ends runA and runB (either order) and the
// view shows the run's length.
bool IsRunEnds(int16_t orientation, int16_t a, int16_t b, int16_t runA, int16_t runB);

// The same, and nothing lies across.
bool IsRunGap(int16_t orientation, int16_t a, int16_t b, int16_t runA, int16_t runB, double across);

// The measured length equals the body length.
bool SameLength(double measured, double length);
