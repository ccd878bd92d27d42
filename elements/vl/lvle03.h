// The two-way elbow branch VLE-03: an inlet a x b divided into two outlets
// leaving in opposite directions through 90-degree elbows of one inner
// radius r, the outlet c on +x and the outlet d on -x, all of height b.
// It never stretches.
//
// Values (GetParams, SetParams, XDATA): a, b, c, d, r.
#pragma once

#include "elements/vl/lvl.h"

class LVle03 : public LVl {
public:
    LVle03();

    int16_t MakeBlock(char* blockName) override;
    int16_t MarkFixedParams(int16_t* flags) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    int16_t FitLength(double*, int16_t*, int16_t, int16_t, double, double) override { return -1; }
    int16_t UpdateLabel() override { return 0; }
    int16_t AdjustInsertionPoint(ads_point, const double*) override { return 0; }

    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
    double d = 0.0;
    double W = 0.0;  // across the two outlet ends
    double H = 0.0;  // from the inlet end to the far edge of the wider outlet
    double r = 0.0;

private:
    void DrawPlan(double s);
    void DrawOntoInlet();
    void DrawBehindInlet();
    // Onto an outlet: near is the outlet looked onto, far the other one;
    // s = 1 onto c, -1 onto d.
    void DrawOntoOutlet(double s, double near, double far);
};
