// The rectangular bullhead tee VL-04: the outgoing legs share the level of
// their lower walls, so the top wall slants when their widths differ; the
// leg of width d leaves to +x (connector 0), c to -x (connector 1).
#pragma once

#include "elements/vl/lvl_tee.h"

class LVl04 : public LVlTee {
public:
    LVl04();

    // r only.
    int16_t MarkFixedParams(int16_t* flags) override;
    int16_t AdjustInsertionPoint(ads_point point, const double* oldParams) override;

    // The level of both outgoing legs' lower walls.
    double LowerWalls() const { return -H / 2 + r + collarLength; }

private:
    void PlaceOutlets() override;
    void DrawPlan(double s) override;
    void DrawEnd(int16_t o) override;
};
