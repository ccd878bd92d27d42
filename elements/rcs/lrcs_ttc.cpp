#include "elements/rcs/lrcs_ttc.h"

#include "core/description_text.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "core/rounding.h"
#include "core/text_buffer.h"
#include "elements/rcs/rcs_pen_lines.h"

namespace {

constexpr int16_t kParamCount = 7;
constexpr int16_t kVariantParam = 0, kTypeParam = 1, kDiameterParam = 2, kGParam = 5;
constexpr int16_t kBackSide = 5;
constexpr double kBoxDepth = 128;
constexpr double kSpigot = 50;
// The face sizes the spigots come with.
constexpr double kSmall = 203, kMiddle = 305, kLarge = 457, kLarger = 575, kLargest = 610;

}  // namespace

LRCsTTC::LRCsTTC() : LRCsTtBox(31, kParamCount, kGParam) {
    MakeRoundSpigot(kBackSide, kDiameterParam);
    SetParams(DefaultValues());
}

int16_t LRCsTTC::GetParams(double** values) {
    *values = new double[kParamCount]{static_cast<double>(variant), static_cast<double>(typeCode), d,
                                      H, L, static_cast<double>(gCode), h};
    return 0;
}

int16_t LRCsTTC::SetParams(const double* v) {
    if (!v)
        return 0;
    double oldD = d, oldH = H, oldL = L;
    variant = RoundToShort(v[0]);
    typeCode = RoundToShort(v[1]);
    d = SizeOr(v[2], d);
    H = SizeOr(v[3], H);
    L = SizeOr(v[4], L);
    gCode = RoundToShort(v[5]);
    h = SizeOr(v[6], h);
    bool lChanged = L != oldL;
    double x = lChanged ? L : H;  // the size changed last
    auto face = [this](double a, double b) {
        H = a;
        L = b;
    };
    // A face the spigot does not come with is put back, or, with a new
    // spigot, becomes the spigot's first face.
    auto otherwise = [&](double size) {
        if (d == oldD)
            face(oldH, oldL);
        else
            face(size, size);
    };
    if (d < 200) {
        if (x == kSmall || x == kMiddle)
            face(x, x);
        else
            otherwise(kSmall);
    } else if (d < 250) {
        double chosen = lChanged ? L : H;
        if (chosen == kLarge)
            face(kLarge, kLarge);
        else if (chosen == (lChanged ? kLargest : kMiddle))
            face(kMiddle, kLargest);
        else
            otherwise(kLarge);
    } else if (d < 315) {
        face(kLarger, kLarger);
    } else {
        face(kLargest, kLargest);
    }
    connectors[0]->a = connectors[0]->b = d;
    if (FedFromBack()) {
        neck = d > 160 ? 200 : H < kMiddle ? 130 : 170;
        SetPoint3d(connectors[0]->position, -(h + kBoxDepth + neck + kSpigot) / 2, 0, 0);
    } else {
        SetPoint3d(connectors[0]->position, -H / 2 - kSpigot, 0, (h + kBoxDepth) / 2);
    }
    return 0;
}

std::string LRCsTTC::NameText() const {
    return FormatText("%s+%s", RowText(*this, kVariantParam, variant), RowText(*this, kTypeParam, typeCode));
}

// TTC: the face with its diagonals and the spigot beside it from the front;
// the box with its sloped top and the spigot from the side.  TTD: spigot,
// neck and box in a row from the front and from the side.  End-on nothing.
int16_t LRCsTTC::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    ElementView view = ViewOf(orientation);
    if (!view.IsPlan() && !view.IsSide())
        return block.Close();
    double s = view.SignX(), r = d / 2;
    const FittingPen kOut = FittingPen::kOutline;
    if (FedFromBack()) {
        double k = h + kBoxDepth + neck, w = (view.IsPlan() ? L : H) / 2;
        double x1 = -s * (k + kSpigot) / 2, x2 = -s * (k - kSpigot) / 2;
        double x3 = -s * (h + kBoxDepth - neck - kSpigot) / 2, x4 = s * (k + kSpigot) / 2;
        FigureLine(*this, FittingPen::kPen1, {x1, r}, {x1, -r});
        FigureChain(*this, kOut, {{x1, -r}, {x2, -r}, {x2, r}, {x1, r}});
        FigureChain(*this, kOut, {{x2, r}, {x3, w}, {x3, -w}, {x2, -r}});
        FigureChain(*this, kOut, {{x3, -w}, {x4, -w}, {x4, w}, {x3, w}});
    } else if (view.IsPlan()) {
        double x = H / 2, y = L / 2, c = -s * (x + kSpigot);
        FigureChain(*this, kOut, {{-x, -y}, {-x, y}, {x, y}, {x, -y}, {-x, -y}});
        FittingPen diagonal = view.fromBelow ? FittingPen::kPen2 : FittingPen::kDashed;
        FigureLine(*this, diagonal, {-x, -y}, {x, y});
        FigureLine(*this, diagonal, {-x, y}, {x, -y});
        FigureLine(*this, kOut, {-s * x, r}, {c, r});
        FigureLine(*this, FittingPen::kPen1, {c, r}, {c, -r});
        FigureLine(*this, kOut, {c, -r}, {-s * x, -r});
    } else {
        double x = s * H / 2, t = (h + d + 153) / 2, u = (h - d + 103) / 2, c = -s * (H / 2 + kSpigot);
        double low = (h + kBoxDepth - d) / 2, high = (h + kBoxDepth + d) / 2;
        FigureChain(*this, kOut, {{-x, -t}, {-x, t}, {x, u}, {x, -t}, {-x, -t}});
        FigureLine(*this, kOut, {-x, u}, {x, u});
        FigureLine(*this, kOut, {-x, low}, {c, low});
        FigureLine(*this, FittingPen::kPen1, {c, low}, {c, high});
        FigureLine(*this, kOut, {c, high}, {-x, high});
    }
    return block.Close();
}
