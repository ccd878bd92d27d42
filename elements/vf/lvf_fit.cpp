#include "elements/vf/lvf_fit.h"

#include <cmath>

#include "core/element_views.h"

bool IsRunGap(int16_t orientation, int16_t a, int16_t b, int16_t runA, int16_t runB, double across) {
    if (ViewOf(orientation).IsEnd() || a == b)
        return false;
    bool pair = (a == runA && b == runB) || (a == runB && b == runA);
    return pair && std::fabs(across) <= kFitTolerance;
}

bool SameLength(double measured, double length) {
    return std::fabs(measured - length) <= kFitTolerance;
}
