// The CTR grille (catalogue id 5): length L, height H, a direction (H, V,
// H/15), an option (S, AZN) and the Ellk flag.  Its plan frame has a wider
// margin than the other rectangular grilles.
//
// Values (GetParams, SetParams, XDATA): L, H, hv, option, ellkFlag.
#pragma once

#include "elements/rcs/lrcs_grille.h"

class LRCsCtr : public LRCsGrille {
public:
    LRCsCtr();

    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    std::string NameText() const override;

    int16_t hv = 1;
    int16_t option = 1;
    int16_t ellkFlag = 0;

protected:
    double FrameMargin() const override { return layoutLengths[12]; }
};
