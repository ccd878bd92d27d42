#include "elements/vl/lvl05.h"

#include <algorithm>

#include "ads_entity.h"
#include "core/draw_neutral.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "core/param_bindings.h"
#include "elements/straight_run.h"
#include "elements/vl/vl_transition.h"

namespace {
// The values in their order, as GetParams gives them.
constexpr ParamBinding<LVl05> kValues[] = {NumberField<LVl05>(&LVl05::a), NumberField<LVl05>(&LVl05::b),
                                           NumberField<LVl05>(&LVl05::c), NumberField<LVl05>(&LVl05::d),
                                           NumberField<LVl05>(&LVl05::l)};
}  // namespace

LVl05::LVl05() : LVlInlineTransition(5, 3) {
    SetAttachMasks(32, 32, 0, 32, 32, 0);
    SetParams(DefaultValues());
}

int16_t LVl05::GetParams(double** values) { return GetBoundParams(*this, kValues, values); }

int16_t LVl05::SetParams(const double* v) {
    if (v) {
        TakeWidths(v);
        double b0 = b, d0 = d;
        b = SizeOrPartner(v[1], v[3], b0);
        d = SizeOrPartner(v[3], v[1], d0);
    }
    TakeLength(v);
    PlaceEnds(d, 0);
    SetAttachOffsets((b + d) / 4, (a + c) / 4, 0, (b + d) / 4, (a + c) / 4, 0);
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
