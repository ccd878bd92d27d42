// The double side-branch piece VLE-06: a straight piece of length l whose
// inlet a x b (connector 0) continues as the run d x b to the outlet
// (connector 2), with two side branches square to the run right behind the
// inlet, c x b on one side (connector 1) and g x b on the other (connector
// 3), each standing out by a collar and a spigot of length 100 or 150.
//
// Values (GetParams, SetParams, XDATA): a, b, c, d, g, l.
#pragma once

#include "elements/vl/lvl.h"

class LVle06 : public LVl {
public:
    LVle06();

    int16_t MakeBlock(char* blockName) override;
    int16_t MarkFixedParams(int16_t* flags) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    int16_t UpdateLabel() override;
    int16_t AdjustInsertionPoint(ads_point point, const double* oldParams) override;

    double s = 0.0;  // spigot length of the branches
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
    double d = 0.0;
    double g = 0.0;
    double l = 0.0;

private:
    void PlaceConnectors();
    // Seen onto the branch of width near, the other (far) behind; u = sx.
    void DrawBranchView(double sx, double near, double far);
    // Seen along the run onto the outlet (outlet true) or onto the inlet.
    void DrawEndView(bool outlet);
};
