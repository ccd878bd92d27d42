#include "elements/vl/lvle03.h"

#include <algorithm>
#include <cmath>

#include "core/geometry.h"
#include "core/param_bindings.h"
#include "elements/straight_run.h"
#include "elements/vl/vl_branch_rules.h"

namespace {
constexpr int kValueCount = 5;
constexpr int kRadiusParam = 4;
// The values in their order, as GetParams gives them.
constexpr ParamBinding<LVle03> kValues[kValueCount] = {NumberField(&LVle03::a), NumberField(&LVle03::b),
                                                       NumberField(&LVle03::c), NumberField(&LVle03::d),
                                                       NumberField(&LVle03::r)};
}  // namespace

LVle03::LVle03() : LVl(27, 3, kValueCount) {
    BindConnectors({{1, 0, 1}, {2, 2, 1}, {5, 3, 1}});
    SetAttachMasks(32, 0, 0, 32, 0, 0);
    SetFlipModes(1, 0, 0);
    SetParams(DefaultValues());
}

int16_t LVle03::GetParams(double** values) { return GetBoundParams(*this, kValues, values); }

int16_t LVle03::SetParams(const double* v) {
    if (v) {
        double a0 = a, c0 = c, d0 = d;
        a = FirstSize(a0, {v[0], v[2], v[3]});
        if (IsSize(v[1]))
            b = v[1];
        c = FirstSize(c0, {v[2], v[0], v[3]});
        d = FirstSize(d0, {v[3], v[0], v[2]});
        // Always taken, 0 included; what is no number is none.
        r = std::isfinite(v[4]) ? v[4] : 0.0;
    }
    r = BranchRadius(r, std::max({a, c, d}), RestoringParams());
    const double K = collarLength;
    W = 2 * r + a + 2 * K;
    H = std::max(c, d) + r + K;
    double yR = -H / 2 + r + K;
    for (int i = 0; i < 3; ++i)
        connectors[i]->b = b;
    connectors[0]->a = a;
    SetPoint3d(connectors[0]->position, 0, -H / 2, 0);
    connectors[1]->a = c;
    SetPoint3d(connectors[1]->position, W / 2, yR + c / 2, 0);
    connectors[2]->a = d;
    SetPoint3d(connectors[2]->position, -W / 2, yR + d / 2, 0);
    SetAttachOffsets(b / 2, 0, 0, b / 2, 0, 0);
    return 0;
}

int16_t LVle03::MarkFixedParams(int16_t* flags) {
    if (flags)
        flags[kRadiusParam] = 1;
    return -1;
}
