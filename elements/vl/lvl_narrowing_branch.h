// What the rectangular branch fittings VL-12-B/J and VL-13 share: a
// straight duct of length l narrowing from a (connector 1) to c
// (connector 0), of height b, with a branch of width d that leaves through
// an elbow of inner radius r.  The values a, b, c, d, l and r come first in
// both, in this order; the length and the radius are not edited in place.
#pragma once

#include "elements/vl/lvl.h"

class LVlNarrowingBranch : public LVl {
public:
    int16_t MarkFixedParams(int16_t* flags) override;
    int16_t AdjustInsertionPoint(ads_point point, const double* oldParams) override;

    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
    double d = 0.0;
    double l = 0.0;
    double r = 0.0;

protected:
    LVlNarrowingBranch(int16_t typeId, uint16_t valueCount);
    // a, b, c and d from the given sizes in (GivenSize of each input, 0 for
    // one not given): a width not given is kept or follows another width
    // of the same input.
    void TakeWidths(const double* in);
    // a, b, c, d, l and r into the first six places of v.
    void PutValues(double* v) const;
    // The length dimension with the four extension-line offsets (left of
    // the axis at -l/2 and +l/2, then right of it), each past the wall by
    // the end mark.
    int16_t MakeLengthDimension(const double o[4]);
    // A centre-line row, drawn only while the system draws them.
    void CentreLine(double x1, double y1, double x2, double y2);
};
