// Value rules the rectangular branch fittings (VL-12-B/J, VL-13) share:
// which input a width not given takes, what counts as a given size, the narrowing that must stay real, and the
// radius rule of their branch elbow, which the elbows and tees and the
// elbows of VLE-01..VLE-05 follow too.
#pragma once

#include <initializer_list>

// The first of the inputs that is a size (finite, above 0), else the kept
// value: a width left 0 takes another connector's from the same input.
double FirstSize(double kept, std::initializer_list<double> inputs);

// A size given on input: finite and above 0; anything else counts as 0
// (not given), so that it keeps the stored value or takes a fallback.
double GivenSize(double v);

// The narrowing a -> c must be real: when a <= c, a free wide end
// (connector 1) doubles to 2c, a joined one keeps a and halves c.
void KeepNarrowing(double* a, double* c, bool wideEndFree);

// Radius rule of the elbow: below 50 (negative, or not a number, too)
// becomes 0; below 100 becomes 100; from 100 on it is capped at the wider
// turning leg.  The rule ran on a stored radius (read back) before, so a
// stored positive radius it could have given stays: with legs under 100 its
// 100 and its cap would not come back the same.
double BranchRadius(double r, double widestLeg, bool stored);
