// The base of the round duct fittings (family 2).
#pragma once

#include "core/lobject.h"

// Prefix codes of the VF/KS fittings.
enum VfKsCode : int16_t { kVfKsNone = 0, kVfKsVf = 70, kVfKsKs = 71 };

// The VF/KS rule: "KS" when any tested diameter is strictly above 800 (a NaN
// is not), else "VF".
int16_t VfKsCodeFor(const double* diameters, int count);

class LVf : public LObject {
public:
    // Builds the element on the type's row (types 23 and 24 use the rows of
    // 17 and 18) with round connectors owned by the element.
    LVf(uint16_t typeId, int16_t connectorCount, uint16_t valueCount);

    double GetDimensionOffset() override;
    // "VF-08"/"KS-08" or the display code, then "  d1=160;" per row parameter.
    char* GetDescription() override;

    int16_t vfKsCode = kVfKsNone;
    const double dimensionOffset = 30.0;
    const double endMarkSize = 45.0;
};
