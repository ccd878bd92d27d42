// The TP terminal (catalogue id 14) and its relatives: a square face of
// side W on a round spigot of diameter d; W follows from d.
//
// Values (GetParams, SetParams, XDATA): type, variant, d; the choices are
// 1-based positions.
#pragma once

#include <string>

#include "elements/rcs/lrcs.h"

class LRCsTp : public LRCs {
public:
    LRCsTp();

    int16_t MakeBlock(char* blockName) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    double GetQuantity() override;
    char* GetDescription() override;
    int16_t UpdateLabel() override;

    // "TP-1V".
    std::string NameText() const;
    // The face side that suits a spigot.
    static double FaceSide(double d);

    int16_t type = 1;
    int16_t variant = 1;
    double d = 0.0;
    double W = 0.0;
};
