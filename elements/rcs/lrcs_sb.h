// The SB slot terminal (catalogue id 16) and its relatives: a face of
// length L and width G (by the width number N) in a box with round spigots
// of diameter D on a long side (the SB-DD type on both).  While its first
// two spigots are free, a new L or N chooses D; once joined, D rules L
// and N.  The long ones of five widths and more have two spigots a side.
//
// Values (GetParams, SetParams, XDATA): type, D, L, N; type is a 1-based
// position.
#pragma once

#include <string>

#include "elements/rcs/lrcs_slot_terminal.h"

class LRCsSB : public LRCsSlotTerminal {
public:
    LRCsSB();

    int16_t MakeBlock(char* blockName) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;

    // The type's text, "SB-DD" ...
    std::string NameText() const override;
    // The face width of a width number (1 to 6).
    static double FaceWidth(int16_t n);
    bool TwoSpigotsASide() const;

    int16_t type = 1;
};
