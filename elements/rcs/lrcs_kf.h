// The KF terminal (catalogue id 35) and its relatives KFR, KFH, KFL and KSF:
// a column of height H and width W standing on a round connector of
// diameter d at its top; W (and the KFH's outer shell K) follow the type
// and d.
//
// Values (GetParams, SetParams, XDATA): type, d, H.
#pragma once

#include <string>

#include "elements/rcs/lrcs.h"

class LRCsKf : public LRCs {
public:
    LRCsKf();

    int16_t MakeBlock(char* blockName) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    char* GetDescription() override;
    int16_t UpdateLabel() override;

    std::string NameText() const;

    // Rows of the face pattern for the height (at most kMaxPatternRows), its
    // columns for the width, and the step of its lines.
    int PatternRows() const;
    int PatternColumns() const;
    double PatternStep() const;
    static constexpr int kMaxPatternRows = 64;

    int16_t type = 1;
    double d = 0.0;
    double H = 0.0;
    double W = 0.0;
    double K = 0.0;
};
