#include "elements/vf/lvf21.h"

#include <cmath>

#include "core/element_block.h"
#include "core/element_views.h"
#include "core/fitting_figures.h"
#include "core/geometry.h"

namespace {

constexpr uint16_t kTypeId = 15;
constexpr int16_t kBranch = 2;
// The branch end stands this far above the run's upper outline.
constexpr double kBranchRise = 80.0;

// The body length for a branch of diameter d2: d2 and an allowance that
// grows with it.
double BodyLength(double d2) {
    static const struct {
        double below, allowance;
    } kSteps[] = {{130, 100}, {180, 110}, {200, 120}, {250, 130}, {315, 150},
                  {350, 185}, {400, 200}, {630, 220}, {1000, 260}};
    for (const auto& step : kSteps)
        if (d2 < step.below)
            return d2 + step.allowance;
    return d2 + 300;
}

// atan(y / x), a quarter turn when x is 0.
double Slope(double y, double x) { return x != 0 ? std::atan(y / x) : (y < 0 ? -kHalfPi : kHalfPi); }

}  // namespace

LVf21::LVf21() : LVfBranch(kTypeId, 3, 1) {
    const int16_t sides[3] = {2, 5, 4};
    const int16_t sizes[3] = {0, 0, 1};
    for (int i = 0; i < 3; ++i) {
        connectors[i]->side = sides[i];
        connectors[i]->paramA = sizes[i];
    }
    SetParams(DefaultValues());
}

void LVf21::LayOut() {
    H = d1 + kBranchRise;
    L = BodyLength(d2);
    PlaceConnector(0, d1, L / 2, 0, 0);
    PlaceConnector(1, d1, -L / 2, 0, 0);
    PlaceConnector(kBranch, d2, 0, H - d1 / 2, d1 / 2 - d2 / 2);
}

int16_t LVf21::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(endMarkSize, 1);
    ElementView view = ViewOf(orientation);
    if (view.IsPlan()) {
        DrawSide(view.SignX());
    } else if (view.IsSide()) {
        const bool narrow = d2 < d1;
        const bool facing = orientation == 4;
        DrawEndOnBranch(*this, {d1, d2, L, 0, narrow, facing || !narrow, !facing});
    } else if (view.IsEnd()) {
        DrawRunEnd(orientation == 2 ? 1.0 : -1.0);
    }
    return block.Close();
}

void LVf21::DrawSide(double s) {
    const double K = dimensionOffset, Y = H - d1 / 2, xk = L / 2 - K;
    RunCollar(-s * L / 2, d1);
    RunCollar(s * L / 2, d1);
    FigureLine(*this, FittingPen::kOutline, -s * d2 / 2, Y, -s * d2 / 2, Y - K);
    FigureLine(*this, FittingPen::kPen2, -s * d2 / 2, Y - K, s * d2 / 2, Y - K);
    FigureLine(*this, FittingPen::kOutline, s * d2 / 2, Y - K, s * d2 / 2, Y);
    FigureLine(*this, FittingPen::kOutline, -s * xk, d1 / 2, -s * d2 / 2, Y - K);
    FigureLine(*this, FittingPen::kOutline, s * xk, d1 / 2, s * d2 / 2, Y - K);
    FigureLine(*this, FittingPen::kOutline, -s * xk, -d1 / 2, s * xk, -d1 / 2);
    CentreLine(-L / 2, 0, L / 2, 0);
    CentreLine(0, 0, 0, Y);
}

// The run seen along its axis, the branch toward the sign s, flush with the
// run's upper outline.
void LVf21::DrawRunEnd(double s) {
    const double K = dimensionOffset, Y = H - d1 / 2;
    FigureLine(*this, FittingPen::kOutline, s * Y, d1 / 2, s * (Y - K), d1 / 2);
    FigureLine(*this, FittingPen::kPen2, s * (Y - K), d1 / 2, s * (Y - K), d1 / 2 - d2);
    FigureLine(*this, FittingPen::kOutline, s * (Y - K), d1 / 2 - d2, s * Y, d1 / 2 - d2);
    // The branch's lower flank touches the run's circle.
    const double T = 2 * H - d1 - 2 * K, rise = 2 * d2 - d1;
    const double reach = std::sqrt(rise * rise + T * T);
    const double a = Slope(rise, T) + std::acos(reach > 0 ? std::fmin(1.0, d1 / reach) : 0.0);
    FigureLine(*this, FittingPen::kOutline, s * d1 * std::cos(a) / 2, -d1 * std::sin(a) / 2, s * (Y - K),
               d1 / 2 - d2);
    FigureLine(*this, FittingPen::kOutline, s * (Y - K), d1 / 2, 0, d1 / 2);
    const double b = Slope(d2 - d1, 2 * H - d2 - 2 * K);
    CentreLine(-s * d1 * std::cos(b) / 2, d1 * std::sin(b) / 2, s * (Y - K), (d1 - d2) / 2);
    CentreLine(s * (Y - K), (d1 - d2) / 2, s * Y, (d1 - d2) / 2);
    CentreLine(0, -d1 / 2, 0, d1 / 2);
}
