#include "elements/rcs/lrcs_vbf.h"

#include <cmath>
#include <string>

#include "core/draw_neutral.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "core/rounding.h"
#include "core/text_buffer.h"
#include "elements/rcs/rcs_pen_lines.h"

namespace {

constexpr int16_t kParamCount = 3;

// The casing of each diameter: the first row whose bound D lies below.
struct Casing {
    double below, L, A, B;
};
const Casing kCasings[] = {
    {250, 450, 170, 130}, {315, 560, 200, 145}, {400, 700, 230, 165}, {450, 900, 290, 190},
    {500, 900, 320, 200}, {630, 980, 380, 220},
};
const Casing kLargest = {0, 1200, 440, 250};

}  // namespace

LRCsVBF::LRCsVBF() : LRCsRoundFace(21, kParamCount, 0) {
    SetParams(DefaultValues());
}

int16_t LRCsVBF::GetParams(double** values) {
    *values = new double[kParamCount]{D, static_cast<double>(n), third};
    return 0;
}

int16_t LRCsVBF::SetParams(const double* v) {
    if (!v)
        return 0;
    if (std::isfinite(v[0]) && v[0] > 0.0)
        D = v[0];
    n = RoundToShort(v[1]);
    // Not used by the unit, but kept so that what was stored is written back.
    if (std::isfinite(v[2]))
        third = v[2];
    const Casing* c = &kLargest;
    for (const Casing& row : kCasings) {
        if (D < row.below) {
            c = &row;
            break;
        }
    }
    L = c->L;
    A = c->A;
    B = c->B;
    connectors[0]->a = connectors[0]->b = D;
    return 0;
}

std::string LRCsVBF::NameText() const { return FormatText("VBF-%d", n); }

// Plan: the casing's rim.  Side and end: the neck, the casing and the
// three lines of its vanes.
int16_t LRCsVBF::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    ElementView view = ViewOf(orientation);
    if (view.IsPlan()) {
        ads_point c = {0, 0, 0};
        MakeCircle(c, L / 2);
    } else if (view.IsSide() || view.IsEnd()) {
        double s = orientation == 1 || orientation == 4 ? 1.0 : -1.0;
        double e = A / 4, k = (L - 2 * e) / 3, r = D / 2, h = L / 2;
        FigureLine(*this, FittingPen::kOutline, {-r, -B}, {-r, 0});
        FigureLine(*this, FittingPen::kPen1, {-r, 0}, {r, 0});
        FigureLine(*this, FittingPen::kOutline, {r, 0}, {r, -B});
        FigureChain(*this, FittingPen::kOutline, {{-h, -B}, {h, -B}, {h, -B - A}, {-h, -B - A}, {-h, -B}});
        FigureLine(*this, FittingPen::kPen2, {-s * (h - e), -B - e}, {-s * (h - e - k), -B - e});
        FigureLine(*this, FittingPen::kPen2, {-s * (h - e - k), -B - A / 2}, {s * (h - e - k), -B - A / 2});
        FigureLine(*this, FittingPen::kPen2, {s * (h - e - k), -B - A + e}, {s * (h - e), -B - A + e});
    }
    return block.Close();
}
