// The KRS terminal (catalogue id 9) and its relatives: a round face of
// diameter D on its own round connector, with a mounting (FG, FH, T) and an
// accessory (KRP, KRT, Z).  The FP types come only up to 500.
//
// Values (GetParams, SetParams, XDATA): type, D, mounting, accessory; the
// choices are 1-based positions.
#pragma once

#include <string>

#include "elements/rcs/lrcs_round_face.h"

class LRCsKrs : public LRCsRoundFace {
public:
    LRCsKrs();

    int16_t MakeBlock(char* blockName) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;

    // "KRS-FG+KRP".  D is none before the first values: any type is taken.
    std::string NameText() const override;

    int16_t type = 1;
    int16_t mounting = 1;
    int16_t accessory = 1;
};
