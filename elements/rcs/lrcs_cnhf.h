// The CNH-F grille (catalogue id 8) and ANH-F: a grille of length L and
// height H with a finish (R, C, M) and an accessory.  Its sizes go
// together: a height of 500 or more takes the same length, the 543 size
// comes only square, and the short lengths cap the height.
//
// Values (GetParams, SetParams, XDATA): type, L, H, finish, accessory; the
// choices are 1-based positions.
#pragma once

#include "elements/rcs/lrcs_grille.h"

class LRCsCnhF : public LRCsGrille {
public:
    LRCsCnhF();

    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    std::string NameText() const override;

    int16_t type = 1;
    int16_t finish = 1;
    int16_t accessory = 1;

private:
    // Whether a size was set before: the first values have none to follow.
    bool sized = false;
};
