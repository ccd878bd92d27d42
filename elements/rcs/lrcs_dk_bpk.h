// The BPK+DZK terminal (catalogue id 20): a BPK face of type T1 to T3 and
// diameter D in a DZK box (three variants) with a side spigot of diameter
// d, its one round connector.
//
// Values (GetParams, SetParams, XDATA): box, d, D, T; the choices are
// 1-based positions.
#pragma once

#include <string>

#include "elements/rcs/lrcs.h"

class LRCsDkBPK : public LRCs {
public:
    LRCsDkBPK();

    int16_t MakeBlock(char* blockName) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    double GetQuantity() override;
    char* GetDescription() override;
    int16_t UpdateLabel() override;

    // "BPK-T1+DZK+VFR".
    std::string NameText() const;

    int16_t box = 1;
    int16_t type = 1;
    double D = 0.0;
    double d = 0.0;
};
