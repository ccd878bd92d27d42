// The segmented round elbows VF/KS-04 (90 degrees) and VF/KS-05 (a free
// angle alfa): diameter d, bend radius R = m x d, and n straight segments
// when the elbow is large (d from 315), arcs otherwise.  "KS" above a
// diameter of 800.  Both share one geometry and figure; VF/KS-04 is
// VF/KS-05 with alfa held at 90.
//
// Values (GetParams, SetParams, XDATA): VF/KS-04 d, m, n; VF/KS-05 alfa,
// d, m, n.
#pragma once

#include "elements/vf/lvf.h"

class LVfBend : public LVf {
public:
    int16_t MakeBlock(char* blockName) override;
    int16_t MarkFixedParams(int16_t* flags) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    int16_t FitLength(double* params, int16_t* changed, int16_t connectorA, int16_t connectorB,
                      double along, double across) override;
    char* GetDescription() override;
    int16_t UpdateLabel() override;
    int16_t AdjustInsertionPoint(ads_point point, const double* oldParams) override;

    int16_t n = 0;       // segments of a large elbow
    double d = 0.0;
    double R = 0.0;      // centre-line radius
    double alfa = 0.0;   // degrees
    double phi = 0.0;    // (90 - alfa) in radians
    double m = 0.0;      // R / d
    double W = 0.0, H = 0.0;  // the figure's frame in the bend plane
    double Sd = 0.0, Cd = 0.0;  // d sin phi, d cos phi

protected:
    // freeAngle: alfa is the first value (VF/KS-05), else held at 90.
    LVfBend(uint16_t typeId, bool freeAngle, const char* number);

private:
    int ValueCount() const { return freeAngle ? 4 : 3; }
    void DrawPlan(double s);
    void DrawSide();
    bool freeAngle;
    const char* number;  // "04", "05"
};

class LVf04 : public LVfBend {
public:
    LVf04();
};

class LVf05 : public LVfBend {
public:
    LVf05();
};
