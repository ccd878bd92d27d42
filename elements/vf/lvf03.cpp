#include "elements/vf/lvf03.h"

#include "core/draw_neutral.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "core/geometry.h"
#include "elements/straight_run.h"

namespace {
constexpr int16_t kCapKind = 8;  // set on a duct end by its connector 0
}

LVf03::LVf03() : LVf(21, 1, 1) {
    vfKsCode = kVfKsVf;
    connectors[0]->side = 5;
    connectors[0]->paramA = 0;
    kind = kCapKind;
    SetParams(DefaultValues());
}

int16_t LVf03::GetParams(double** values) {
    double* v = new double[1];
    v[0] = d;
    *values = v;
    return 0;
}

int16_t LVf03::SetParams(const double* v) {
    if (v && IsSize(v[0]))
        d = v[0];
    connectors[0]->a = connectors[0]->b = d;
    SetPoint3d(connectors[0]->position, -dimensionOffset, 0, 0);
    return 0;
}

int16_t LVf03::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    const double c = dimensionOffset;
    ElementView view = ViewOf(orientation);
    ads_point centre = {0, 0, 0};
    if (orientation == 2) {
        MakeCircle(centre, d / 2 - c);
    } else if (orientation == 5) {
        DashedCircle(centre, d / 2 - c);
    } else if (view.kind != ViewKind::kNone) {
        ads_point p[4] = {{-c, d / 2, 0}, {0, d / 2, 0}, {0, -d / 2, 0}, {-c, -d / 2, 0}};
        for (int i = 0; i < 3; ++i)
            MakeLine(p[i], p[i + 1]);
        if (system.roundCentreLines != 0) {
            ads_point from = {-view.SignX() * c, 0, 0};
            LineB(from, centre);
        }
    }
    return block.Close();
}
