#include "elements/vl/lvl05.h"

#include <algorithm>

#include "ads_entity.h"
#include "core/draw_neutral.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "elements/straight_run.h"
#include "elements/vl/vl_transition.h"

namespace {
constexpr int kValueCount = 5;
}

LVl05::LVl05() : LVl(5, 2, kValueCount) {
    connectors[0]->side = 2;
    connectors[0]->paramA = 2;
    connectors[0]->paramB = 3;
    connectors[1]->side = 5;
    connectors[1]->paramA = 0;
    connectors[1]->paramB = 1;
    SetAttachMasks(32, 32, 0, 32, 32, 0);
    SetFlipModes(1, 0, 0);
    SetParams(DefaultValues());
}

int16_t LVl05::GetParams(double** values) {
    double* v = new double[kValueCount];
    v[0] = a;
    v[1] = b;
    v[2] = c;
    v[3] = d;
    v[4] = l;
    *values = v;
    return 0;
}

int16_t LVl05::SetParams(const double* v) {
    if (v) {
        double a0 = a, b0 = b, c0 = c, d0 = d;
        a = SizeOrPartner(v[0], v[2], a0);
        b = SizeOrPartner(v[1], v[3], b0);
        c = SizeOrPartner(v[2], v[0], c0);
        d = SizeOrPartner(v[3], v[1], d0);
        if (IsSize(v[4]))
            l = v[4];
    }
    l = std::max(l, kVl05ShortestLength);
    LConnector* c0 = connectors[0];
    LConnector* c1 = connectors[1];
    c0->a = c;
    c0->b = d;
    SetPoint3d(c0->position, l / 2, 0, 0);
    c1->a = a;
    c1->b = b;
    SetPoint3d(c1->position, -l / 2, 0, 0);
    SetAttachOffsets((b + d) / 4, (a + c) / 4, 0, (b + d) / 4, (a + c) / 4, 0);
    return 0;
}

int16_t LVl05::MarkFixedParams(int16_t* flags) {
    if (flags)
        flags[4] = 1;
    return 0;
}

int16_t LVl05::FitLength(double* params, int16_t* changed, int16_t connectorA,
                         int16_t connectorB, double along, double across) {
    if (!IsInlinePair(orientation, connectorA, connectorB) || across != 0.0 ||
        !(along >= kVl05ShortestLength) || !params || !changed)
        return -1;
    params[4] = along;
    changed[4] = 1;
    return 0;
}

void LVl05::EndWidths(double* w1, double* w2) const {
    ElementView view = ViewOf(orientation);
    *w1 = view.IsSide() ? b : a;
    *w2 = view.IsSide() ? d : c;
    if (view.mirroredX)
        std::swap(*w1, *w2);
}

int16_t LVl05::UpdateLabel() {
    double w1, w2;
    EndWidths(&w1, &w2);
    double o1 = w1 / 2 + endMarkSize, o2 = w2 / 2 + endMarkSize;
    DimensionLength(*this, l, o1, o2, o1, o2);
    acdbEntUpd(entity);
    return 0;
}

int16_t LVl05::AdjustInsertionPoint(ads_point, const double*) { return 0; }

int16_t LVl05::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(endMarkSize, 1);
    if (!ViewOf(orientation).IsEnd()) {
        double w1, w2;
        EndWidths(&w1, &w2);
        for (double s : {1.0, -1.0}) {
            ads_point p1 = {-l / 2, s * w1 / 2, 0}, p2 = {l / 2, s * w2 / 2, 0};
            MakeLine(p1, p2);
        }
    }
    if (system.rectCentreLines != 0) {
        ads_point p1 = {-l / 2, 0, 0}, p2 = {l / 2, 0, 0};
        LineB(p1, p2);
    }
    return block.Close();
}
