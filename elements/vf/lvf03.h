// The round end cap VF/KS-03: closes a duct end of diameter d with a cap
// 30 long on its connector 0.  Always shown as VF-03.
//
// Values (GetParams, SetParams, XDATA): d.
#pragma once

#include "elements/vf/lvf.h"

class LVf03 : public LVf {
public:
    LVf03();

    int16_t MakeBlock(char* blockName) override;
    int16_t MarkFixedParams(int16_t*) override { return -1; }
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    int16_t FitLength(double*, int16_t*, int16_t, int16_t, double, double) override { return -1; }
    int16_t UpdateLabel() override { return 0; }
    int16_t AdjustInsertionPoint(ads_point, const double*) override { return 0; }

    double d = 0.0;
};
