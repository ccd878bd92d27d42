// The layered round ducts HSPIRO (spiral) and HFLEX (flexible): a straight
// duct of diameter d and length l (at most 3000) with an outer layer of
// thickness v, in two variants: variant 2 ("S-") is stored as subtype 23
// or 24, variant 1 ("I-") as 17 or 18, so that the factory rebuilds it as
// the same class.  The twins differ only in their subtypes and names.
//
// Values (GetParams, SetParams, XDATA): d, l, v, variant.
#pragma once

#include <string>

#include "elements/vf/lvf.h"

constexpr double kLayeredLongest = 3000.0;

class LVfLayered : public LVf {
public:
    int16_t MakeBlock(char* blockName) override;
    int16_t MarkFixedParams(int16_t* flags) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    int16_t FitLength(double* params, int16_t* changed, int16_t connectorA, int16_t connectorB,
                      double along, double across) override;
    char* GetDescription() override;
    int16_t UpdateLabel() override;
    int16_t AdjustInsertionPoint(ads_point, const double*) override { return 0; }

    // "S-SPIRO" for the second variant, "I-SPIRO" for the first.
    std::string LabelName() const;

    double d = 0.0;
    double l = 0.0;
    double v = 0.0;
    double variant = 1.0;

protected:
    LVfLayered(uint16_t typeId, uint16_t secondVariantType, const char* name);

private:
    const uint16_t firstType;
    const uint16_t secondType;
    const char* const name;
};

class LVfHSpiko : public LVfLayered {
public:
    LVfHSpiko();
};

class LVfHWesterform : public LVfLayered {
public:
    LVfHWesterform();
};
