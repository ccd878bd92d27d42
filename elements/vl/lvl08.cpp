#include "elements/vl/lvl08.h"

#include "ads_entity.h"
#include "core/draw_neutral.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "elements/straight_run.h"
#include "elements/vl/vl_transition.h"

namespace {
constexpr int kValueCount = 4;
}

LVl08::LVl08() : LVl(8, 2, kValueCount) {
    connectors[0]->side = 2;
    connectors[0]->shape = kShapeRound;
    connectors[0]->paramA = 2;
    connectors[1]->side = 5;
    connectors[1]->paramA = 0;
    connectors[1]->paramB = 1;
    SetFlipModes(1, 0, 0);
    SetParams(DefaultValues());
}

int16_t LVl08::GetParams(double** values) {
    double* v = new double[kValueCount];
    v[0] = a;
    v[1] = b;
    v[2] = d;
    v[3] = l;
    *values = v;
    return 0;
}

int16_t LVl08::SetParams(const double* v) {
    if (v) {
        double a0 = a, b0 = b, d0 = d;
        a = SizeOrPartner(v[0], v[2], a0);
        b = SizeOrPartner(v[1], v[2], b0);
        d = SizeOrPartner(v[2], v[1], SizeOrPartner(v[0], 0.0, d0));
        if (IsSize(v[3]))
            l = v[3];
    }
    LConnector* c0 = connectors[0];
    LConnector* c1 = connectors[1];
    c0->a = d;
    c0->b = 0.0;
    SetPoint3d(c0->position, l / 2, 0, 0);
    c1->a = a;
    c1->b = b;
    SetPoint3d(c1->position, -l / 2, 0, 0);
    return 0;
}

int16_t LVl08::MarkFixedParams(int16_t* flags) {
    if (flags)
        flags[3] = 1;
    return 0;
}

int16_t LVl08::FitLength(double* params, int16_t* changed, int16_t connectorA,
                         int16_t connectorB, double along, double across) {
    if (!IsInlinePair(orientation, connectorA, connectorB) || across != 0.0 || !IsSize(along) ||
        !params || !changed)
        return -1;
    params[3] = along;
    changed[3] = 1;
    return 0;
}

// The round end has no end mark beside it, so its offset is the bare radius.
int16_t LVl08::UpdateLabel() {
    ElementView view = ViewOf(orientation);
    double rect = (view.IsSide() ? b : a) / 2 + endMarkSize, round = d / 2;
    double o1 = view.mirroredX ? round : rect, o2 = view.mirroredX ? rect : round;
    DimensionLength(*this, l, o1, o2, o1, o2);
    acdbEntUpd(entity);
    return 0;
}

int16_t LVl08::AdjustInsertionPoint(ads_point, const double*) { return 0; }

int16_t LVl08::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(endMarkSize, 1);
    ElementView view = ViewOf(orientation);
    if (!view.IsEnd()) {
        double w = view.IsSide() ? b : a;
        // x of the rectangular end; the round end is at -xr.
        double xr = view.mirroredX ? l / 2 : -l / 2;
        for (double s : {1.0, -1.0}) {
            ads_point r = {xr, s * w / 2, 0}, o = {-xr, s * d / 2, 0}, tip = {-xr, 0, 0};
            MakeLine(r, o);
            Line(r, tip);
        }
    }
    if (system.rectCentreLines != 0) {
        ads_point p1 = {-l / 2, 0, 0}, p2 = {l / 2, 0, 0};
        LineB(p1, p2);
    }
    return block.Close();
}
