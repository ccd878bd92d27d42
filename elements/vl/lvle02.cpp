// VLE-02: the composite run with the elbows of VL-07 (inner and outer
// arcs), whose faces lie r + k + the wider side from the run's far wall.
#include <algorithm>

#include "elements/vl/lvl_composite.h"

LVlE02::LVlE02() : LVlComposite(25, "VL-07", Vle02Views()) {
    SetAttachMasks(32, 0, 32, 32, 0, 32);
    SetParams(DefaultValues());
}

double LVlE02::SecondRadiusBound() const { return t == 0 ? std::max(c, d) : std::max(b, d); }

void LVlE02::PlaceFaces() {
    C1 = r1 + collarLength + std::max(a, c);
    C2 = r2 + collarLength + (t == 0 ? std::max(c, d) : std::max(b, d));
}

void LVlE02::SetOffsets() { SetAttachOffsets(b / 2, 0, c / 2, b / 2, 0, c / 2); }
