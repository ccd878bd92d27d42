#include "elements/vf/lvf22.h"

#include "core/element_block.h"
#include "core/element_views.h"
#include "core/fitting_figures.h"

namespace {

constexpr uint16_t kTypeId = 16;
// Each branch end stands this far beyond the run's outline, on both sides.
constexpr double kBranchRise = 80.0;
// Branches from this diameter on take the longer body.
constexpr double kWideBranch = 450.0;

}  // namespace

// Connectors 0 and 2 end the run; 1 and 3 are the branches.
LVf22::LVf22() : LVfBranch(kTypeId, 4, 2) {
    const int16_t sides[4] = {2, 1, 5, 4};
    const int16_t sizes[4] = {0, 1, 0, 1};
    for (int i = 0; i < 4; ++i) {
        connectors[i]->side = sides[i];
        connectors[i]->paramA = sizes[i];
    }
    SetParams(DefaultValues());
}

void LVf22::LayOut() {
    H = d1 + 2 * kBranchRise;
    L = d2 < kWideBranch ? d2 + 200 : d2 + 300;
    PlaceConnector(0, d1, L / 2, 0, 0);
    PlaceConnector(2, d1, -L / 2, 0, 0);
    PlaceConnector(1, d2, 0, -H / 2, d1 / 2 - d2 / 2);
    PlaceConnector(3, d2, 0, H / 2, d1 / 2 - d2 / 2);
}

int16_t LVf22::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(endMarkSize, 1);
    ElementView view = ViewOf(orientation);
    if (view.IsPlan())
        DrawSide(view.SignX());
    else if (view.IsSide())
        DrawEndOnBranch(*this, {d1, d2, L, 0, d2 < d1, true, false});
    else if (view.IsEnd())
        DrawEndOnBranch(*this, {d2, d1, H, (d1 - d2) / 2, d2 >= d1, true, false});
    return block.Close();
}

void LVf22::DrawSide(double s) {
    const double K = dimensionOffset, xk = L / 2 - K;
    RunCollar(-s * L / 2, d1);
    RunCollar(s * L / 2, d1);
    for (double y : {1.0, -1.0}) {
        const double end = y * H / 2, collar = y * (H / 2 - K);
        FigureLine(*this, FittingPen::kOutline, -s * d2 / 2, end, -s * d2 / 2, collar);
        FigureLine(*this, FittingPen::kPen2, -s * d2 / 2, collar, s * d2 / 2, collar);
        FigureLine(*this, FittingPen::kOutline, s * d2 / 2, collar, s * d2 / 2, end);
        FigureLine(*this, FittingPen::kOutline, -s * xk, y * d1 / 2, -s * d2 / 2, collar);
        FigureLine(*this, FittingPen::kOutline, s * xk, y * d1 / 2, s * d2 / 2, collar);
    }
    CentreLine(-L / 2, 0, L / 2, 0);
    CentreLine(0, -H / 2, 0, H / 2);
}
