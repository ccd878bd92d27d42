#include "elements/vl/lvl03.h"

#include <cmath>

#include "core/fitting_figures.h"
#include "core/geometry.h"

LVl03::LVl03() : LVlTee(3) {
    connectors[0]->paramA = kTeeC;
    connectors[1]->paramA = kTeeD;
    SetParams(DefaultValues());
}

void LVl03::PlaceOutlets() {
    connectors[0]->a = c;
    connectors[1]->a = d;
    SetPoint3d(connectors[0]->position, W / 2, H / 2 - c / 2, 0);
    SetPoint3d(connectors[1]->position, -W / 2, H / 2 - d / 2, 0);
    SetAttachOffsets(b / 2, 0, 0, b / 2, H / 2, 0);
}

int16_t LVl03::MarkFixedParams(int16_t* flags) {
    if (flags)
        flags[kTeeR] = 1;
    return 0;
}

int16_t LVl03::AdjustInsertionPoint(ads_point point, const double* oldParams) {
    if ((orientation != 0 && orientation != 3) || !point || !oldParams)
        return 0;
    double dc = c - oldParams[kTeeC], dd = d - oldParams[kTeeD];
    if (!std::isfinite(dc) || !std::isfinite(dd))
        return 0;
    if (!connectors[1]->IsFree() && dc != dd)
        return -1;
    double shift = connectors[0]->IsFree() ? dd : dc;
    if (orientation == 3)
        shift = -shift;
    point[0] += shift * std::sin(rotation);
    point[1] += shift * std::cos(rotation);
    return 0;
}

// Drawn for the plan from above; s = -1 mirrors it for the plan from below.
void LVl03::DrawPlan(double s) {
    const double k = collarLength;
    FittingFigure f(*this, s, CentreLines());
    f.Line(FittingPen::kOutline, -W / 2, H / 2, W / 2, H / 2);
    f.Line(FittingPen::kOutline, -W / 2, H / 2 - d, -(W / 2 - k), H / 2 - d);
    f.Line(FittingPen::kOutline, W / 2, H / 2 - c, W / 2 - k, H / 2 - c);
    f.Line(FittingPen::kOutline, -a / 2, -H / 2, -a / 2, H / 2 - d - r);
    f.Line(FittingPen::kOutline, a / 2, -H / 2, a / 2, H / 2 - c - r);
    f.Arc(FittingPen::kOutline, -(W / 2 - k), H / 2 - d - r, r, 0, kHalfPi);
    f.Arc(FittingPen::kOutline, W / 2 - k, H / 2 - c - r, r, kHalfPi, kPi);
    f.Line(FittingPen::kCentre, -W / 2, H / 2 - d / 2, W / 2, H / 2 - c / 2);
    f.Line(FittingPen::kCentre, 0, H / 2 - c / 4 - d / 4, 0, -H / 2);
}

// Seen along the run: the leg towards the viewer, and where the far leg is
// wider, its edge and (from connector 1's side) its collar bracketed.
void LVl03::DrawEnd(int16_t o) {
    const double m = endMarkSize, hb = b / 2, reach = hb + m;
    const double s = o == 2 ? -1 : 1, w = o == 2 ? c : d;
    FittingFigure f(*this, 1, CentreLines());
    f.Band(s * H / 2, -s * (H / 2 - w - m), hb);
    if (c > d && o == 2) {
        f.Line(FittingPen::kOutline, H / 2 - d, hb, H / 2 - d, -hb);
        f.Line(FittingPen::kDashed, H / 2 - d - m, reach, H / 2 - d - m, -reach);
    }
    if (c > d && o == 5) {
        const double xd = -H / 2 + d + m, xc = -H / 2 + c + m;
        f.Line(FittingPen::kPen2, xd, reach, xc, reach);
        f.Line(FittingPen::kPen2, xc, reach, xc, hb);
        f.Line(FittingPen::kPen2, xd, -reach, xc, -reach);
        f.Line(FittingPen::kPen2, xc, -reach, xc, -hb);
        f.Line(FittingPen::kDashed, xc, hb, xc, -hb);
        f.Line(FittingPen::kDashed, -H / 2 + c, hb, -H / 2 + c, -hb);
        if (d + m > c) {
            f.Line(FittingPen::kDashed, -H / 2 + c, hb, -H / 2 + d, hb);
            f.Line(FittingPen::kDashed, -H / 2 + c, -hb, -H / 2 + d, -hb);
        }
    }
    f.Line(FittingPen::kCentre, -s * (H / 2 + m), 0, s * H / 2, 0);
    const double x = -s * (H / 2 - w / 2);
    f.Line(FittingPen::kCentre, x, -reach, x, reach);
}
