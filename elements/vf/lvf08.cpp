#include "elements/vf/lvf08.h"

#include <algorithm>

#include "ads_entity.h"
#include "core/dimensions.h"
#include "core/draw_neutral.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "core/rounding.h"
#include "elements/straight_run.h"
#include "elements/vf/lvf_fit.h"

namespace {

constexpr int kValueCount = 3;
constexpr uint16_t kVf08Type = 7;
constexpr uint16_t kVf09Type = 8;

// A reducer seen from the side: the left end at -l/2 and the right end at +l/2,
// each with its radius and the height of its centre.
struct ReducerEnds {
    double rL, rR, yL, yR;
};

void DrawReducer(LObject& e, double l, double c, const ReducerEnds& r, bool centreLine) {
    double xl = -l / 2, xr = l / 2;
    for (double s : {1.0, -1.0}) {
        ads_point l0 = {xl, r.yL + s * r.rL, 0}, l1 = {xl + c, r.yL + s * r.rL, 0};
        ads_point r0 = {xr, r.yR + s * r.rR, 0}, r1 = {xr - c, r.yR + s * r.rR, 0};
        MakeLine(l0, l1);
        MakeLine(r0, r1);
        MakeLine(l1, r1);
    }
    ads_point lt = {xl + c, r.yL + r.rL, 0}, lb = {xl + c, r.yL - r.rL, 0};
    ads_point rt = {xr - c, r.yR + r.rR, 0}, rb = {xr - c, r.yR - r.rR, 0};
    e.Line(lt, lb);
    e.Line(rt, rb);
    if (centreLine && r.yL == r.yR) {
        ads_point p0 = {xl, r.yL, 0}, p1 = {xr, r.yR, 0};
        e.LineB(p0, p1);
    } else if (centreLine) {
        ads_point p[4] = {{xl, r.yL, 0}, {xl + c, r.yL, 0}, {xr - c, r.yR, 0}, {xr, r.yR, 0}};
        for (int i = 0; i < 3; ++i)
            e.LineB(p[i], p[i + 1]);
    }
}

}  // namespace

LVf08::LVf08() : LVf08(kVf08Type) {}

LVf08::LVf08(uint16_t typeId) : LVf(typeId, 2, kValueCount) {
    vfKsCode = kVfKsVf;
    connectors[0]->side = 2;
    connectors[0]->paramA = 0;
    connectors[1]->side = 5;
    connectors[1]->paramA = 1;
    SetFlipModes(1, 0, 0);
    // The derived reducer sets its own values once it is whole.
    if (typeId == kVf08Type)
        SetParams(DefaultValues());
}

LVf09::LVf09() : LVf08(kVf09Type) { SetParams(DefaultValues()); }

int16_t LVf08::GetParams(double** values) {
    double* v = new double[kValueCount];
    v[0] = d1;
    v[1] = d2;
    v[2] = l;
    *values = v;
    return 0;
}

int16_t LVf08::SetParams(const double* v) {
    if (v) {
        double old1 = d1, old2 = d2;
        d1 = IsSize(v[0]) ? v[0] : IsSize(v[1]) ? v[1] : old1;
        d2 = IsSize(v[1]) ? v[1] : IsSize(v[0]) ? v[0] : old2;
        if (IsSize(v[2]))
            l = v[2];
    }
    l = std::max(l, 3 * dimensionOffset);
    const double diameters[2] = {d1, d2};
    vfKsCode = VfKsCodeFor(diameters, 2);
    connectors[0]->a = d1;
    connectors[0]->b = 0.0;
    connectors[1]->a = d2;
    connectors[1]->b = 0.0;
    SetPoint3d(connectors[1]->position, -l / 2, 0, 0);
    PlaceFarEnd();
    return 0;
}

void LVf08::PlaceFarEnd() { SetPoint3d(connectors[0]->position, l / 2, 0, 0); }

void LVf09::PlaceFarEnd() {
    e = (d2 - d1) / 2;
    f = 0.0;
    SetPoint3d(connectors[0]->position, l / 2, e, f);
}

double LVf09::ExpectedAcross() const {
    if (orientation == 0)
        return RoundToShort((d2 - d1) / 2);
    if (orientation == 3)
        return RoundToShort((d1 - d2) / 2);
    return 0.0;
}

int16_t LVf08::MarkFixedParams(int16_t* flags) {
    if (flags)
        flags[2] = 1;
    return 0;
}

int16_t LVf08::FitLength(double* params, int16_t* changed, int16_t connectorA,
                         int16_t connectorB, double along, double across) {
    if (!IsRunEnds(orientation, connectorA, connectorB, 0, 1) || across != ExpectedAcross() ||
        !IsSize(along) || !params || !changed)
        return -1;
    params[2] = along;
    changed[2] = 1;
    return 0;
}

int16_t LVf08::UpdateLabel() {
    bool reversed = orientation >= 3;
    double o1 = reversed ? d1 / 2 : d2 / 2, o2 = reversed ? d2 / 2 : d1 / 2;
    MakeAlignedDimension(*this, insertionPoint, l, o1, o2, o1, o2, rotation);
    acdbEntUpd(entity);
    return 0;
}

// Orientations 2 and 5 give no offsets: no dimension there.
int16_t LVf09::UpdateLabel() {
    ElementView view = ViewOf(orientation);
    if (!view.IsEnd() && view.kind != ViewKind::kNone) {
        double k = view.IsPlan() ? e : f;
        if (view.mirroredX)
            MakeAlignedDimension(*this, insertionPoint, l, d1 / 2 + k, d2 / 2, d1 / 2 - k, d2 / 2,
                                 rotation);
        else
            MakeAlignedDimension(*this, insertionPoint, l, d2 / 2, d1 / 2 + k, d2 / 2, d1 / 2 - k,
                                 rotation);
    }
    acdbEntUpd(entity);
    return 0;
}

int16_t LVf08::AdjustInsertionPoint(ads_point, const double*) { return 0; }

int16_t LVf08::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(dimensionOffset, 1);
    bool swapped = orientation == 3 || orientation == 4;
    ReducerEnds r = {swapped ? d1 / 2 : d2 / 2, swapped ? d2 / 2 : d1 / 2, 0, 0};
    DrawReducer(*this, l, dimensionOffset, r, system.roundCentreLines != 0);
    return block.Close();
}

int16_t LVf09::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(dimensionOffset, 1);
    ReducerEnds r = {d2 / 2, d1 / 2, 0, 0};
    if (orientation % 3 == 0)
        r.yR = e;
    else if (orientation % 3 == 1)
        r.yR = f;
    if (orientation == 3 || orientation == 4)
        r = {d1 / 2, d2 / 2, r.yR, 0};
    DrawReducer(*this, l, dimensionOffset, r, system.roundCentreLines != 0);
    return block.Close();
}
