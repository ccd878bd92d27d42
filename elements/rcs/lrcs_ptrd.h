// The PTRD/PTRI terminal (catalogue id 38): a round face of diameter D on
// its own round connector, with the CL option.
//
// Values (GetParams, SetParams, XDATA): type (PTRD, PTRI), D, CL flag.
#pragma once

#include <string>

#include "elements/rcs/lrcs_round_face.h"

class LRCsPTRD : public LRCsRoundFace {
public:
    LRCsPTRD();

    int16_t MakeBlock(char* blockName) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;

    // "PTRI+CL".
    std::string NameText() const override;

    int16_t type = 1;
    int16_t clFlag = 0;
};
