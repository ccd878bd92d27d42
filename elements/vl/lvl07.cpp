#include "elements/vl/lvl07.h"

#include <cmath>

#include "core/fitting_figures.h"
#include "core/geometry.h"

namespace {

constexpr double kQuarterPi = 0.785398163375;

}  // namespace

LVl07::LVl07() : LVlElbow(7, "VL-07") {
    SetAttachMasks(32, 0, 0, 32, 0, 0);
    SetParams(DefaultValues());
}

void LVl07::Derive() {
    const double st = std::sin(t), ct = std::cos(t), tt = std::tan(t), k = collarLength;
    W = (1 - st) * r + a + k * ct;
    H = (r + a) * ct + k + k * st + tt * (a - c) * st;
    L = H * st + (W - c * st) * ct;
    Kc = tt * (W - a / 2 - c * st / 2 - (1 - st) * (a / 2 + r));
    T = (r + a) * std::tan(kQuarterPi - t / 2);
    double dy = H - k - (r + a) * ct, dx = W - c * st - (1 - st) * (r + a);
    G = std::sqrt(dy * dy + dx * dx) + T;
}

void LVl07::SetOffsets() { SetAttachOffsets(b / 2, 0, 0, b / 2, 0, 0); }

// Drawn for the plan from above; s = -1 mirrors it for the plan from below.
void LVl07::DrawPlan(double s) {
    const double st = std::sin(t), ct = std::cos(t), k = collarLength;
    FittingFigure f(*this, s, system.rectCentreLines != 0);
    const double innerY = H / 2 - c * ct - k * st;  // where the second leg's inner wall ends
    f.Line(FittingPen::kOutline, -W / 2, -H / 2 - eC, -W / 2, -H / 2 + k);
    f.Line(FittingPen::kOutline, (1 - st) * (r + a) - W / 2, -H / 2 + k + (r + a) * ct,
           W / 2 - c * st + eA * ct, H / 2 + eA * st);
    f.Arc(FittingPen::kOutline, W / 2 - k * ct + r * st, innerY - r * ct, r, kHalfPi + t, kPi);
    f.Arc(FittingPen::kOutline, -W / 2 + a + r, -H / 2 + k, r + a, kHalfPi + t, kPi);
    f.Line(FittingPen::kOutline, -W / 2 + a, -H / 2 - eC, -W / 2 + a, innerY - r * ct);
    f.Line(FittingPen::kOutline, W / 2 - k * ct, innerY, W / 2 + eA * ct, H / 2 - c * ct + eA * st);
    const double yk = H / 2 - c * ct / 2 - Kc, arm = a / 2 + r;
    f.Line(FittingPen::kCentre, -W / 2 + a / 2, -H / 2 - eC, -W / 2 + a / 2, yk - arm * ct);
    f.Line(FittingPen::kCentre, W / 2 - c * st / 2 + eA * ct, H / 2 - c * ct / 2 + eA * st,
           (1 - st) * arm - W / 2 + a / 2, yk);
    f.Arc(FittingPen::kCentre, -W / 2 + a + r, yk - arm * ct, arm, kHalfPi + t, kPi);
}
