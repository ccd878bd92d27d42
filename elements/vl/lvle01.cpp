// VLE-01: the composite run with the square-heeled elbows of VL-02, whose
// faces lie r + k beyond the run's walls.
#include <algorithm>

#include "elements/vl/lvl_composite.h"

LVlE01::LVlE01() : LVlComposite(24, "VL-02", Vle01Views()) {
    SetAttachMasks(32, 32, 32, 32, 32, 32);
    SetParams(DefaultValues());
}

double LVlE01::SecondRadiusBound() const { return std::max(c, d); }

void LVlE01::PlaceFaces() {
    C1 = r1 + collarLength + c;
    C2 = r2 + collarLength + (t == 0 ? c : b);
}

void LVlE01::SetOffsets() {
    const double k = collarLength;
    SetAttachOffsets(b / 2, l / 2 + r2 + d + k, c / 2, b / 2, l / 2 + r1 + a + k, c / 2);
}
