// The round piece VF-10: one diameter d, length d + 60 (a collar of 30 at
// each end), drawn with a centre dot and a dashed diagonal and labelled
// with its code and diameter.  It does not stretch: it only fits a gap of
// exactly its own length.
//
// Values (GetParams, SetParams, XDATA): d.
#pragma once

#include "elements/vf/lvf.h"

// The diameter of a new piece until it takes its neighbour's.
constexpr double kVf10FirstDiameter = 100.0;

class LVf10 : public LVf {
public:
    LVf10();

    int16_t MakeBlock(char* blockName) override;
    int16_t MarkFixedParams(int16_t* flags) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    int16_t FitLength(double* params, int16_t* changed, int16_t connectorA, int16_t connectorB,
                      double along, double across) override;
    int16_t UpdateLabel() override;
    int16_t AdjustInsertionPoint(ads_point point, const double* oldParams) override;

    double d = kVf10FirstDiameter;
    double L = kVf10FirstDiameter + 60.0;
};
