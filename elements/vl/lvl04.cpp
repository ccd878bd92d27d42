#include "elements/vl/lvl04.h"

#include <cmath>

#include "core/fitting_figures.h"
#include "core/geometry.h"

LVl04::LVl04() : LVlTee(4) {
    connectors[0]->paramA = kTeeD;
    connectors[1]->paramA = kTeeC;
    SetParams(DefaultValues());
}

void LVl04::PlaceOutlets() {
    const double y0 = LowerWalls();
    connectors[0]->a = d;
    connectors[1]->a = c;
    SetPoint3d(connectors[0]->position, W / 2, y0 + d / 2, 0);
    SetPoint3d(connectors[1]->position, -W / 2, y0 + c / 2, 0);
    SetAttachOffsets(b / 2, 0, 0, b / 2, (H - std::fabs(c - d)) / 2, 0);
}

int16_t LVl04::MarkFixedParams(int16_t* flags) {
    if (flags)
        flags[kTeeR] = 1;
    return -1;
}

int16_t LVl04::AdjustInsertionPoint(ads_point, const double*) { return 0; }

// Drawn for the plan from above; s = -1 mirrors it for the plan from below.
void LVl04::DrawPlan(double s) {
    const double k = collarLength, y0 = LowerWalls();
    FittingFigure f(*this, s, CentreLines());
    f.Line(FittingPen::kOutline, -W / 2, y0 + c, W / 2, y0 + d);
    f.Line(FittingPen::kOutline, -W / 2, y0, -(W / 2 - k), y0);
    f.Line(FittingPen::kOutline, W / 2, y0, W / 2 - k, y0);
    f.Line(FittingPen::kOutline, -a / 2, -H / 2, -a / 2, -H / 2 + k);
    f.Line(FittingPen::kOutline, a / 2, -H / 2, a / 2, -H / 2 + k);
    f.Arc(FittingPen::kOutline, -(W / 2 - k), -H / 2 + k, r, 0, kHalfPi);
    f.Arc(FittingPen::kOutline, W / 2 - k, -H / 2 + k, r, kHalfPi, kPi);
    f.Line(FittingPen::kCentre, -W / 2, y0 + c / 2, W / 2, y0 + d / 2);
    f.Line(FittingPen::kCentre, 0, y0 + c / 4 + d / 4, 0, -H / 2);
}

// Seen along the run, each side its own figure: from connector 1's side
// the far leg's collar in a frame, from connector 0's side the narrower
// near leg's edge.
void LVl04::DrawEnd(int16_t o) {
    const double m = endMarkSize, k = collarLength, hb = b / 2, reach = hb + m;
    FittingFigure f(*this, 1, CentreLines());
    if (o == 2) {
        f.Band(-H / 2, -H / 2 + r + k - m, hb);
        const double xe = -H / 2 + r + k + d + m, far = H / 2 + m;
        f.Line(FittingPen::kPen2, xe, reach, far, reach);
        f.Line(FittingPen::kPen2, xe, -reach, far, -reach);
        f.Line(FittingPen::kPen2, far, reach, far, -reach);
        if (H / 2 > xe) {
            f.Band(xe, H / 2, hb);
            f.Line(FittingPen::kOutline, H / 2, hb, H / 2, -hb);
        }
        f.Line(FittingPen::kCentre, -H / 2, 0, H / 2 + m, 0);
        const double x = -H / 2 + r + k + d / 2;
        f.Line(FittingPen::kCentre, x, -reach, x, reach);
        return;
    }
    const double edge = H / 2 - r - k - d;
    f.Band(H / 2 - r - k + m, H / 2, hb);
    if (d < c) {
        f.Line(FittingPen::kOutline, edge, hb, edge, -hb);
        f.Line(FittingPen::kDashed, edge - m, reach, edge - m, -reach);
    }
    f.Line(FittingPen::kCentre, -H / 2 - m, 0, H / 2, 0);
    const double x = H / 2 - r - k - c / 2;
    f.Line(FittingPen::kCentre, x, -reach, x, reach);
}
