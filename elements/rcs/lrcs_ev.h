// The EV terminal (catalogue id 23): a hatched frame on a rectangular
// connector of B x H.
//
// Values (GetParams, SetParams, XDATA): B, H.
#pragma once

#include "elements/rcs/lrcs_hatched_frame.h"

class LRCsEV : public LRCsHatchedFrame {
public:
    LRCsEV();

    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    std::string NameText() const override { return "EV"; }
};
