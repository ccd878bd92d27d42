// The rectangular-to-round transition VL-08: from a x b (connector 1, at
// -l/2) to a round spigot of diameter d (connector 0, at +l/2).  Any
// positive length; it stretches between two neighbours.
//
// Values (GetParams, SetParams, XDATA): a, b, d, l.
#pragma once

#include "elements/vl/lvl.h"

class LVl08 : public LVl {
public:
    LVl08();

    int16_t MakeBlock(char* blockName) override;
    int16_t MarkFixedParams(int16_t* flags) override;
    int16_t GetParams(double** values) override;
    // A size not given (0) takes the other end's: d from b, else from a.
    int16_t SetParams(const double* values) override;
    int16_t FitLength(double* params, int16_t* changed, int16_t connectorA, int16_t connectorB,
                      double along, double across) override;
    int16_t UpdateLabel() override;
    int16_t AdjustInsertionPoint(ads_point point, const double* oldParams) override;

    double a = 0.0;
    double b = 0.0;
    double d = 0.0;
    double l = 0.0;
};
