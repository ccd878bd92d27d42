// The sizes rules the multi-way pieces VLE-06 and VLE-07 share: a size not
// given takes the first given of the others, and their spigots are 100
// long, or 150 once an opening is wider than 800.
#pragma once

#include <initializer_list>

// The first given (non-zero) of the inputs, else the fallback.
inline double FirstGiven(std::initializer_list<double> inputs, double fallback) {
    for (double v : inputs)
        if (v != 0)
            return v;
    return fallback;
}

// The spigot length for the openings' sizes; the longer one for a size that
// is not a number.
inline double MultiwaySpigot(std::initializer_list<double> openings) {
    constexpr double kShortSpigot = 100.0, kLongSpigot = 150.0, kWideOpening = 800.0;
    for (double o : openings)
        if (!(o <= kWideOpening))
            return kLongSpigot;
    return kShortSpigot;
}
