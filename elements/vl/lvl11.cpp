#include "elements/vl/lvl11.h"

#include <algorithm>
#include <cmath>

#include "ads_entity.h"
#include "core/description_text.h"
#include "core/dimensions.h"
#include "core/draw_neutral.h"
#include "core/element_block.h"
#include "core/geometry.h"
#include "elements/straight_run.h"
#include "elements/vl/vl_transition.h"

LVlSpigotRun::LVlSpigotRun(int16_t typeId, bool isRound)
    : LVl(typeId, 3, isRound ? 6 : 7), round(isRound) {
    SetRunEnds(false, 0, 1);
    LConnector* spigot = connectors[2];
    spigot->side = 0;
    spigot->paramA = 2;
    if (isRound)
        spigot->shape = kShapeRound;
    else
        spigot->paramB = 3;
    SetAttachMasks(32, 1, 0, 1, 1, 0);
    SetFlipModes(3, 3, 3);
}

LVl11::LVl11() : LVlSpigotRun(11, true) { SetParams(DefaultValues()); }

LVl11R::LVl11R() : LVlSpigotRun(26, false) { SetParams(DefaultValues()); }

int16_t LVlSpigotRun::GetParams(double** values) {
    double* v = new double[round ? 6 : 7];
    double* p = v;
    *p++ = a;
    *p++ = b;
    *p++ = c;
    if (!round)
        *p++ = d;
    *p++ = e;
    *p++ = f;
    *p = l;
    *values = v;
    return 0;
}

int16_t LVlSpigotRun::SetParams(const double* v) {
    if (v) {
        int k = round ? 3 : 4;
        if (IsSize(v[0]))
            a = v[0];
        if (IsSize(v[1]))
            b = v[1];
        if (IsSize(v[2]))
            c = v[2];
        if (round)
            d = c;
        else if (IsSize(v[3]))
            d = v[3];
        e = std::isfinite(v[k]) ? v[k] : -1.0;  // out of range: placed in the middle
        f = std::isfinite(v[k + 1]) ? v[k + 1] : 0.0;
        if (IsSize(v[k + 2]))
            l = v[k + 2];
    }
    l = std::max(l, kSpigotRunShortest);
    if (!(e >= c / 2 && e <= l - c / 2))
        e = l / 2;
    double room = a / 2 - d / 2;
    if (!(f > -room && f < room))
        f = 0.0;
    for (int i = 0; i < 2; ++i) {
        connectors[i]->a = a;
        connectors[i]->b = b;
    }
    SetPoint3d(connectors[0]->position, l / 2, 0, 0);
    SetPoint3d(connectors[1]->position, -l / 2, 0, 0);
    connectors[2]->a = c;
    connectors[2]->b = round ? 0.0 : d;
    PlaceSpigot();
    LConnector* c0 = connectors[0];
    LConnector* c1 = connectors[1];
    if (c0->flow != c1->flow) {
        if (c0->flow == 0.0)
            c0->flow = c1->flow;
        else
            c1->flow = c0->flow;
    }
    SetAttachOffsets(b / 2, a / 2, 0, b / 2, a / 2, 0);
    return 0;
}

void LVlSpigotRun::PlaceSpigot() {
    SetPoint3d(connectors[2]->position, l / 2 - e, f, b / 2 + spigotHeight);
}

int16_t LVlSpigotRun::Mirror() {
    int16_t axis = orientation % 3;
    if (axis == 1 || axis == 2) {
        orientation = static_cast<int16_t>(orientation < 3 ? orientation + 3 : orientation - 3);
        rotation = rotation > kPi ? rotation - kPi : rotation + kPi;
    }
    f = -f;
    PlaceSpigot();
    return 0;
}

int16_t LVlSpigotRun::MarkFixedParams(int16_t* flags) {
    if (flags)
        flags[LengthIndex()] = 1;
    return 0;
}

int16_t LVlSpigotRun::FitLength(double* params, int16_t* changed, int16_t connectorA,
                                int16_t connectorB, double along, double across) {
    if (!IsInlinePair(orientation, connectorA, connectorB) || across != 0.0 ||
        !(along >= kSpigotRunShortest) || !params || !changed)
        return -1;
    params[LengthIndex()] = along;
    changed[LengthIndex()] = 1;
    return 0;
}

char* LVl11::GetDescription() {
    return DescriptionText("VL-11")
        .Size("a", a)
        .Size("b", b)
        .Size("D", c)
        .Size("e", e)
        .Size("f", f)
        .Size("l", l)
        .NewBuffer();
}

int16_t LVlSpigotRun::UpdateLabel() {
    ElementView view = ViewOf(orientation);
    if (view.IsEnd() || view.kind == ViewKind::kNone)
        return 0;
    double h = view.IsSide() ? b / 2 : a / 2;
    MakeDimension(*this, insertionPoint, l, h + endMarkSize, rotation);
    acdbEntUpd(entity);
    return 0;
}
