// The VBF unit (catalogue id 21): a round casing on a neck over its round
// connector of diameter D, in size numbers n; the casing's diameter L, its
// height A and the neck's height B follow from D.
//
// Values (GetParams, SetParams, XDATA): D, n, and a third value the unit
// keeps as it was stored.
#pragma once

#include "elements/rcs/lrcs_round_face.h"

class LRCsVBF : public LRCsRoundFace {
public:
    LRCsVBF();

    int16_t MakeBlock(char* blockName) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;

    // "VBF-2".
    std::string NameText() const override;

    int16_t n = 1;
    double A = 0.0;
    double B = 0.0;
    double L = 0.0;
    double third = 1.0;
};
