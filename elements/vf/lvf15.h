// The round stub VF-15: an upright round stub of diameter d, 60 high (80
// from d = 180), standing on its parent with its connector on top.  An
// attached child.
//
// Values (GetParams, SetParams, XDATA): d.
#pragma once

#include "elements/vf/lvf.h"

// From this diameter on the stub is the taller one.
constexpr double kVf15TallFrom = 180.0;

class LVf15 : public LVf {
public:
    LVf15();

    int16_t MakeBlock(char* blockName) override;
    int16_t MarkFixedParams(int16_t*) override { return -1; }
    int16_t GetParams(double** values) override;
    // d is taken also when 0.
    int16_t SetParams(const double* values) override;
    int16_t FitLength(double*, int16_t*, int16_t, int16_t, double, double) override { return -1; }
    int16_t UpdateLabel() override { return 0; }
    int16_t AdjustInsertionPoint(ads_point, const double*) override { return 0; }

    double d = 0.0;
    double h = 0.0;
};
