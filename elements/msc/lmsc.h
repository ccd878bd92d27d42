// The base of the fans, heaters and filters (family 5).
#pragma once

#include "core/lobject.h"

class LMsc : public LObject {
public:
    // Builds the element, recorded as family 5, on the type's row with
    // rectangular connectors owned by the element.
    LMsc(int16_t type, int16_t connectorCount, int16_t paramCount);

    double GetDimensionOffset() override;
    // Shared by every class of the family: nothing is fixed by the joints,
    // the element never stretches between two connectors, and it has no
    // insertion point to move after a resize.
    int16_t MarkFixedParams(int16_t* flags) override;
    int16_t FitLength(double* params, int16_t* changed, int16_t connectorA, int16_t connectorB,
                      double along, double across) override;
    int16_t AdjustInsertionPoint(ads_point point, const double* oldParams) override;
    int16_t UpdateLabel() override;  // every class gives its unit label

    // 30: dimension offset; 40: unused; 45: end-mark size and duct stubs.
    const double layoutLengths[3] = {30.0, 40.0, 45.0};
};
