// The base of the fire-protection dampers (family 4).
#pragma once

#include "core/lobject.h"

// A stored choice or flag as a whole number kept within low..high.
int16_t ClampedChoice(double v, int16_t low, int16_t high);

class LTv : public LObject {
public:
    // Builds the element on the subtype's row with rectangular connectors
    // owned by the element.
    LTv(int16_t subtype, int16_t connectorCount, int16_t paramCount);

    double GetDimensionOffset() override;
    // Shared by every class of the family: nothing is fixed by the joints,
    // the element never stretches between two connectors, and it has no
    // insertion point to move after a resize.
    int16_t MarkFixedParams(int16_t* flags) override;
    int16_t FitLength(double* params, int16_t* changed, int16_t connectorA, int16_t connectorB,
                      double along, double across) override;
    int16_t AdjustInsertionPoint(ads_point point, const double* oldParams) override;

    static constexpr int kLayoutCount = 6;
    // 0: dimension offset and end-mark size; 4: frame margin and 5: side-view
    // depth of the wall-mounted symbols.
    const double layoutLengths[kLayoutCount] = {30.0, 40.0, 50.0, 30.0, 45.0, 52.0};

protected:
    // The two connectors of a damper in a run: connector 0 at the +x end,
    // connector 1 at the -x end of a casing `depth` long, the round ones
    // (diameter D) at the ends of their spigots, the others L x H.  The air
    // passes through unchanged.
    void PlaceRunConnectors(bool round, double depth, double D, double L, double H);
};
