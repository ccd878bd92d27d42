// The KA terminal (catalogue id 34): a round face of size S on a neck of
// diameter d, joined through its own round connector; S follows d.
//
// Values (GetParams, SetParams, XDATA): type (KA-1 to KA-3), d.
#pragma once

#include <string>

#include "elements/rcs/lrcs.h"

class LRCsKa : public LRCs {
public:
    LRCsKa();

    int16_t MakeBlock(char* blockName) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    char* GetDescription() override;
    int16_t UpdateLabel() override;

    std::string NameText() const;

    int16_t type = 1;
    double S = 0.0;  // the face, set with d
    double d = 0.0;
};
