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

    // Writes the heights that suit a duct of diameter d into the row's list
    // of parameter 1 and snaps H to it: 0 when none suits, the first one
    // when H is not among them.  Returns the number of heights.
    int BuildChoiceList(double d);

    int16_t dFlag = 0;
    int16_t option = 1;

protected:
    // On a duct: the heights of its diameter.
    void Refresh() override;
};
