#include "elements/rcs/lrcs_daf.h"

#include "core/description_text.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "core/rounding.h"
#include "core/text_lists.h"
#include "elements/rcs/rcs_pen_lines.h"

namespace {

constexpr int16_t kParamCount = 6;
constexpr int16_t kConnectorCount = 2;
constexpr int16_t kTypeParam = 0, kDiameterParam = 1, kOptionParam = 4;
constexpr int16_t kSpigotSide = 1;
constexpr int16_t kSizes = 4;
// Per size number: the spigot it is made with, and the face's width.
const double kSpigots[kSizes] = {125, 160, 200, 250};
const double kWidths[kSizes] = {40, 77, 115, 152};
constexpr double kSpigot = 50;   // the spigot's length
constexpr double kSpigotAxis = 40;  // its axis above the face
constexpr double kBoxTop = 175;  // the box's half height in the side view

int16_t SizeNumberOf(double d) {
    int16_t n = 1;
    while (n < kSizes && d >= kSpigots[n])
        ++n;
    return n;
}

}  // namespace

LRCsDAF::LRCsDAF() : LRCs(37, kConnectorCount, kParamCount) {
    for (int i = 0; i < kConnectorCount; ++i) {
        connectors[i]->shape = kShapeRound;
        connectors[i]->side = kSpigotSide;
        connectors[i]->paramA = kDiameterParam;
    }
    SetFlipModes(2, 0, 1);
    SetParams(DefaultValues());
}

int16_t LRCsDAF::GetParams(double** values) {
    *values = new double[kParamCount]{static_cast<double>(type), d, L, static_cast<double>(sizeNumber),
                                      static_cast<double>(option), static_cast<double>(pFlag)};
    return 0;
}

int16_t LRCsDAF::SetParams(const double* v) {
    if (!v)
        return 0;
    int16_t oldNumber = sizeNumber;
    double oldD = d;
    type = RoundToShort(v[0]);
    d = SizeOr(v[1], d);
    L = SizeOr(v[2], L);
    int16_t n = RoundToShort(v[3]);
    sizeNumber = n < 1 ? 1 : n > kSizes ? kSizes : n;
    option = RoundToShort(v[4]);
    pFlag = RoundToShort(v[5]);
    // A free DAF whose size number alone changed takes that number's
    // spigot.  Otherwise the size number follows the spigot: once joined
    // the spigot is the joint's, and values that bring their own spigot
    // (read back from the drawing) keep it.
    bool free = connectors[0]->IsFree() && connectors[1]->IsFree();
    if (sizeNumber != oldNumber && free && d == oldD)
        d = kSpigots[sizeNumber - 1];
    else
        sizeNumber = SizeNumberOf(d);
    B = kWidths[sizeNumber - 1];
    double x = TwoSpigots() ? L / 4 : 0;
    for (int i = 0; i < kConnectorCount; ++i) {
        connectors[i]->a = connectors[i]->b = d;
        SetPoint3d(connectors[i]->position, i == 0 ? x : -x, -B / 2 - kSpigot, kSpigotAxis);
    }
    return 0;
}

std::string LRCsDAF::NameText() const {
    std::string name = pFlag > 0 ? "P-" : "";
    name += RowText(*this, kTypeParam, type);
    if (option > 1)
        AppendItem(&name, RowText(*this, kOptionParam, option));
    return name;
}

char* LRCsDAF::GetDescription() { return DescriptionText(NameText()).Size("L", L).Size("B", B).NewBuffer(); }

// Both spigots feed the face.
int16_t LRCsDAF::UpdateLabel() {
    SetFlow(connectors[0]->flow + connectors[1]->flow);
    return MakeFittingLabel(NameText().c_str(), RectSizeText(L, B).c_str());
}

// From above: the face with its diagonals (hidden under the box), its
// frame broken where the spigots leave; from below: the frame and the face.
// From the ends: the box with one spigot; along the spigots: nothing.
int16_t LRCsDAF::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    ElementView view = ViewOf(orientation);
    double g2 = layoutLengths[2], g6 = layoutLengths[6];
    double x = L / 2, y = B / 2, fx = x + g6, fy = y + g6, r = d / 2, end = -y - kSpigot;
    const FittingPen out = FittingPen::kOutline, pen2 = FittingPen::kPen2;
    double centres[2] = {0, 0};
    int spigots = 1;
    if (TwoSpigots()) {
        centres[0] = -L / 4;
        centres[1] = L / 4;
        spigots = 2;
    }
    if (view.IsPlan() && !view.fromBelow) {
        FigureChain(*this, out, {{-x, y}, {x, y}, {x, -y}, {-x, -y}, {-x, y}});
        FigureLine(*this, FittingPen::kDashed, {-x, y}, {x, -y});
        FigureLine(*this, FittingPen::kDashed, {x, y}, {-x, -y});
        FigureChain(*this, pen2, {{-fx, -fy}, {-fx, fy}, {fx, fy}, {fx, -fy}});
        double from = -fx;
        for (int i = 0; i < spigots; ++i) {
            FigureLine(*this, pen2, {from, -fy}, {centres[i] - r, -fy});
            from = centres[i] + r;
        }
        FigureLine(*this, pen2, {from, -fy}, {fx, -fy});
        for (int i = 0; i < spigots; ++i) {
            double c = centres[i];
            FigureLine(*this, out, {c - r, -y}, {c - r, end});
            FigureLine(*this, FittingPen::kPen1, {c - r, end}, {c + r, end});
            FigureLine(*this, out, {c + r, end}, {c + r, -y});
        }
    } else if (view.IsPlan()) {
        FigureChain(*this, pen2, {{-fx, -fy}, {-fx, fy}, {fx, fy}, {fx, -fy}, {-fx, -fy}});
        FigureChain(*this, out, {{-x, -y}, {-x, y}, {x, y}, {x, -y}, {-x, -y}});
        FigureLine(*this, pen2, {-x, -y}, {x, y});
        FigureLine(*this, pen2, {-x, y}, {x, -y});
        for (int i = 0; i < spigots; ++i) {
            double c = centres[i];
            FigureLine(*this, out, {c - r, -fy}, {c - r, end});
            FigureLine(*this, FittingPen::kPen1, {c - r, end}, {c + r, end});
            FigureLine(*this, out, {c + r, end}, {c + r, -fy});
        }
    } else if (view.IsEnd()) {
        double s = FromFarSide(orientation) ? -1.0 : 1.0, foot = -kBoxTop + g2;
        FigureChain(*this, out, {{-y, foot}, {-y, kBoxTop}, {y, kBoxTop}, {y, foot}});
        FigureLine(*this, out, {-y - g6, foot}, {y + g6, foot});
        // The face's right end reaches as far as the SB's and BPS's.
        FigureLine(*this, pen2, {-y - g6, -kBoxTop}, {y + g2, -kBoxTop});
        double sx = -s * (y + kSpigot), bx = -s * y;
        FigureLine(*this, out, {sx, kSpigotAxis + r}, {bx, kSpigotAxis + r});
        FigureLine(*this, FittingPen::kPen1, {sx, kSpigotAxis + r}, {sx, kSpigotAxis - r});
        FigureLine(*this, out, {sx, kSpigotAxis - r}, {bx, kSpigotAxis - r});
    }
    return block.Close();
}
