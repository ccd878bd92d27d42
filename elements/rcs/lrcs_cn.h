// The CSD grille (catalogue id 1) and its relatives ASD, RNN, AE and REN:
// a grille of length L and height H with a direction (H, V), a finish
// (R, C, M), an accessory, a G option that rules out the accessory and the
// D form, and the D form itself.
//
// Values (GetParams, SetParams, XDATA): type, L, H, hv, rcm, option,
// gOption, dFlag; the choices are 1-based positions, dFlag is 0 or 1.
#pragma once

#include "elements/rcs/lrcs_face_grille.h"

class LRCsCn : public LRCsFaceGrille {
public:
    LRCsCn();

    int16_t GetParams(double** values) override;
    // -1 when the G option switched on or off and the accessory's choices
    // and the D form's tile changed with it.
    int16_t SetParams(const double* values) override;
    // With a G option the D form is shown but not editable.
    int16_t ParamKind(int16_t i) const override;
    std::string NameText() const override;

    int16_t dFlag = 0;
};
