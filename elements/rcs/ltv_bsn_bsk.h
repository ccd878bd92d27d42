// The round and rectangular end units BSN (catalogue id 28, rectangular
// connector A x B) and BSK (id 29, round connector of diameter D), four
// variants each, whose outline lengths E1, E2 (and E3) follow from the
// size.  BSN takes its variant from the size of the duct it is joined to.
//
// Values (GetParams, SetParams, XDATA): BSN variant, A, B; BSK variant, D;
// the variants are 1-based positions.
#pragma once

#include "elements/rcs/lrcs.h"

class LTvBSN : public LRCs {
public:
    LTvBSN();

    int16_t MakeBlock(char* blockName) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    char* GetDescription() override;

    int16_t variant = 1;
    double A = 0.0, B = 0.0;
    double E1 = 0.0, E2 = 0.0, E3 = 0.0;

private:
    // The variant for a size given by the joined duct.
    void VariantOfJoinedSize();
    // The sizes a free unit of its variant comes in.
    void SizeOfVariant(int16_t before);
};

class LTvBSK : public LRCs {
public:
    LTvBSK();

    int16_t MakeBlock(char* blockName) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    char* GetDescription() override;

    int16_t variant = 1;
    double E1 = 0.0, E2 = 0.0;
    double D = 0.0;
};
