#include "elements/vl/lvl_inline_transition.h"

#include <algorithm>

#include "core/geometry.h"
#include "elements/straight_run.h"
#include "elements/vl/vl_transition.h"

namespace {
constexpr int kValueCount = 5;
constexpr int kLengthParam = 4;
}  // namespace

LVlInlineTransition::LVlInlineTransition(int16_t typeId, int16_t heightParam) : LVl(typeId, 2, kValueCount) {
    BindConnectors({{2, 2, heightParam}, {5, 0, 1}});
    SetFlipModes(1, 0, 0);
}

int16_t LVlInlineTransition::MarkFixedParams(int16_t* flags) {
    if (flags)
        flags[kLengthParam] = 1;
    return 0;
}

int16_t LVlInlineTransition::AdjustInsertionPoint(ads_point, const double*) { return 0; }

void LVlInlineTransition::TakeWidths(const double* v) {
    double a0 = a, c0 = c;
    a = SizeOrPartner(v[0], v[2], a0);
    c = SizeOrPartner(v[2], v[0], c0);
}

void LVlInlineTransition::TakeLength(const double* v) {
    if (v && IsSize(v[kLengthParam]))
        l = v[kLengthParam];
    l = std::max(l, kVlTransitionShortestLength);
}

void LVlInlineTransition::PlaceEnds(double h, double y) {
    LConnector* c0 = connectors[0];
    LConnector* c1 = connectors[1];
    c0->a = c;
    c0->b = h;
    SetPoint3d(c0->position, l / 2, y, 0);
    c1->a = a;
    c1->b = b;
    SetPoint3d(c1->position, -l / 2, 0, 0);
}
