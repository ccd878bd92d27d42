// The KDK terminal (catalogue id 22): a hatched frame on a rectangular
// connector of B x H, with a variant (L, F).
//
// Values (GetParams, SetParams, XDATA): B, H, variant; the variant is a
// 1-based position.
#pragma once

#include "elements/rcs/lrcs_hatched_frame.h"

class LRCsKDK : public LRCsHatchedFrame {
public:
    LRCsKDK();

    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    std::string NameText() const override;

    int16_t variant = 1;
};
