#include "elements/vf/lvf15.h"

#include <cmath>

#include "core/draw_neutral.h"
#include "core/element_block.h"
#include "core/geometry.h"

namespace {
constexpr int16_t kStubKind = 33;  // an attached child
constexpr double kShortStub = 60.0;
constexpr double kTallStub = 80.0;
}  // namespace

LVf15::LVf15() : LVf(22, 1, 1) {
    connectors[0]->side = 0;
    connectors[0]->paramA = 0;
    kind = kStubKind;
    SetFlipModes(0, 1, 1);
    SetParams(DefaultValues());
}

int16_t LVf15::GetParams(double** values) {
    double* v = new double[1];
    v[0] = d;
    *values = v;
    return 0;
}

int16_t LVf15::SetParams(const double* v) {
    if (v && std::isfinite(v[0]) && v[0] >= 0.0)
        d = v[0];
    h = d < kVf15TallFrom ? kShortStub : kTallStub;
    connectors[0]->a = connectors[0]->b = d;
    SetPoint3d(connectors[0]->position, 0, 0, h);
    return 0;
}

int16_t LVf15::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(endMarkSize, 1);
    ads_point centre = {0, 0, 0};
    if (orientation == 0 || orientation == 3) {
        if (orientation == 3)
            DashedCircle(centre, d / 2);
        if (system.roundCentreLines != 0) {
            double r = d / 2 + endMarkSize;
            ads_point p[4] = {{-r, 0, 0}, {r, 0, 0}, {0, r, 0}, {0, -r, 0}};
            LineB(p[0], p[1]);
            LineB(p[2], p[3]);
        }
    } else if (orientation >= 0 && orientation <= 5) {
        for (double x : {-d / 2, d / 2}) {
            ads_point p1 = {x, 0, 0}, p2 = {x, h, 0};
            MakeLine(p1, p2);
        }
    }
    return block.Close();
}
