// The KP terminal (catalogue id 36): a round head of fixed diameter 100 on
// a neck of length L (100 to 500), joined through its own round connector.
//
// Values (GetParams, SetParams, XDATA): D (always 100), L.
#pragma once

#include "elements/rcs/lrcs.h"

class LRCsKp : public LRCs {
public:
    LRCsKp();

    int16_t MakeBlock(char* blockName) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    char* GetDescription() override;
    int16_t UpdateLabel() override;

    static constexpr double kDiameter = 100.0;
    double D = kDiameter;
    double L = 0.0;
};
