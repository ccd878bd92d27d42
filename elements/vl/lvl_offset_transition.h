// The offset transitions VL-06 (a x b to c x d) and VL-09 (a x b to a round
// spigot d): the far end (connector 1, at +l/2) is shifted by e and f across
// the axis.  The offsets are kept as the element's current orientation
// sees them, so mirroring or turning the element changes their signs; the
// connectors follow at once.
//
// Values (GetParams, SetParams, XDATA): VL-06 a, b, c, d, e, f, l; VL-09
// a, b, d, e, f, l.
#pragma once

#include "elements/vl/lvl.h"

constexpr double kVl06ShortestLength = 200.0;

class LVlOffsetTransition : public LVl {
public:
    int16_t MakeBlock(char* blockName) override;
    int16_t Mirror() override;
    LObject* SetOrientation(int16_t side) override;
    int16_t MarkFixedParams(int16_t* flags) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    char* GetDescription() override;
    int16_t UpdateLabel() override;

    double a = 0.0;
    double b = 0.0;
    double c = 0.0;  // VL-06 only
    double d = 0.0;
    double e = 0.0;
    double f = 0.0;
    double l = 0.0;

protected:
    // roundEnd: the far end is a round spigot (VL-09).
    LVlOffsetTransition(int16_t typeId, bool roundEnd);

    int16_t OffsetIndex() const { return roundEnd ? 3 : 4; }
    int16_t LengthIndex() const { return roundEnd ? 5 : 6; }
    // The offset that the view shows: e seen from above or below, else f.
    double ShownOffset() const;

    const bool roundEnd;

private:
    // The connectors and attach offsets from the sizes, offsets and orientation.
    void Place();
    // The width at the a x b end and at the far end in the current view.
    double NearWidth() const;
    double FarWidth() const;
};

class LVl06 : public LVlOffsetTransition {
public:
    LVl06();
};

class LVl09 : public LVlOffsetTransition {
public:
    LVl09();
    int16_t FitLength(double* params, int16_t* changed, int16_t connectorA, int16_t connectorB,
                      double along, double across) override;
    int16_t AdjustInsertionPoint(ads_point point, const double* oldParams) override;
};
