#include "elements/vf/lvf10.h"

#include <algorithm>

#include "core/draw_neutral.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "core/text_lists.h"
#include "elements/straight_run.h"

namespace {
constexpr int kValueCount = 1;
// Radius of the centre dot, as a share of d.
constexpr double kDotShare = 0.05;
}  // namespace

LVf10::LVf10() : LVf(9, 2, kValueCount) {
    connectors[0]->side = 2;
    connectors[1]->side = 5;
    connectors[0]->paramA = connectors[1]->paramA = 0;
    SetParams(DefaultValues());
}

int16_t LVf10::GetParams(double** values) {
    double* v = new double[kValueCount];
    v[0] = d;
    *values = v;
    return 0;
}

int16_t LVf10::SetParams(const double* v) {
    if (v && IsSize(v[0]))
        d = v[0];
    L = d + 2 * dimensionOffset;
    for (int i = 0; i < 2; ++i)
        connectors[i]->a = connectors[i]->b = d;
    SetPoint3d(connectors[0]->position, L / 2, 0, 0);
    SetPoint3d(connectors[1]->position, -L / 2, 0, 0);
    connectors[1]->flow = connectors[0]->flow;
    return 0;
}

int16_t LVf10::MarkFixedParams(int16_t*) { return -1; }

int16_t LVf10::FitLength(double*, int16_t*, int16_t connectorA, int16_t connectorB, double along,
                         double across) {
    if (ViewOf(orientation).IsEnd() || connectorA == connectorB ||
        std::min(connectorA, connectorB) != 0 || std::max(connectorA, connectorB) != 1)
        return -1;
    return across == 0.0 && along == L ? 0 : -1;
}

int16_t LVf10::UpdateLabel() {
    flow = connectors[0]->flow;
    const char* code = descriptor && descriptor->displayCode ? descriptor->displayCode : "";
    return MakeFittingLabel(code, RoundSizeText(d).c_str());
}

int16_t LVf10::AdjustInsertionPoint(ads_point, const double*) { return 0; }

int16_t LVf10::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(endMarkSize, 1);
    ElementView view = ViewOf(orientation);
    if (!view.IsEnd()) {
        const double c = dimensionOffset;
        double s = view.IsPlan() ? 1.0 : -1.0;
        for (double y : {d / 2, -d / 2}) {
            ads_point p1 = {-L / 2, y, 0}, p2 = {L / 2, y, 0};
            MakeLine(p1, p2);
        }
        for (double x : {-L / 2 + c, L / 2 - c}) {
            ads_point p1 = {x, d / 2, 0}, p2 = {x, -d / 2, 0};
            Line(p1, p2);
        }
        ads_point centre = {0, 0, 0};
        SolidHatch(centre, kDotShare * d);
        ads_point q1 = {-s * d / 4, 3 * d / 8, 0}, q2 = {s * d / 4, -3 * d / 8, 0};
        DashedLine(q1, q2);
    }
    if (system.roundCentreLines != 0) {
        ads_point p1 = {-L / 2, 0, 0}, p2 = {L / 2, 0, 0};
        LineB(p1, p2);
    }
    return block.Close();
}
