#include "elements/vf/lvf20.h"

#include "core/draw_neutral.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "core/fitting_figures.h"
#include "core/geometry.h"
#include "core/rounding.h"

namespace {

constexpr uint16_t kTypeId = 14;
constexpr int16_t kBranch = 2;
// The branch's clearance from the run along its own axis.
constexpr double kBranchRise = 50.0;
// The branch turns away from the run's direction by 45 degrees.
constexpr double kBranchAngle = -0.785398163375;

}  // namespace

LVf20::LVf20() : LVfBranch(kTypeId, 3, 1) {
    const int16_t sides[3] = {2, 5, 4};
    const int16_t sizes[3] = {0, 0, 1};
    for (int i = 0; i < 3; ++i) {
        connectors[i]->side = sides[i];
        connectors[i]->paramA = sizes[i];
    }
    connectors[kBranch]->angle = kBranchAngle;
    SetParams(DefaultValues());
}

void LVf20::LayOut() {
    const double c = kBranchCos45, K = dimensionOffset;
    H = (kBranchRise + d2) * c + d1;
    L = 2 * K + (2 * d2 + 2 * kBranchRise) * c;
    PlaceConnector(0, d1, L / 2, 0, 0);
    PlaceConnector(1, d1, -L / 2, 0, 0);
    PlaceConnector(kBranch, d2, L / 2 - K - c * d2 / 2, d1 / 2 + c * (d2 / 2 + kBranchRise), 0);
}

bool LVf20::FitsLength(double along) const { return RoundToShort(along) == RoundToShort(L); }

int16_t LVf20::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    ElementView view = ViewOf(orientation);
    if (!view.IsEnd())
        DrawConnectorEnds(endMarkSize, 1);
    if (view.IsPlan())
        DrawSide(view.SignX());
    else if (orientation == 1)
        DrawBranchBehind();
    else if (orientation == 4)
        DrawBranchFacing();
    return block.Close();
}

// The run along x, the branch leaving toward +y and toward the sign s.
void LVf20::DrawSide(double s) {
    const double c = kBranchCos45, K = dimensionOffset, m = kBranchRise;
    const double xk = L / 2 - K;
    FigureLine(*this, FittingPen::kPen2, -s * xk, d1 / 2, -s * xk, -d1 / 2);
    FigureLine(*this, FittingPen::kPen2, s * xk, d1 / 2, s * xk, -d1 / 2);
    FigureLine(*this, FittingPen::kOutline, -L / 2, -d1 / 2, L / 2, -d1 / 2);
    const double middleSide[] = {-s * L / 2, d1 / 2, s * (xk - (2 * d2 + m) * c), d1 / 2,
                                 s * (xk - d2 * c), H - d1 / 2};
    FigureChain(*this, FittingPen::kOutline, middleSide, 3);
    const double endSide[] = {s * L / 2, d1 / 2, s * (xk - m * c), d1 / 2, s * xk, d1 / 2 + m * c};
    FigureChain(*this, FittingPen::kOutline, endSide, 3);
    FigureLine(*this, FittingPen::kPen2, s * (xk - (d2 + K) * c), H - d1 / 2 - K * c, s * (xk - K * c),
               d1 / 2 + (m - K) * c);
    CentreLine(-L / 2, 0, L / 2, 0);
    CentreLine(s * (xk - d1 / 2 - (d2 + m) * c), 0, s * (xk - c * d2 / 2), d1 / 2 + (d2 / 2 + m) * c);
}

// The run seen across, the branch along the line of sight: its outline and
// the edges of its two collars.
void LVf20::DrawRunAcross() {
    const double xk = L / 2 - dimensionOffset;
    FigureLine(*this, FittingPen::kOutline, -L / 2, d1 / 2, L / 2, d1 / 2);
    FigureLine(*this, FittingPen::kOutline, -L / 2, -d1 / 2, L / 2, -d1 / 2);
    FigureLine(*this, FittingPen::kPen2, -xk, d1 / 2, -xk, -d1 / 2);
    FigureLine(*this, FittingPen::kPen2, xk, d1 / 2, xk, -d1 / 2);
}

void LVf20::DrawBranchBehind() {
    const double c = kBranchCos45, K = dimensionOffset;
    const double root = L / 2 - K - (d2 + kBranchRise) * c, end = L / 2 - K - c * d2 / 2;
    DrawRunAcross();
    FigureLine(*this, FittingPen::kDashed, root, d2 / 2, end, d2 / 2);
    FigureLine(*this, FittingPen::kDashed, root, -d2 / 2, end, -d2 / 2);
    ads_point rootCentre = {root, 0, 0}, endCentre = {end, 0, 0};
    DashedEllipse(rootCentre, d2 / 2, 0, kPi, c);
    DashedFullEllipse(endCentre, d2 / 2, c);
    CentreLine(-L / 2, 0, L / 2, 0);
    CentreLine(end, d2 / 2, end, -d2 / 2);
}

void LVf20::DrawBranchFacing() {
    const double c = kBranchCos45, K = dimensionOffset;
    const double root = L / 2 - K - (d2 + kBranchRise) * c, end = L / 2 - K - c * d2 / 2;
    DrawRunAcross();
    FigureLine(*this, FittingPen::kOutline, -root, d2 / 2, -end, d2 / 2);
    FigureLine(*this, FittingPen::kOutline, -root, -d2 / 2, -end, -d2 / 2);
    ads_point rootCentre = {-root, 0, 0};
    MakeEllipseArc(rootCentre, d2 / 2, kPi, kTwoPi, c);
    CentreLine(-L / 2, 0, L / 2, 0);
    CentreLine(-end, d2 / 2, -end, -d2 / 2);
}
