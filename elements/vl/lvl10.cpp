#include "elements/vl/lvl10.h"

#include <algorithm>
#include <cmath>

#include "ads_entity.h"
#include "core/draw_neutral.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "core/param_bindings.h"
#include "elements/straight_run.h"
#include "elements/vl/vl_transition.h"

namespace {
// The values in their order, as GetParams gives them.
constexpr ParamBinding<LVl10> kValues[] = {NumberField<LVl10>(&LVl10::a), NumberField<LVl10>(&LVl10::b),
                                           NumberField<LVl10>(&LVl10::c), NumberField<LVl10>(&LVl10::e),
                                           NumberField<LVl10>(&LVl10::l)};

// Both slants must fit between the two necks, or a short, wide fitting
// would draw its a neck past the c end and its centre line doubling back.
double SlantShare(double a, double c, double l, double neck) {
    double room = l - 2 * neck, widest = std::max(a, c) / 3;
    if (!(widest > room))
        return 1.0;
    return room > 0.0 ? room / widest : 0.0;
}
}  // namespace

LVl10::LVl10() : LVlInlineTransition(10, 1) {
    SetAttachMasks(32, 0, 0, 32, 0, 0);
    SetParams(DefaultValues());
}

double LVl10::SlantA() const { return a / 3 * SlantShare(a, c, l, neckLength); }
double LVl10::SlantC() const { return c / 3 * SlantShare(a, c, l, neckLength); }
double LVl10::KneeX() const { return l / 2 - neckLength - SlantA() / 2; }

int16_t LVl10::GetParams(double** values) { return GetBoundParams(*this, kValues, values); }

int16_t LVl10::SetParams(const double* v) {
    if (v) {
        TakeWidths(v);
        if (IsSize(v[1]))
            b = v[1];
        // 0 is an offset like any other; what is not a number is none.
        e = std::isfinite(v[3]) && v[3] > 0.0 ? v[3] : 0.0;
    }
    TakeLength(v);
    PlaceEnds(b, -e);
    SetAttachOffsets(b / 2, 0, 0, b / 2, 0, 0);
    return 0;
}

int16_t LVl10::MarkFixedParams(int16_t* flags) {
    LVlInlineTransition::MarkFixedParams(flags);
    if (flags && orientation % 3 == 0)
        flags[3] = 1;
    return 0;
}

int16_t LVl10::FitLength(double* params, int16_t* changed, int16_t connectorA,
                         int16_t connectorB, double along, double across) {
    if (!IsInlinePair(orientation, connectorA, connectorB) || !params || !changed)
        return -1;
    if (orientation == 0 || orientation == 1)
        across = -across;
    if (!(along >= kVl10ShortestLength) || !std::isfinite(across))
        return -1;
    bool plan = orientation % 3 == 0;
    if (plan ? across < 0.0 : across != 0.0)
        return -1;
    params[4] = along;
    changed[4] = 1;
    params[3] = plan ? across : 0.0;
    changed[3] = 1;
    return 0;
}

int16_t LVl10::UpdateLabel() {
    ElementView view = ViewOf(orientation);
    const double m = endMarkSize;
    if (view.IsSide()) {
        DimensionLength(*this, l, b / 2 + m, b / 2 + m, b / 2 + m, b / 2 + m);
    } else if (view.IsPlan()) {
        double t = view.SignX();
        if (t > 0)
            DimensionLength(*this, l, a / 2 + m, c / 2 - e + m, a / 2 + m, c / 2 + e + m);
        else
            DimensionLength(*this, l, c / 2 - e + m, a / 2 + m, c / 2 + e + m, a / 2 + m);
        // The offset between the two knees of the centre line, also when 0.
        double x = KneeX();
        ads_point p = {-t * x, 0, 0}, q = {t * x, -e, 0};
        DimensionOffset(*this, p, q, e);
    }
    acdbEntUpd(entity);
    return 0;
}

// The view across the offset: the width b stays; a symbol marks the shift.
void LVl10::DrawWidthOnly(double t) {
    for (double s : {1.0, -1.0}) {
        ads_point p1 = {-t * l / 2, s * b / 2, 0}, p2 = {t * l / 2, s * b / 2, 0};
        MakeLine(p1, p2);
    }
    ads_point p[4] = {{-t * l / 3, -b / 4, 0},
                      {-t * l / 10, -b / 4, 0},
                      {t * l / 10, b / 4, 0},
                      {t * l / 3, b / 4, 0}};
    for (int i = 0; i < 3; ++i)
        Line(p[i], p[i + 1]);
}

// The view of the offset: the a neck, the sloped part and the c neck shifted by e.
void LVl10::DrawWithOffset(double t) {
    const double n = neckLength, sa = SlantA(), sc = SlantC();
    ads_point aTop = {-t * l / 2, a / 2, 0}, aTopIn = {-t * (l / 2 - n - sa), a / 2, 0};
    ads_point aLow = {-t * l / 2, -a / 2, 0}, aLowIn = {-t * (l / 2 - n), -a / 2, 0};
    ads_point cTopIn = {t * (l / 2 - n), c / 2 - e, 0}, cTop = {t * l / 2, c / 2 - e, 0};
    ads_point cLowIn = {t * (l / 2 - n - sc), -c / 2 - e, 0}, cLow = {t * l / 2, -c / 2 - e, 0};
    MakeLine(aTop, aTopIn);
    MakeLine(aLow, aLowIn);
    Line(aTopIn, aLowIn);
    MakeLine(aTopIn, cTopIn);
    MakeLine(aLowIn, cLowIn);
    MakeLine(cTopIn, cTop);
    MakeLine(cLowIn, cLow);
    Line(cTopIn, cLowIn);
}

int16_t LVl10::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(endMarkSize, 1);
    ElementView view = ViewOf(orientation);
    if (view.IsEnd())
        return block.Close();
    double t = view.SignX();
    if (view.IsSide()) {
        DrawWidthOnly(t);
    } else {
        DrawWithOffset(t);
    }
    if (system.rectCentreLines != 0) {
        if (view.IsSide()) {
            ads_point p1 = {-l / 2, 0, 0}, p2 = {l / 2, 0, 0};
            LineB(p1, p2);
        } else {
            double x = KneeX();
            ads_point p[4] = {{-t * l / 2, 0, 0}, {-t * x, 0, 0}, {t * x, -e, 0}, {t * l / 2, -e, 0}};
            for (int i = 0; i < 3; ++i)
                LineB(p[i], p[i + 1]);
        }
    }
    return block.Close();
}
