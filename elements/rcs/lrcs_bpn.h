// The BPN terminal (catalogue id 18): a square face of side A on a box with
// one round spigot of diameter D, in six types (the BPN-L types with the
// spigot on the box's side) and three variants.
//
// Values (GetParams, SetParams, XDATA): type, D, A, variant; the choices
// are 1-based positions.
#pragma once

#include <string>

#include "elements/rcs/lrcs.h"

class LRCsBPN : public LRCs {
public:
    LRCsBPN();

    int16_t MakeBlock(char* blockName) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    double GetQuantity() override;
    char* GetDescription() override;
    int16_t UpdateLabel() override;

    // "BPN-F-N1".
    std::string NameText() const;
    // The BPN-L types: the spigot on the side of the box.
    bool SideSpigot() const { return type == 3 || type == 4; }

    int16_t type = 1;
    int16_t variant = 1;
    double D = 0.0;
    double A = 0.0;
};
