// The Autodef fire damper (subtype 13): set in a wall opening W x H and
// attached to a duct; its type (Autodef, Autodef2000, G.O.R.) chooses the
// lists of widths and heights it offers.
//
// Values (GetParams, SetParams, XDATA):
//   type, W, H, text, F option, remark flag.
#pragma once

#include <string>

#include "elements/tv/ltv.h"

class LTvAdf : public LTv {
public:
    LTvAdf();

    int16_t MakeBlock(char* blockName) override;
    int16_t GetParams(double** values) override;
    // -1 when the type changed (the lists of W and H with it), else 0.
    int16_t SetParams(const double* values) override;
    double GetQuantity() override;
    char* GetDescription() override;
    int16_t UpdateLabel() override;
    // W and H choose from the lists of the element's type.
    int16_t ParamChoiceCount(int16_t i) const override;
    const double* ParamChoices(int16_t i) const override;

    // "Autodef2000+F12 (remark)" ...
    std::string NameText() const;

    int16_t type = 1;
    int16_t fOption = 1;
    int16_t remark = 0;
    double W = 0.0;
    double H = 0.0;
};
