#include "elements/rcs/lrcs_tp.h"

#include <cmath>

#include "core/description_text.h"
#include "core/draw_neutral.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "core/fitting_figures.h"
#include "core/geometry.h"
#include "core/rounding.h"
#include "core/text_buffer.h"
#include "core/text_lists.h"
#include "elements/rcs/rcs_lists.h"

namespace {

constexpr int16_t kParamCount = 3;
constexpr int16_t kSpigotParam = 2;
constexpr double kFaceMargin = 150;

}  // namespace

LRCsTp::LRCsTp() : LRCs(14, 1, kParamCount) {
    MakeTopSpigot(kSpigotParam);
    SetParams(DefaultValues());
}

double LRCsTp::FaceSide(double d) {
    double core = d < 200 ? 250 : d < 250 ? 350 : d < 315 ? 450 : 575;
    return core + kFaceMargin;
}

int16_t LRCsTp::GetParams(double** values) {
    *values = new double[kParamCount]{static_cast<double>(type), static_cast<double>(variant), d};
    return 0;
}

int16_t LRCsTp::SetParams(const double* v) {
    if (!v)
        return 0;
    type = RoundToShort(v[0]);
    variant = RoundToShort(v[1]);
    if (std::isfinite(v[2]) && v[2] > 0.0)
        d = v[2];
    W = FaceSide(d);
    connectors[0]->a = connectors[0]->b = d;
    SetPoint3d(connectors[0]->position, 0, 0, layoutLengths[7]);
    return 0;
}

double LRCsTp::GetQuantity() { return W * W; }

std::string LRCsTp::NameText() const {
    return FormatText("%s-%s", ListText(kTpTypes, type), ListText(kTpVariants, variant));
}

char* LRCsTp::GetDescription() { return DescriptionText(NameText()).Size("W", W).NewBuffer(); }

int16_t LRCsTp::UpdateLabel() {
    SetFlow(connectors[0]->flow);
    return MakeFittingLabel(NameText().c_str(), RectSizeText(W, W).c_str());
}

// Plan: the square face with its diagonals (dashed from above).  Side and
// end: the spigot on the face.
int16_t LRCsTp::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    ElementView view = ViewOf(orientation);
    double h = W / 2, r = d / 2, g = layoutLengths[7];
    auto line0 = [this](double x1, double y1, double x2, double y2) {
        FigureLine(*this, FittingPen::kOutline, x1, y1, x2, y2);
    };
    if (view.IsPlan()) {
        line0(-h, -h, -h, h);
        line0(-h, h, h, h);
        line0(h, h, h, -h);
        line0(h, -h, -h, -h);
        ads_point d1[2] = {{-h, -h, 0}, {h, h, 0}}, d2[2] = {{-h, h, 0}, {h, -h, 0}};
        if (orientation == 0) {
            DashedLine(d1[0], d1[1]);
            DashedLine(d2[0], d2[1]);
        } else {
            Line(d1[0], d1[1]);
            Line(d2[0], d2[1]);
        }
    } else if (view.IsSide() || view.IsEnd()) {
        line0(-r, 0, -r, g);
        ads_point top[2] = {{-r, g, 0}, {r, g, 0}};
        LineC(top[0], top[1]);
        line0(r, g, r, 0);
        line0(-h, 0, h, 0);
        line0(h, 0, h, -g);
        line0(h, -g, -h, -g);
        line0(-h, -g, -h, 0);
    }
    return block.Close();
}
