// The RLS grille (catalogue id 6) and its relatives RDS and RKS: a grille
// of length L and height H with a finish (R, C) and the FKN option.
//
// Values (GetParams, SetParams, XDATA): type, L, H, finish, fkn; the
// choices are 1-based positions, fkn is 0 or 1.
#pragma once

#include "elements/rcs/lrcs_grille.h"

class LRCsRhs : public LRCsGrille {
public:
    LRCsRhs();

    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    std::string NameText() const override;

    int16_t type = 1;
    int16_t finish = 1;
    int16_t fkn = 0;
};
