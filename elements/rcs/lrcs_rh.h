// The RDN grille (catalogue id 3) and its relative RLN: the CSD grille
// without the D form.
//
// Values (GetParams, SetParams, XDATA): type, L, H, hv, rcm, option,
// gOption; the choices are 1-based positions.
#pragma once

#include "elements/rcs/lrcs_face_grille.h"

class LRCsRh : public LRCsFaceGrille {
public:
    LRCsRh();

    int16_t GetParams(double** values) override;
    // -1 when the G option switched on or off and the row's accessory list
    // changed with it.
    int16_t SetParams(const double* values) override;
    std::string NameText() const override;
};
