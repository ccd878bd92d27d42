// The TTH housing (catalogue id 25): a tall housing of height M with a round
// connection of diameter D on top and up to two inner boxes of heights H1
// (lower) and H2 (upper).  The housing's width, depth and boxes follow D.
// The only terminal that mirrors itself: its side views swap.
//
// Values (GetParams, SetParams, XDATA): D, M, H1, H2.
#pragma once

#include "elements/rcs/lrcs.h"

class LRCsTTH : public LRCs {
public:
    LRCsTTH();

    int16_t MakeBlock(char* blockName) override;
    int16_t Mirror() override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    char* GetDescription() override;

    double D = 0.0;
    double M = 0.0;
    double H1 = 0.0;
    double H2 = 0.0;
    // From D: the housing's width A, the offset B of its connection side and
    // the inner boxes' width Q.
    double A = 0.0;
    double B = 0.0;
    double Q = 0.0;
};
