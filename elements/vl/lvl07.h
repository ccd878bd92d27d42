// The rectangular elbow VL-07: an inner arc of radius r and an outer arc
// of radius r + a.
#pragma once

#include "elements/vl/lvl_elbow.h"

class LVl07 : public LVlElbow {
public:
    LVl07();

    // The tangent length of the outer arc.
    double T = 0.0;

private:
    void Derive() override;
    double FirstLegLength() const override { return T + collarLength; }
    void SetOffsets() override;
    void DrawPlan(double s) override;
};
