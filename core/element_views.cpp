#include "core/element_views.h"

#include "core/draw_neutral.h"
#include "core/lobject.h"

ElementView ViewOf(int16_t o) {
    ElementView v;
    if (o < 0 || o > 5)
        return v;
    const ViewKind kinds[3] = {ViewKind::kPlan, ViewKind::kSide, ViewKind::kEnd};
    v.kind = kinds[o % 3];
    v.fromBelow = o == 3;
    v.mirroredX = o == 3 || o == 4;
    v.mirroredY = o == 1 || o == 3;
    return v;
}

int16_t OutlineLine(LObject& e, const ads_point p1, const ads_point p2, bool hidden) {
    return hidden ? e.DashedLine(p1, p2) : MakeLine(p1, p2);
}
