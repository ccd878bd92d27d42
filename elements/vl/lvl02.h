// The rectangular elbow VL-02: an inner arc and a square outer corner.
#pragma once

#include "elements/vl/lvl_elbow.h"

class LVl02 : public LVlElbow {
public:
    LVl02();

    // How far the outer corner lies below the top edge.
    double K = 0.0;

private:
    void Derive() override;
    double FirstLegLength() const override { return H - K; }
    void SetOffsets() override;
    void DrawPlan(double s) override;
};
