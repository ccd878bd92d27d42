// The BLD/BLI grille (catalogue id 39) and its twin RLD/RLI (id 40): a face
// L x H on the side of a rectangular duct, with the KNN and FKN options and
// the AZN accessory.  RLD is made in any length from 300 on.
//
// Values (GetParams, SetParams, XDATA): variant, L, H, accessory, KNN flag,
// FKN flag.
#pragma once

#include "elements/rcs/lrcs_grille.h"

class LRCsBLD : public LRCsGrille {
public:
    LRCsBLD();

    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    std::string NameText() const override;

    int16_t variant = 1;
    int16_t knnFlag = 0;
    int16_t accessory = 1;
    int16_t fknFlag = 0;

protected:
    explicit LRCsBLD(int16_t id);
};

class LRCsRLD : public LRCsBLD {
public:
    LRCsRLD();
    int16_t SetParams(const double* values) override;
};
