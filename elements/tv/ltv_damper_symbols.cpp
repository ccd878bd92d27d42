#include "elements/tv/ltv_damper_symbols.h"

#include "core/draw_neutral.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "core/fitting_figures.h"

namespace {

// A closed outline through four corners, neutral or dashed.
void Outline(LTv& e, const ads_point (&c)[4], bool dashed) {
    for (int k = 0; k < 4; ++k)
        OutlineLine(e, c[k], c[(k + 1) % 4], dashed);
}

// The dashed blade outline, 5 inside the half-sizes hx and hy.
void DashedSquare(LTv& e, double hx, double hy) {
    ads_point c[4] = {{-hx + 5, hy - 5, 0}, {hx - 5, hy - 5, 0}, {hx - 5, -hy + 5, 0}, {-hx + 5, -hy + 5, 0}};
    Outline(e, c, true);
}

// The actuator housing standing on the casing edge at y, seen from above.
void HousingOnTop(double y) {
    ads_point p[4] = {{-110, y, 0}, {-110, y + 100, 0}, {110, y + 100, 0}, {110, y, 0}};
    for (int k = 0; k < 3; ++k)
        MakeLine(p[k], p[k + 1]);
}

// The actuator housing seen face-on: solid from one side, dashed from the
// other.
void HousingFaceOn(LTv& e, bool dashed) {
    ads_point c[4] = {{-110, 70, 0}, {110, 70, 0}, {110, -70, 0}, {-110, -70, 0}};
    Outline(e, c, dashed);
}

void Segment(LTv& e, double x1, double y1, double x2, double y2, bool dashed) {
    FigureLine(e, dashed ? FittingPen::kDashed : FittingPen::kOutline, x1, y1, x2, y2);
}


void Hatch(LTv& e, double r) {
    ads_point origin = {0, 0, 0};
    e.SolidHatch(origin, r);
}

}  // namespace

int16_t DrawRectDamperSymbol(LTv& e, double L, double H, double depth, char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    e.DrawConnectorEnds(e.layoutLengths[0], 1);
    double t = depth / 2;
    ElementView view = ViewOf(e.orientation);
    if (view.IsPlan()) {
        double w = L / 2;
        Segment(e, -t, w, t, w, false);
        Segment(e, -t, -w, t, -w, false);
        DashedSquare(e, H / 2, w);
        Segment(e, -L / 4, 3 * L / 8, L / 4, -3 * L / 8, true);
        HousingOnTop(w);
        Hatch(e, 0.05 * L);
    } else if (view.IsSide()) {
        double h = H / 2;
        Segment(e, -t, h, t, h, false);
        Segment(e, -t, -h, t, -h, false);
        DashedSquare(e, h, h);
        Segment(e, H / 4, 3 * H / 8, -H / 4, -3 * H / 8, true);
        HousingFaceOn(e, view.mirroredX);
        Hatch(e, 0.05 * H);
    }
    if (e.System().rectCentreLines != 0) {
        ads_point a = {-t, 0, 0}, b = {t, 0, 0};
        e.LineB(a, b);
    }
    return block.Close();
}

int16_t DrawRoundDamperSymbol(LTv& e, double D, double S, double depth, char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    e.DrawConnectorEnds(e.layoutLengths[0], 1);
    double t = depth / 2, s = S / 2, r = D / 2, f = e.layoutLengths[0], g = kDamperSpigot;
    ElementView view = ViewOf(e.orientation);
    Segment(e, -t, s, t, s, false);
    Segment(e, t, -s, -t, -s, false);
    ads_point flange[4] = {{-t, s + f, 0}, {-t, -s - f, 0}, {t, s + f, 0}, {t, -s - f, 0}};
    e.LineC(flange[0], flange[1]);
    e.LineC(flange[2], flange[3]);
    Segment(e, -t, r, -t - g, r, false);
    Segment(e, -t, -r, -t - g, -r, false);
    Segment(e, t, r, t + g, r, false);
    Segment(e, t, -r, t + g, -r, false);
    if (e.System().roundCentreLines != 0) {
        ads_point a = {-t - g, 0, 0}, b = {t + g, 0, 0};
        e.LineB(a, b);
    }
    DashedSquare(e, s, s);
    if (view.IsPlan()) {
        Segment(e, -S / 4, 3 * S / 8, S / 4, -3 * S / 8, true);
        HousingOnTop(s);
    } else if (view.IsSide()) {
        Segment(e, S / 4, 3 * S / 8, -S / 4, -3 * S / 8, true);
        HousingFaceOn(e, view.mirroredX);
    }
    Hatch(e, 0.05 * S);
    return block.Close();
}
