#include "elements/vl/lvl_tee.h"

#include <algorithm>
#include <cmath>

#include "core/element_block.h"
#include "core/element_views.h"
#include "core/fitting_figures.h"
#include "core/geometry.h"
#include "core/param_bindings.h"
#include "elements/straight_run.h"
#include "elements/vl/vl_branch_rules.h"

namespace {

// The values in the order of VlTeeValue, as GetParams gives them.
constexpr ParamBinding<LVlTee> kValues[kTeeValueCount] = {
    NumberField(&LVlTee::a), NumberField(&LVlTee::b), NumberField(&LVlTee::c), NumberField(&LVlTee::d),
    NumberField(&LVlTee::r)};

}  // namespace

LVlTee::LVlTee(int16_t typeId) : LVl(typeId, 3, kTeeValueCount) {
    connectors[0]->side = 2;
    connectors[1]->side = 5;
    connectors[2]->side = 1;
    connectors[2]->paramA = kTeeA;
    for (int i = 0; i < 3; ++i)
        connectors[i]->paramB = kTeeB;
    SetAttachMasks(32, 0, 0, 32, 32, 0);
    SetFlipModes(1, 0, 0);
}

int16_t LVlTee::GetParams(double** values) { return GetBoundParams(*this, kValues, values); }

int16_t LVlTee::SetParams(const double* v) {
    if (v) {
        // A width left 0 takes another leg's, from the inputs.
        double ia = v[kTeeA], ic = v[kTeeC], id = v[kTeeD];
        a = FirstSize(a, {ia, ic, id});
        if (IsSize(v[kTeeB]))
            b = v[kTeeB];
        c = FirstSize(c, {ic, ia, id});
        d = FirstSize(d, {id, ia, ic});
        if (std::isfinite(v[kTeeR]))
            r = v[kTeeR];
    }
    r = BranchRadius(r, std::max({a, c, d}), RestoringParams());
    W = 2 * r + a + 2 * collarLength;
    H = (c > d ? c : d) + r + collarLength;
    for (int i = 0; i < 3; ++i)
        connectors[i]->b = b;
    connectors[2]->a = a;
    SetPoint3d(connectors[2]->position, 0, -H / 2, 0);
    PlaceOutlets();
    return 0;
}

int16_t LVlTee::FitLength(double*, int16_t*, int16_t, int16_t, double, double) { return -1; }

int16_t LVlTee::UpdateLabel() { return 0; }

int16_t LVlTee::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(endMarkSize, 1);
    const double m = endMarkSize, hb = b / 2, reach = hb + m;
    FittingFigure f(*this, 1, CentreLines());
    switch (orientation) {
    case 0:
    case 3:
        DrawPlan(orientation == 0 ? 1 : -1);
        break;
    case 1:
        f.Band(-W / 2, -a / 2 - m, hb);
        f.Band(a / 2 + m, W / 2, hb);
        f.Line(FittingPen::kCentre, -W / 2, 0, W / 2, 0);
        f.Line(FittingPen::kCentre, 0, reach, 0, -reach);
        break;
    case 4:
        // The inlet seen from behind: its collar bracketed above and below.
        f.Band(-W / 2, W / 2, hb);
        f.Bracket(-a / 2 - m, a / 2 + m, hb, m);
        f.Bracket(-a / 2 - m, a / 2 + m, -hb, -m);
        for (double x : {-a / 2, a / 2, -a / 2 - m, a / 2 + m})
            f.Line(FittingPen::kDashed, x, hb, x, -hb);
        f.Line(FittingPen::kCentre, -W / 2, 0, W / 2, 0);
        f.Line(FittingPen::kCentre, 0, -reach, 0, reach);
        break;
    case 2:
    case 5:
        DrawEnd(orientation);
        break;
    default:
        break;
    }
    return block.Close();
}
