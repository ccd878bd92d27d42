// The base of the fire-protection dampers (family 4).
#pragma once

#include "core/lobject.h"

class LTv : public LObject {
public:
    // Builds the element on the subtype's row with rectangular connectors
    // owned by the element.
    LTv(int16_t subtype, int16_t connectorCount, int16_t paramCount);

    double GetDimensionOffset() override;

    static constexpr int kLayoutCount = 6;
    // 0: dimension offset and end-mark size; 4: frame margin and 5: side-view
    // depth of the wall-mounted symbols.
    const double layoutLengths[kLayoutCount] = {30.0, 40.0, 50.0, 30.0, 45.0, 52.0};
};
