#include "elements/vl/lvle04.h"

#include <algorithm>
#include <cmath>

#include "core/description_text.h"
#include "core/geometry.h"
#include "core/param_bindings.h"
#include "elements/straight_run.h"
#include "elements/vl/vl_branch_rules.h"

namespace {
constexpr int kValueCount = 7;
// The inlet is at least this much wider than the outlet.
constexpr double kReduction = 100.0;
constexpr double kDefaultAngle = 45.0;
constexpr double kRightAngle = 90.0;
constexpr double kSmallestAngle = 1.0;
constexpr double kQuarterPi = 0.785398163375;
// The values in their order, as GetParams gives them.
constexpr ParamBinding<LVleAngled> kValues[kValueCount] = {
    NumberField(&LVleAngled::a), NumberField(&LVleAngled::b),    NumberField(&LVleAngled::c),
    NumberField(&LVleAngled::d), NumberField(&LVleAngled::alfa), NumberField(&LVleAngled::l),
    NumberField(&LVleAngled::r)};
}  // namespace

LVleAngled::LVleAngled(int16_t typeId, bool round) : LVl(typeId, 3, kValueCount), rounded(round) {
    BindConnectors({{5, 0, 1}, {1, 3, 1}, {2, 2, 1}});
    SetAttachMasks(1, 0, 0, 1, 1, 0);
    SetFlipModes(1, 0, 0);
}

LVle04::LVle04() : LVleAngled(28, false) { SetParams(DefaultValues()); }

LVle05::LVle05() : LVleAngled(29, true) { SetParams(DefaultValues()); }

int16_t LVleAngled::GetParams(double** values) { return GetBoundParams(*this, kValues, values); }

int16_t LVleAngled::SetParams(const double* v) {
    double a0 = a, c0 = c;
    if (v) {
        bool hasA = IsSize(v[0]), hasC = IsSize(v[2]), hasD = IsSize(v[3]);
        a = hasA ? v[0] : hasC ? v[2] + kReduction : hasD ? v[3] : a0;
        if (IsSize(v[1]))
            b = v[1];
        c = hasC ? v[2] : hasA ? v[0] - kReduction : hasD ? v[3] - kReduction : c0;
        d = hasD ? v[3] : hasA ? v[0] : hasC ? v[2] + kReduction : d;
        if (std::isfinite(v[4]) && v[4] != 0.0)
            alfa = v[4];
        else if (alfa == 0.0)
            alfa = kDefaultAngle;
        if (IsSize(v[5]))
            l = v[5];
        else if (hasA)
            l = 3 * v[0];
        else if (hasC)
            l = 3 * (v[2] + kReduction);
        else if (hasD)
            l = 3 * v[3];
        r = std::isfinite(v[6]) ? v[6] : 0.0;
    }
    if (c + kReduction > a) {
        if (a == a0)
            c = a - kReduction;
        else if (c == c0)
            a = c + kReduction;
        else
            c = a - kReduction;
    }
    // An inlet too narrow for any outlet keeps the outlet and widens.
    if (!(c > 0.0)) {
        c = c0 > 0.0 ? c0 : kReduction;
        a = c + kReduction;
    }
    alfa = std::clamp(alfa, kSmallestAngle, kRightAngle);
    beta = (kRightAngle - alfa) * kPi / 180;
    r = BranchRadius(r, std::max(a, d), RestoringParams());
    const double E = endMarkSize, K = collarLength;
    T = r * std::tan(kQuarterPi - beta / 2);
    Kc = (K + T) * std::cos(beta);
    Ec = E * std::cos(beta);
    Es = E * std::sin(beta);
    dc = d * std::cos(beta);
    ds = d * std::sin(beta);
    D = a - c <= ds ? c + Kc + Es + ds : a + Kc + Es;
    if (beta == 0.0) {
        P = Q3 = 0.0;
        Q1 = Q2 = d / 2;
    } else {
        double tb = std::tan(beta);
        P = tb * (D - ds / 2 - a / 2);
        Q1 = dc / 2 + P - tb * (D - ds - c);
        Q2 = dc / 2 + tb * (D - a) - P;
        Q3 = (Q2 - Q1) / 2;
    }
    for (int i = 0; i < 3; ++i)
        connectors[i]->b = b;
    connectors[0]->a = a;
    SetPoint3d(connectors[0]->position, -l / 2, D / 2 - a / 2, 0);
    connectors[1]->a = d;
    connectors[1]->angle = beta;
    SetPoint3d(connectors[1]->position, P + Q3, -D / 2 + ds / 2, 0);
    connectors[2]->a = c;
    SetPoint3d(connectors[2]->position, l / 2, D / 2 - c / 2, 0);
    SetAttachOffsets(b / 2, 0, 0, b / 2, D / 2, 0);
    return 0;
}

int16_t LVleAngled::MarkFixedParams(int16_t* flags) {
    if (flags)
        flags[4] = flags[5] = flags[6] = 1;
    return -1;
}

char* LVleAngled::GetDescription() {
    return DescriptionText(rounded ? "VLE-05" : "VLE-04")
        .Size("alfa", alfa)
        .Size("a", a)
        .Size("b", b)
        .Size("c", c)
        .Size("d", d)
        .Size("l", l)
        .Size("r", r)
        .NewBuffer();
}
