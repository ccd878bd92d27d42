#include "elements/rcs/lrcs_bpn.h"

#include <cmath>

#include "core/description_text.h"
#include "core/element_block.h"
#include "core/geometry.h"
#include "core/rounding.h"
#include "core/text_buffer.h"
#include "core/text_lists.h"
#include "elements/rcs/rcs_pen_lines.h"
#include "elements/rcs/rcs_lists.h"

namespace {

constexpr int16_t kParamCount = 4;
constexpr int16_t kDiameterParam = 1;
constexpr double kSpigotLength = 50;
constexpr double kSpigotDrop = 25;
constexpr double kBoxAboveSpigot = 80;
constexpr double kBodyHalf = 75;  // the box of the other types is 150 deep

}  // namespace

LRCsBPN::LRCsBPN() : LRCs(18, 1, kParamCount) {
    MakeRoundSpigot(5, kDiameterParam);
    SetFlipModes(0, 1, 0);
    SetParams(DefaultValues());
}

int16_t LRCsBPN::GetParams(double** values) {
    *values = new double[kParamCount]{static_cast<double>(type), D, A, static_cast<double>(variant)};
    return 0;
}

int16_t LRCsBPN::SetParams(const double* v) {
    if (!v)
        return 0;
    type = RoundToShort(v[0]);
    SetSize(&D, v[1]);
    SetSize(&A, v[2]);
    variant = RoundToShort(v[3]);
    connectors[0]->a = connectors[0]->b = D;
    if (SideSpigot())
        SetPoint3d(connectors[0]->position, -(A / 2 + kSpigotLength), 0,
                   ((D + kBoxAboveSpigot) - D) / 2 - kSpigotDrop);
    else
        SetPoint3d(connectors[0]->position, -(kBodyHalf + kSpigotLength), 0, 0);
    return 0;
}

double LRCsBPN::GetQuantity() { return A * A; }

std::string LRCsBPN::NameText() const {
    return FormatText("%s-%s", ListText(kBpnTypes, type), ListText(kBpnVariants, variant));
}

char* LRCsBPN::GetDescription() { return DescriptionText(NameText()).Size("A", A).NewBuffer(); }

int16_t LRCsBPN::UpdateLabel() {
    SetFlow(connectors[0]->flow);
    return MakeFittingLabel(NameText().c_str(), RectSizeText(A, A).c_str());
}

// The BPN-L types: the face with its hub and four vanes and the spigot on
// the box's side in plan, the box with its sloped back from the side.  The
// others: the tapered box and its spigot, the same in every view.
int16_t LRCsBPN::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    double h = A / 2, r = D / 2;
    if (!SideSpigot()) {
        if (orientation >= 0 && orientation <= 5) {
            double s = orientation < 3 ? 1.0 : -1.0, b = kBodyHalf, e = b + kSpigotLength;
            FigureChain(*this, FittingPen::kOutline,
                        {{-b * s, -0.45 * A}, {-b * s, 0.45 * A}, {b * s, h}, {b * s, -h}, {-b * s, -0.45 * A}});
            FigureLine(*this, FittingPen::kOutline, {-b * s, r}, {-e * s, r});
            FigureLine(*this, FittingPen::kOutline, {-b * s, -r}, {-e * s, -r});
            FigureLine(*this, FittingPen::kPen1, {-e * s, r}, {-e * s, -r});
        }
        return block.Close();
    }
    double s = orientation == 3 || orientation == 4 ? -1.0 : 1.0, e = h + kSpigotLength;
    if (orientation == 0 || orientation == 3) {
        bool hidden = orientation == 0;
        FigureChain(*this, FittingPen::kOutline, {{-h, -h}, {-h, h}, {h, h}, {h, -h}, {-h, -h}});
        FigureLine(*this, FittingPen::kOutline, {-s * h, r}, {-s * e, r});
        FigureLine(*this, FittingPen::kPen1, {-s * e, r}, {-s * e, -r});
        FigureLine(*this, FittingPen::kOutline, {-s * e, -r}, {-s * h, -r});
        double g3 = layoutLengths[3], v = h - g3;
        Circle2OrDashed(*this, {0, 0}, g3 / 2, hidden);
        FigureLine(*this, DetailPen(hidden), {g3, g3}, {v, v});
        FigureLine(*this, DetailPen(hidden), {g3, -g3}, {v, -v});
        FigureLine(*this, DetailPen(hidden), {-g3, -g3}, {-v, -v});
        FigureLine(*this, DetailPen(hidden), {-g3, g3}, {-v, v});
    } else if (orientation == 1 || orientation == 4) {
        double t = (D + kBoxAboveSpigot) / 2, yt = t - kSpigotDrop, yb = yt - D;
        FigureChain(*this, FittingPen::kOutline, {{-s * h, -t}, {-s * h, t}, {0, t}, {s * h, -t}, {-s * h, -t}});
        FigureLine(*this, FittingPen::kOutline, {-s * h, yb}, {-s * e, yb});
        FigureLine(*this, FittingPen::kPen1, {-s * e, yb}, {-s * e, yt});
        FigureLine(*this, FittingPen::kOutline, {-s * e, yt}, {-s * h, yt});
    }
    return block.Close();
}
