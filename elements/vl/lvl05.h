// The rectangular transition VL-05: from a x b (connector 1, at -l/2) to
// c x d (connector 0, at +l/2) on one centre line, at least 200 long.  It
// stretches between two neighbours and is dimensioned along its length.
//
// Values (GetParams, SetParams, XDATA): a, b, c, d, l.
#pragma once

#include "elements/vl/lvl_inline_transition.h"

constexpr double kVl05ShortestLength = kVlTransitionShortestLength;

class LVl05 : public LVlInlineTransition {
public:
    LVl05();

    int16_t MakeBlock(char* blockName) override;
    int16_t GetParams(double** values) override;
    // A size not given (0) takes the other end's.
    int16_t SetParams(const double* values) override;
    int16_t FitLength(double* params, int16_t* changed, int16_t connectorA, int16_t connectorB,
                      double along, double across) override;
    int16_t UpdateLabel() override;

    double d = 0.0;

private:
    // The widths at -l/2 and +l/2 as the view shows them.
    void EndWidths(double* w1, double* w2) const;
};
