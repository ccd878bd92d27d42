// What the rectangular transitions VL-05 and VL-10 share: from a x b
// (connector 1, at -l/2) to the c end (connector 0, at +l/2) on one run,
// at least 200 long, stretched between two neighbours.  Their values are
// a, b, c, then the class's own fourth value, then l.
#pragma once

#include "elements/vl/lvl.h"

constexpr double kVlTransitionShortestLength = 200.0;

class LVlInlineTransition : public LVl {
public:
    // The length is taken only by stretching.
    int16_t MarkFixedParams(int16_t* flags) override;
    int16_t AdjustInsertionPoint(ads_point point, const double* oldParams) override;

    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
    double l = 0.0;

protected:
    // heightParam: the value that is the height of the c end.
    LVlInlineTransition(int16_t typeId, int16_t heightParam);
    // a and c from the input, a width not given taking the other end's.
    void TakeWidths(const double* v);
    // The length, when the input gives one, never below the shortest.
    void TakeLength(const double* v);
    // Connector 0 of c x h at +l/2, moved across by y; connector 1 of a x b
    // at -l/2.
    void PlaceEnds(double h, double y);
};
