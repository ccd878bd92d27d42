// The KRE terminal (catalogue id 33) and its square relatives RME and
// RME-FP: a round face of diameter D on its own round connector, with a
// mounting (FG, FH) and an accessory (KPP, KRT).
//
// Values (GetParams, SetParams, XDATA): type, D, mounting, accessory; the
// choices are 1-based positions.
#pragma once

#include <string>

#include "elements/rcs/lrcs_round_face.h"

class LRCsKre : public LRCsRoundFace {
public:
    LRCsKre();

    int16_t MakeBlock(char* blockName) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;

    // "RME+FH+KRT": each text as the dialog offers it.
    std::string NameText() const override;

    int16_t type = 1;
    int16_t mounting = 1;
    int16_t accessory = 1;
};
