// The TTC/TTD box (catalogue id 31): a box of height h behind a face H x L,
// fed through a round spigot of diameter d, on top of the box (TTC) or on
// its back through a neck (TTD).  The face follows the spigot.
//
// Values (GetParams, SetParams, XDATA): variant (TTC, TTD), type code, d,
// H, L, G code, h.
#pragma once

#include <string>

#include "elements/rcs/lrcs_tt_box.h"

class LRCsTTC : public LRCsTtBox {
public:
    LRCsTTC();

    int16_t MakeBlock(char* blockName) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;

    // "TTD+TTE".
    std::string NameText() const override;
    bool FedFromBack() const { return variant >= 2; }

    int16_t variant = 1;
    double d = 0.0;
    double neck = 0.0;  // TTD: between the spigot and the box
};
