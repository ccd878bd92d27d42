#include "elements/rcs/lrcs_kp.h"

#include <cmath>

#include "core/description_text.h"
#include "core/draw_neutral.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "core/text_lists.h"
#include "elements/rcs/rcs_pen_lines.h"

namespace {

constexpr int16_t kParamCount = 2;
constexpr double kShortest = 100, kLongest = 500;
constexpr double kHead = 80;  // the head's radius
constexpr double kHalfTurn = 3.1415926535;

}  // namespace

LRCsKp::LRCsKp() : LRCs(36, 1, kParamCount) {
    MakeTopSpigot(0);
    SetParams(DefaultValues());
}

int16_t LRCsKp::GetParams(double** values) {
    *values = new double[kParamCount]{kDiameter, L};
    return 0;
}

int16_t LRCsKp::SetParams(const double* v) {
    if (!v)
        return 0;
    D = kDiameter;
    if (std::isfinite(v[1]))
        L = v[1] < kShortest ? kShortest : v[1] > kLongest ? kLongest : v[1];
    connectors[0]->a = connectors[0]->b = D;
    return 0;
}

char* LRCsKp::GetDescription() { return DescriptionText("KP").Size("L", L).NewBuffer(); }

int16_t LRCsKp::UpdateLabel() {
    SetFlow(connectors[0]->flow);
    return MakeFittingLabel("KP", RoundSizeText(D).c_str());
}

// Plan: the head.  Side: the neck down from the connector and the head's
// half round at its end.
int16_t LRCsKp::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    ElementView view = ViewOf(orientation);
    if (view.IsPlan()) {
        const ads_point c = {0, 0, 0};
        MakeCircle(c, kHead);
    } else if (view.IsSide() || view.IsEnd()) {
        double r = D / 2;
        FigureChain(*this, FittingPen::kOutline, {{-r, -L}, {-r, 0}, {r, 0}, {r, -L}});
        FigureLine(*this, FittingPen::kOutline, {-kHead, -L}, {kHead, -L});
        const ads_point c = {0, -L, 0};
        MakeArc(c, kHead, kHalfTurn, 0);
    }
    return block.Close();
}
