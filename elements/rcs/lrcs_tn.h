// The TSD grille (catalogue id 4) for round ducts: length L and a height H
// chosen from the heights that suit the diameter of the duct it sits on,
// an option (RGI, RGP) and the D form (named TDD).
//
// Values (GetParams, SetParams, XDATA): L, H, option, dFlag.
#pragma once

#include "elements/rcs/lrcs_grille.h"

class LRCsTn : public LRCsGrille {
public:
    LRCsTn();

    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    std::string NameText() const override;

    // Makes the heights that suit a duct of diameter d the choices of H and
    // snaps H to them: 0 when none suits, the first one when H is not among
    // them.  Returns the number of heights.
    int BuildChoiceList(double d);
    // H is chosen from the heights of the duct (none until it sits on one).
    int16_t ParamChoiceCount(int16_t i) const override;
    const double* ParamChoices(int16_t i) const override;

    int16_t dFlag = 0;
    int16_t option = 1;
    static constexpr int kMaxHeights = 7;
    double heights[kMaxHeights] = {};
    int16_t heightCount = 0;

protected:
    // On a duct: the heights of its diameter.
    void Refresh() override;
};
