#include "elements/rcs/lvf_end_cap.h"

#include <cmath>

#include "core/description_text.h"
#include "core/draw_neutral.h"
#include "core/element_block.h"
#include "core/geometry.h"
#include "elements/rcs/rcs_pen_lines.h"

namespace {

constexpr int16_t kParamCount = 1;
constexpr double kCutRatio = 0.5773502691896;  // tan 30 degrees
constexpr double kCutLength = 80;
constexpr double kCutMiddle = 40;

}  // namespace

LVfEndPiece::LVfEndPiece(int16_t id, const char* typeName) : LRCs(id, 1, kParamCount), name(typeName) {
    MakeRoundSpigot(5, 0);
    SetFlipModes(1, 1, 0);
}

int16_t LVfEndPiece::GetParams(double** values) {
    *values = new double[kParamCount]{d};
    return 0;
}

int16_t LVfEndPiece::SetParams(const double* v) {
    if (v && v[0] != 0.0 && std::isfinite(v[0]) && v[0] > 0.0)
        d = v[0];
    Derive();
    connectors[0]->a = connectors[0]->b = d;
    SetPoint3d(connectors[0]->position, -L / 2, 0, 0);
    return 0;
}

char* LVfEndPiece::GetDescription() { return DescriptionText(name).Size("d", d).NewBuffer(); }

void LVfEndPiece::CentreLine(double x1, double y1, double x2, double y2) {
    if (system.roundCentreLines == 0)
        return;
    ads_point p = {x1, y1, 0}, q = {x2, y2, 0};
    LineB(p, q);
}

LVf18::LVf18() : LVfEndPiece(26, "VF-18") { SetParams(DefaultValues()); }

void LVf18::Derive() {
    L = 1.2 * d;
    e = 0.4 * d;
    f = 0.75 * d;
    g = d;
    a = 0.25 * d;
    b = 0.45 * d;
}

// From the side: the collar with its ring, the cone, the plate and the
// nose; the same from the other side mirrored.  Nothing from the end.
int16_t LVf18::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(layoutLengths[8], 1);
    if (orientation == 0 || orientation == 1 || orientation == 3 || orientation == 4) {
        double s = orientation >= 3 ? -1.0 : 1.0, h = L / 2, r = d / 2, g3 = layoutLengths[2];
        auto p = [s](double x, double y) { return PenPoint{s * x, y}; };
        FigureChain(*this, FittingPen::kOutline, {p(-h, r), p(-(h - a), r), p(-(h - a), -r), p(-h, -r)});
        FigureLine(*this, FittingPen::kOutline, p(-(h - g3), -r), p(-(h - g3), r));
        FigureLine(*this, FittingPen::kOutline, p(-(h - a), r), p(h - b, f));
        FigureLine(*this, FittingPen::kOutline, p(h - b, -f), p(-(h - a), -r));
        FigureChain(*this, FittingPen::kOutline,
                    {p(h - b, g), p(h - b + g3, g), p(h - b + g3, -g), p(h - b, -g), p(h - b, g)});
        FigureChain(*this, FittingPen::kOutline, {p(h - b + g3, g), p(h, e), p(h, -e), p(h - b + g3, -g)});
        CentreLine(-h, 0, h, 0);
    }
    return block.Close();
}

LVf19::LVf19() : LVfEndPiece(27, "VF-19") { SetParams(DefaultValues()); }

void LVf19::Derive() { L = kCutRatio * d + kCutLength; }

// In plan the cut seen edge-on; from the side the cut face as an ellipse
// (its far half hidden from the other side).  Nothing from the end.
int16_t LVf19::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(layoutLengths[8], 1);
    double h = L / 2, r = d / 2, g3 = layoutLengths[2], m = kCutMiddle;
    if (orientation == 0 || orientation == 3) {
        double s = orientation == 3 ? -1.0 : 1.0;
        FigureChain(*this, FittingPen::kOutline, {{-s * h, r}, {s * h, r}, {-s * (h - kCutLength), -r}, {-s * h, -r}});
        FigureLine(*this, FittingPen::kPen2, {-s * (h - g3), -r}, {-s * (h - g3), r});
        CentreLine(-h, 0, m, 0);
    } else if (orientation == 1) {
        FigureLine(*this, FittingPen::kOutline, {-h, r}, {m, r});
        FigureLine(*this, FittingPen::kOutline, {-h, -r}, {m, -r});
        FigureLine(*this, FittingPen::kOutline, {-h + g3, -r}, {-h + g3, r});
        ads_point c = {m, 0, 0};
        MakeEllipse(c, r, kCutRatio);
        CentreLine(-h, 0, h, 0);
        CentreLine(m, -r, m, r);
    } else if (orientation == 4) {
        FigureLine(*this, FittingPen::kOutline, {h, r}, {-m, r});
        FigureLine(*this, FittingPen::kOutline, {h, -r}, {-m, -r});
        FigureLine(*this, FittingPen::kOutline, {h - g3, -r}, {h - g3, r});
        ads_point c = {-m, 0, 0};
        MakeEllipseArc(c, r, 0, kPi, kCutRatio);
        DashedEllipse(c, r, kPi, kTwoPi, kCutRatio);
        CentreLine(-h, 0, h, 0);
        CentreLine(-m, -r, -m, r);
    }
    return block.Close();
}
