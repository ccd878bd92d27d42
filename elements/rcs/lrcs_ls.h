// The LS terminal (catalogue id 15) and its relatives LF, LS-K and LF-K: a
// round face of diameter D on its own round connector, curved down (LS) or
// up (LF).
//
// Values (GetParams, SetParams, XDATA): type, D; type is a 1-based
// position.
#pragma once

#include <string>

#include "elements/rcs/lrcs_round_face.h"

class LRCsLS : public LRCsRoundFace {
public:
    LRCsLS();

    int16_t MakeBlock(char* blockName) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;

    // The type's text, "LS-K" ...
    std::string NameText() const override;

    int16_t type = 1;
};
