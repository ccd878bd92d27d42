#include "elements/vl/vl_branch_rules.h"

#include <algorithm>
#include <cmath>

#include "elements/straight_run.h"

double FirstSize(double kept, std::initializer_list<double> inputs) {
    for (double x : inputs)
        if (IsSize(x))
            return x;
    return kept;
}

double GivenSize(double v) { return std::isfinite(v) && v > 0.0 ? v : 0.0; }

void KeepNarrowing(double* a, double* c, bool wideEndFree) {
    if (*a > *c)
        return;
    if (wideEndFree)
        *a = 2 * *c;
    else
        *c = *a / 2;
}

double BranchRadius(double r, double widestLeg, bool stored) {
    if (!(r > 0.0))
        return 0.0;  // a negative radius would draw the arc inside out
    if (stored && r <= std::max(widestLeg, 100.0))
        return r;
    if (r < 50.0)
        return 0.0;
    if (r < 100.0)
        return 100.0;
    return std::min(r, widestLeg);
}
