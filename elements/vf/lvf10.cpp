#include "elements/vf/lvf10.h"

#include "core/element_block.h"
#include "core/element_views.h"
#include "core/text_lists.h"
#include "elements/straight_run.h"
#include "elements/vf/lvf_fit.h"
#include "elements/vf/vf_inline.h"

namespace {
constexpr int kValueCount = 1;
}  // namespace

LVf10::LVf10() : LVf(9, 2, kValueCount) {
    SetRunEnds(true, 0, -1);
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
    PlaceInlineEnds(*this, d, L);
    return 0;
}

int16_t LVf10::MarkFixedParams(int16_t*) { return -1; }

int16_t LVf10::FitLength(double*, int16_t*, int16_t connectorA, int16_t connectorB, double along,
                         double across) {
    return IsRunEnds(orientation, connectorA, connectorB, 0, 1) && across == 0.0 && along == L ? 0 : -1;
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
    // Outside the six orientations the diagonal slants as in the side view.
    if (!view.IsEnd())
        DrawMarkedBody(*this, d, L, view.IsPlan() ? 1.0 : -1.0);
    DrawInlineCentreLine(*this, L);
    return block.Close();
}
