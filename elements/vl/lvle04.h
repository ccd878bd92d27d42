// The angled branch pieces VLE-04 and VLE-05: a straight run of length l
// reducing from the inlet a x b to the outlet c x b along one straight
// edge, with a branch d x b leaving the other side at the angle alfa
// (degrees) towards the outlet.  VLE-04 meets the run in sharp corners,
// VLE-05 with bends of radius r.  The inlet stays at least 100 wider than
// the outlet, and the outlet keeps a width.
//
// Values (GetParams, SetParams, XDATA): a, b, c, d, alfa, l, r.
#pragma once

#include "elements/vl/lvl.h"

class LVleAngled : public LVl {
public:
    int16_t MakeBlock(char* blockName) override;
    int16_t MarkFixedParams(int16_t* flags) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    int16_t FitLength(double*, int16_t*, int16_t, int16_t, double, double) override { return -1; }
    char* GetDescription() override;
    int16_t UpdateLabel() override { return 0; }
    int16_t AdjustInsertionPoint(ads_point, const double*) override { return 0; }

    double alfa = 0.0;
    double a = 0.0, b = 0.0, c = 0.0, d = 0.0, l = 0.0;
    double beta = 0.0;  // (90 - alfa) in radians
    double Ec = 0.0, Es = 0.0, Kc = 0.0, dc = 0.0, ds = 0.0;
    double r = 0.0;
    double T = 0.0;  // the tangent length of the branch's bends
    double D = 0.0;  // across the run
    double P = 0.0, Q1 = 0.0, Q2 = 0.0, Q3 = 0.0;

protected:
    // rounded: the branch meets the run with bends (VLE-05).
    LVleAngled(int16_t typeId, bool rounded);

private:
    void DrawPlan(double s);
    void DrawOntoBranch();
    void DrawBehindBranch();

    const bool rounded;
};

class LVle04 : public LVleAngled {
public:
    LVle04();
};

class LVle05 : public LVleAngled {
public:
    LVle05();
};
