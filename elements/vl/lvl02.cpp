#include "elements/vl/lvl02.h"

#include <cmath>

#include "core/fitting_figures.h"
#include "core/geometry.h"

LVl02::LVl02() : LVlElbow(2, "VL-02") {
    SetAttachMasks(32, 0, 0, 32, 32, 32);
    SetParams(DefaultValues());
}

void LVl02::Derive() {
    const double st = std::sin(t), ct = std::cos(t), tt = std::tan(t), k = collarLength;
    W = (1 - st) * r + a + k * ct;
    H = (r + c) * ct + k + k * st;
    L = (r + a) * ct + k + k * st;
    K = tt * (W - c * st);
    Kc = tt * (W - a / 2 - c * st / 2);
    G = std::sqrt(K * K + (W - c * st) * (W - c * st));
}

void LVl02::SetOffsets() { SetAttachOffsets(b / 2, 0, 0, b / 2, H / 2, W / 2); }

// Drawn for the plan from above; s = -1 mirrors it for the plan from below.
void LVl02::DrawPlan(double s) {
    const double st = std::sin(t), ct = std::cos(t), k = collarLength;
    FittingFigure f(*this, s, system.rectCentreLines != 0);
    const double endX = W / 2 - c * st + eA * ct, endY = H / 2 + eA * st;
    f.Line(FittingPen::kOutline, -W / 2, -H / 2 - eC, -W / 2, H / 2 - K);
    f.Line(FittingPen::kOutline, -W / 2, H / 2 - K, endX, endY);
    f.Arc(FittingPen::kOutline, -W / 2 + a + r, -H / 2 + k, r, kHalfPi + t, kPi);
    f.Line(FittingPen::kOutline, -W / 2 + a, -H / 2 - eC, -W / 2 + a, -H / 2 + k);
    f.Line(FittingPen::kOutline, W / 2 + eA * ct, H / 2 - c * ct + eA * st, W / 2 - k * ct,
           H / 2 - c * ct - k * st);
    const double knee = H / 2 - Kc - c * ct / 2;
    f.Line(FittingPen::kCentre, -W / 2 + a / 2, -H / 2 - eC, -W / 2 + a / 2, knee);
    f.Line(FittingPen::kCentre, -W / 2 + a / 2, knee, W / 2 - c * st / 2 + eA * ct,
           H / 2 - c * ct / 2 + eA * st);
}
