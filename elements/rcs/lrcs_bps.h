// The BPS slot terminal (catalogue id 17): a face of length L and width G
// (by the width number N) in a box with two round spigots of diameter D on
// one long side, and the options E, R and J.  D and N go together; while
// the spigots are free a new N or a short L chooses D.
//
// Values (GetParams, SetParams, XDATA): D, L, N, R, E, J; the options are
// 0 or 1.
#pragma once

#include <string>

#include "elements/rcs/lrcs_slot_terminal.h"

class LRCsBPS : public LRCsSlotTerminal {
public:
    LRCsBPS();

    int16_t MakeBlock(char* blockName) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;

    // "BPS+E+R+J".
    std::string NameText() const override;
    // The face width of a width number (1 to 5).
    static double FaceWidth(int16_t n);

    int16_t E = 0;
    int16_t R = 0;
    int16_t J = 0;
};
