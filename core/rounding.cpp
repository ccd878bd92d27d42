#include "core/rounding.h"

#include <cmath>

double RoundToDouble(double x) {
    double magnitude = std::fabs(x);
    double whole = std::floor(magnitude);
    if (magnitude - whole >= 0.5)
        whole += 1.0;
    return x < 0 ? -whole : whole;
}

int16_t RoundToShort(double x) {
    if (std::isnan(x))
        return 0;
    double r = RoundToDouble(x);
    // A cast of an out-of-range double is undefined: clamp first.
    if (r > INT16_MAX)
        return INT16_MAX;
    if (r < INT16_MIN)
        return INT16_MIN;
    return static_cast<int16_t>(r);
}
