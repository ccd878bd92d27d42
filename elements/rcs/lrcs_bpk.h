// The BPK terminal (catalogue id 19): a flat round face of diameter D just
// below its round connector, of type T1 to T3 (T3 does not come in 300)
// with an option (VFR, KRP, Z).
//
// Values (GetParams, SetParams, XDATA): D, T, option; the choices are
// 1-based positions.
#pragma once

#include <string>

#include "elements/rcs/lrcs_round_face.h"

class LRCsBPK : public LRCsRoundFace {
public:
    LRCsBPK();

    int16_t MakeBlock(char* blockName) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;

    // "BPK-T1+VFR".
    std::string NameText() const override;

    int16_t type = 1;
    int16_t option = 1;
};
