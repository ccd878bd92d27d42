// The rectangular bullhead tee VL-03: the outgoing legs share their top
// wall; the leg of width c leaves to +x (connector 0), d to -x (connector 1).
#pragma once

#include "elements/vl/lvl_tee.h"

class LVl03 : public LVlTee {
public:
    LVl03();

    // r only; the tee counts as not fixed.
    int16_t MarkFixedParams(int16_t* flags) override;
    // In the plans, the saved point moves with the change of c (of d when
    // connector 0 is free); -1 when c and d changed unequally while
    // connector 1 is joined.
    int16_t AdjustInsertionPoint(ads_point point, const double* oldParams) override;

private:
    void PlaceOutlets() override;
    void DrawPlan(double s) override;
    void DrawEnd(int16_t o) override;
};
