// The base of the fans, heaters and filters (family 5).
#pragma once

#include "core/lobject.h"

class LMsc : public LObject {
public:
    // Builds the element, recorded as family 5, on the type's row with
    // rectangular connectors owned by the element.
    LMsc(int16_t type, int16_t connectorCount, int16_t paramCount);

    double GetDimensionOffset() override;
    int16_t UpdateLabel() override;  // every class gives its unit label

    // 30: dimension offset; 40: unused; 45: end-mark size and duct stubs.
    const double layoutLengths[3] = {30.0, 40.0, 45.0};
};
