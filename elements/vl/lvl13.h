// The rectangular swept branch VL-13: a straight duct of length l narrowing
// from a (connector 1) to c (connector 0) along one straight wall, with a
// branch of width d leaving the other side in the plane through an inner
// arc of radius r (connector 2).  X is the depth of the figure across the
// duct.
//
// Values (GetParams, SetParams, XDATA): a, b, c, d, l, r.
#pragma once

#include "elements/vl/lvl_narrowing_branch.h"

class LVl13 : public LVlNarrowingBranch {
public:
    LVl13();

    int16_t MakeBlock(char* blockName) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    int16_t UpdateLabel() override;

    double X = 0.0;

private:
    void PlaceConnectors();
    void DrawPlan(double s);
    void DrawSide(bool far);
    void DrawSection(bool far);
    // The two walls of height b, from x1 to x2.
    void Band(double x1, double x2);
};
