// The TTC/TTD box (catalogue id 31): a box of height h behind a face H x L,
// fed through a round spigot of diameter d, on top of the box (TTC) or on
// its back through a neck (TTD).  The face follows the spigot.
//
// Values (GetParams, SetParams, XDATA): variant (TTC, TTD), type code, d,
// H, L, G code, h.
#pragma once

#include <string>

#include "elements/rcs/lrcs.h"

class LRCsTTC : public LRCs {
public:
    LRCsTTC();

    int16_t MakeBlock(char* blockName) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    char* GetDescription() override;
    int16_t UpdateLabel() override;

    // "TTD+TTE".
    std::string NameText() const;
    bool FedFromBack() const { return variant >= 2; }

    int16_t variant = 1;
    int16_t typeCode = 1;
    int16_t gCode = 1;
    double d = 0.0;
    double H = 0.0;
    double L = 0.0;
    double h = 0.0;
    double neck = 0.0;  // TTD: between the spigot and the box
};
