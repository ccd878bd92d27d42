// The DZK terminal (catalogue id 12): a round face of diameter D with one
// of nine face patterns, set in a box (five variants) with a side spigot
// of diameter d, its one round connector.
//
// Values (GetParams, SetParams, XDATA): box, face, d, D; the choices are
// 1-based positions.
#pragma once

#include <string>

#include "elements/rcs/lrcs_dzk_terminal.h"

class LRCsDk : public LRCsDzkTerminal {
public:
    LRCsDk();

    int16_t MakeBlock(char* blockName) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    char* GetDescription() override;

    // "DZK+VFR+KRS".
    std::string NameText() const override;

    int16_t face = 1;

private:
    // The DT box: a round box with the spigot off its axis.
    bool RoundBox() const { return box == 2; }
    void DrawFace(bool hidden);
};
