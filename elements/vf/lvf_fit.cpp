#include "elements/vf/lvf_fit.h"

#include <cmath>

#include "core/element_views.h"

bool IsRunEnds(int16_t orientation, int16_t a, int16_t b, int16_t runA, int16_t runB) {
    if (ViewOf(orientation).IsEnd() || a == b)
        return false;
    return (a == runA && b == runB) || (a == runB && b == runA);
}

bool IsRunGap(int16_t orientation, int16_t a, int16_t b, int16_t runA, int16_t runB, double across) {
    return IsRunEnds(orientation, a, b, runA, runB) && std::fabs(across) <= kFitTolerance;
}

bool SameLength(double measured, double length) {
    return std::fabs(measured - length) <= kFitTolerance;
}
