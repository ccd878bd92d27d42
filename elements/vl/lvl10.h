// The rectangular transition VL-10: from a x b (connector 1, at -l/2) to
// c x b (connector 0, at +l/2) with the c end shifted sideways by e, a
// straight neck at each end and at least 200 long.  It stretches between
// two neighbours, taking the sideways offset in the views that show it.
//
// Values (GetParams, SetParams, XDATA): a, b, c, e, l.
#pragma once

#include "elements/vl/lvl_inline_transition.h"

constexpr double kVl10ShortestLength = kVlTransitionShortestLength;

class LVl10 : public LVlInlineTransition {
public:
    LVl10();

    int16_t MakeBlock(char* blockName) override;
    // The offset too is taken only by stretching, in the plan.
    int16_t MarkFixedParams(int16_t* flags) override;
    int16_t GetParams(double** values) override;
    // A width not given (0) takes the other end's; e is always taken, a
    // negative one as 0.
    int16_t SetParams(const double* values) override;
    // Writes its proposals only when the whole gap is accepted.
    int16_t FitLength(double* params, int16_t* changed, int16_t connectorA, int16_t connectorB,
                      double along, double across) override;
    int16_t UpdateLabel() override;

    double e = 0.0;

private:
    void DrawWidthOnly(double t);
    void DrawWithOffset(double t);
    // How far along the fitting the slanted end of each neck runs: a third
    // of its width, both cut alike where the fitting is too short for them.
    double SlantA() const;
    double SlantC() const;
    // The knees of the centre line, this far from the middle: half the a
    // neck's slant past the neck.
    double KneeX() const;
};
