// The three-way corner box VLE-07: a box of height h with three openings
// pushed into one corner, each with a collar and a spigot: a x h on its -y
// face (connector 0), c x h on its +x face (connector 1) and m x n on its
// top (connector 2, pointing up).  The box is W = max(a, m) wide and
// L = max(c, n) deep.  The views from below and from behind the side
// openings are one routine over per-view variables.
//
// Values (GetParams, SetParams, XDATA): a, h, c, m, n.
#pragma once

#include "elements/vl/lvl.h"

class LVle07 : public LVl {
public:
    LVle07();

    int16_t MakeBlock(char* blockName) override;
    int16_t MarkFixedParams(int16_t* flags) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    int16_t UpdateLabel() override;
    int16_t AdjustInsertionPoint(ads_point point, const double* oldParams) override;

    double W = 0.0;
    double L = 0.0;
    double s = 0.0;  // spigot length
    double a = 0.0;
    double h = 0.0;
    double c = 0.0;
    double m = 0.0;
    double n = 0.0;

    // One view from the far side: the box U x V in the drawing plane, the
    // corner of the near opening at Pu, Pv, the opening seen through the
    // box Q1 x R1 and the one in line with it Q2 x R2, mirrored by S1, S2.
    struct FarView {
        double U, V, Pu, Pv, Q1, Q2, R1, R2, S1, S2;
    };
    // The variables of orientation 3, 4 or 5.
    FarView FarViewOf(int16_t orientation) const;

private:
    void DrawTop();
    void DrawFrontA();
    void DrawFrontC();
    void DrawFarSide(const FarView& v);
};
