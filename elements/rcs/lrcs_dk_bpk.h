// The BPK+DZK terminal (catalogue id 20): a BPK face of type T1 to T3 and
// diameter D in a DZK box (three variants) with a side spigot of diameter
// d, its one round connector.
//
// Values (GetParams, SetParams, XDATA): box, d, D, T; the choices are
// 1-based positions.
#pragma once

#include <string>

#include "elements/rcs/lrcs_dzk_terminal.h"

class LRCsDkBPK : public LRCsDzkTerminal {
public:
    LRCsDkBPK();

    int16_t MakeBlock(char* blockName) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    char* GetDescription() override;

    // "BPK-T1+DZK+VFR".
    std::string NameText() const override;

    int16_t type = 1;
};
