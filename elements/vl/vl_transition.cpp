#include "elements/vl/vl_transition.h"

#include "ads_entity.h"
#include "core/dimensions.h"
#include "core/element_views.h"
#include "core/geometry.h"
#include "elements/straight_run.h"
#include "elements/vl/vl_branch_rules.h"

namespace {
constexpr double kQuarterTurn = 1.57079632675;
}

double SizeOrPartner(double v, double partner, double old) { return FirstSize(old, {v, partner}); }

bool IsInlinePair(int16_t orientation, int16_t a, int16_t b) {
    if (ViewOf(orientation).IsEnd() || ViewOf(orientation).kind == ViewKind::kNone || a == b)
        return false;
    return (a == 0 && b == 1) || (a == 1 && b == 0);
}

void DimensionLength(LObject& e, double l, double o1, double o2, double o3, double o4) {
    ElementView view = ViewOf(e.orientation);
    if (view.IsEnd() || view.kind == ViewKind::kNone)
        return;
    MakeAlignedDimension(e, e.insertionPoint, l, o1, o2, o3, o4, e.rotation);
}

void DimensionOffset(LObject& e, const ads_point p, const ads_point q, double value) {
    ads_point a = {p[0] * e.scale.sx, p[1] * e.scale.sy, 0};
    ads_point b = {q[0] * e.scale.sx, q[1] * e.scale.sy, 0};
    RotateVector2d(a, e.rotation);
    RotateVector2d(b, e.rotation);
    AddVector3d(a, e.insertionPoint);
    AddVector3d(b, e.insertionPoint);
    MakeRotatedDimension(e, a, b, e.rotation + kQuarterTurn, value);
}
