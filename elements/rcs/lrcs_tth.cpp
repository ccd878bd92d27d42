#include "elements/rcs/lrcs_tth.h"

#include "core/element_block.h"
#include "core/element_views.h"
#include "core/text_buffer.h"
#include "elements/rcs/rcs_pen_lines.h"

namespace {

constexpr int16_t kParamCount = 4;
constexpr int16_t kTopSide = 0;
constexpr int16_t kStartOrientation = 1;
constexpr double kSpigot = 60;
// The housing's least height above its inner boxes, and the height it is
// then given.
constexpr double kLeastRoom = 400, kGivenRoom = 420;
constexpr double kBoxInset = 200;  // of each inner box from its end
constexpr double kBoxMargin = 25;
constexpr double kHalfTurn = 3.1415926535;

struct HousingSize {
    double below;  // D below this
    double A, B, Q;
};
const HousingSize kSizes[] = {
    {200, 380, 110, 293.44931419239754}, {250, 380, 120, 293.44931419239754},
    {315, 470, 145, 364.1599923110475},  {350, 570, 178, 434.87067042969755},
};
const HousingSize kLargest = {0, 670, 195, 576.2920266669976};

}  // namespace

LRCsTTH::LRCsTTH() : LRCs(25, 1, kParamCount) {
    MakeRoundSpigot(kTopSide, 0);
    SetFlipModes(3, 3, 3);
    orientation = kStartOrientation;
    SetParams(DefaultValues());
}

int16_t LRCsTTH::GetParams(double** values) {
    *values = new double[kParamCount]{D, M, H1, H2};
    return 0;
}

int16_t LRCsTTH::SetParams(const double* v) {
    if (!v)
        return 0;
    D = SizeOr(v[0], D);
    M = SizeOr(v[1], M);
    // 0: no such inner box.
    H1 = SizeOr(v[2], 0.0);
    H2 = SizeOr(v[3], 0.0);
    if (M < kLeastRoom + H1 + H2)
        M = kGivenRoom + H1 + H2;
    const HousingSize* size = &kLargest;
    for (const HousingSize& s : kSizes) {
        if (D < s.below) {
            size = &s;
            break;
        }
    }
    A = size->A;
    B = size->B;
    Q = size->Q;
    connectors[0]->a = connectors[0]->b = D;
    SetPoint3d(connectors[0]->position, 0, 0, M / 2 + kSpigot);
    return 0;
}

// Seen from the front or the back the housing looks the same; the side
// views swap, and the element turns half round to keep its place.
int16_t LRCsTTH::Mirror() {
    ElementView view = ViewOf(orientation);
    if (!view.IsSide() && !view.IsEnd())
        return 0;
    const int16_t swapped[6] = {0, 2, 1, 3, 5, 4};
    orientation = swapped[orientation];
    if (rotation > kHalfTurn)
        rotation -= kHalfTurn;
    else
        rotation += kHalfTurn;
    return 0;
}

char* LRCsTTH::GetDescription() {
    return NewTextBuffer(FormatText("TTH D=%lg;  H1=%lg;  H2=%lg;  M=%lg;", D, H1, H2, M), kDescriptionSize);
}

// From the side (and end-on, the other way round): the housing beside its
// connection, the divider between them and the inner boxes drawn with
// their diagonals; from the far side the inner parts are hidden.  From
// above or below nothing.
int16_t LRCsTTH::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    ElementView view = ViewOf(orientation);
    if (!view.IsSide() && !view.IsEnd())
        return block.Close();
    bool hidden = FromFarSide(orientation);
    double s = view.IsSide() ? -1.0 : 1.0, top = M / 2;
    double back = s * (B - A - layoutLengths[3]);
    FigureChain(*this, FittingPen::kOutline, {{s * B, top}, {back, top}, {back, -top}, {s * B, -top}, {s * B, top}});
    FittingPen inner = DetailPen(hidden);
    double divider = s * (B - A);
    FigureLine(*this, hidden ? FittingPen::kDashed : FittingPen::kOutline, {divider, top}, {divider, -top});
    double c = s * (B - kBoxMargin - A / 2), left = c - Q / 2, right = c + Q / 2;
    auto box = [&](double ya, double yb) {
        FigureLine(*this, inner, {left, ya}, {left, yb});
        FigureLine(*this, inner, {left, yb}, {right, ya});
        FigureLine(*this, inner, {right, ya}, {right, yb});
        FigureLine(*this, inner, {right, yb}, {left, ya});
        FigureLine(*this, inner, {left, ya}, {right, ya});
        FigureLine(*this, inner, {left, yb}, {right, yb});
    };
    if (H2 > 0)
        box(top - kBoxInset, top - kBoxInset - H2);
    if (H1 > 0)
        box(-top + kBoxInset, -top + kBoxInset + H1);
    double r = D / 2, end = top + kSpigot;
    FigureLine(*this, FittingPen::kOutline, {r, top}, {r, end});
    FigureLine(*this, FittingPen::kPen1, {r, end}, {-r, end});
    FigureLine(*this, FittingPen::kOutline, {-r, end}, {-r, top});
    return block.Close();
}
