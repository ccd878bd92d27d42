// The spiral duct with openings FSPIRO: a straight round duct of diameter
// d and length L (at most 6000) with a row of circular openings whose make
// ("F5", "SF20", "SF200") and size are chosen from short lists.  The makes
// offered grow with the diameter; the element answers how many it offers
// itself, so that no other FSPIRO's choice shows in its dialog.
//
// Values (GetParams, SetParams, XDATA): make (1-based), d, L, size (1-based).
#pragma once

#include <string>

#include "elements/vf/lvf.h"

constexpr double kFspiroLongest = 6000.0;

class LVfFSpiko : public LVf {
public:
    LVfFSpiko();

    int16_t MakeBlock(char* blockName) override;
    int16_t MarkFixedParams(int16_t*) override { return -1; }
    int16_t GetParams(double** values) override;
    // -1 when the number of makes offered changed (the values are taken all
    // the same), else 0.
    int16_t SetParams(const double* values) override;
    int16_t FitLength(double*, int16_t*, int16_t, int16_t, double, double) override { return -1; }
    char* GetDescription() override;
    int16_t UpdateLabel() override;
    int16_t AdjustInsertionPoint(ads_point, const double*) override { return 0; }
    int16_t ParamChoiceCount(int16_t i) const override;

    // "SPIRO+0.5xF5"; an index outside its list adds no text.
    std::string Name() const;
    // Makes offered for the diameter: 1, 2 or 3.
    int16_t OfferedMakes() const { return offeredMakes; }

    int16_t make = 1;
    int16_t size = 1;
    double d = 0.0;
    double L = 0.0;

private:
    int16_t offeredMakes = 3;
};
