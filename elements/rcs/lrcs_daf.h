// The DAF terminal (catalogue id 37): a face L x B on a box, fed through
// one round spigot of diameter d on a long side (two, a quarter of L from
// either end, from 1500 long).  Its size number 1 to 4 gives B, and the
// spigot and the size number move together.
//
// Values (GetParams, SetParams, XDATA): type (DAF-S, DAF-R), d, L, size
// number, option (RG, VFP), P flag.
#pragma once

#include <string>

#include "elements/rcs/lrcs.h"

class LRCsDAF : public LRCs {
public:
    LRCsDAF();

    int16_t MakeBlock(char* blockName) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    char* GetDescription() override;
    int16_t UpdateLabel() override;

    // "P-DAF-S+RG".
    std::string NameText() const;
    // From this length on the box has two spigots.
    static constexpr double kTwoSpigots = 1500.0;
    bool TwoSpigots() const { return L >= kTwoSpigots; }

    int16_t type = 1;
    int16_t sizeNumber = 0;  // none before the first values
    int16_t option = 1;
    int16_t pFlag = 0;
    double d = 0.0;
    double L = 0.0;
    double B = 0.0;
};
