// The round in-line unit USZ-28: a body of diameter D whose length follows
// D in catalogue steps, labelled K or M by its variant.
//
// Values (GetParams, SetParams, XDATA): D, variant (1 K, 2 M).
#pragma once

#include <string>

#include "elements/vf/lvf.h"

class LVfUSz28 : public LVf {
public:
    LVfUSz28();

    int16_t MakeBlock(char* blockName) override;
    int16_t MarkFixedParams(int16_t*) override { return -1; }
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    int16_t FitLength(double*, int16_t*, int16_t, int16_t, double, double) override { return -1; }
    char* GetDescription() override;
    int16_t UpdateLabel() override;
    int16_t AdjustInsertionPoint(ads_point, const double*) override { return 0; }

    // "USZ-28-K"; a variant outside K and M adds no letter.
    std::string Name() const;

    int16_t variant = 1;
    double D = 0.0;
    double L = 0.0;
};
