// The ANS grille (catalogue id 7) and its relatives RNN, AE and REN: a long
// grille built of modules (1M to 8L) with an end piece E at both ends, of
// height H, with a direction (H, V), a finish (R, C, M) and the D form.
// Its length L is the modules' length and both end pieces.
//
// Values (GetParams, SetParams, XDATA): type, module, E, H, direction,
// finish, dFlag; the choices are 1-based positions, dFlag is 0 or 1.
#pragma once

#include "elements/rcs/lrcs_grille.h"

class LRCsAns : public LRCsGrille {
public:
    LRCsAns();

    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    char* GetDescription() override;
    int16_t UpdateLabel() override;
    std::string NameText() const override;

    // The length of the modules: n x 1280 for the M modules and n x 1580
    // for the L modules, n the module's number; 0 outside the list.
    static double ModuleLength(int16_t module);

    int16_t type = 1;
    int16_t module = 1;
    double E = 0.0;
    int16_t direction = 1;
    int16_t finish = 1;
    int16_t dFlag = 0;

private:
    // "(3L+240*2)": how the length is made up.
    std::string LengthMakeUp() const;
};
