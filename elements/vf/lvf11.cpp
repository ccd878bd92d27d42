#include "elements/vf/lvf11.h"

#include <cmath>

#include "core/bom_builder.h"
#include "core/description_text.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "core/fitting_figures.h"
#include "core/geometry.h"
#include "elements/vf/lvf_fit.h"
#include "elements/vf/vf_inline.h"

namespace {

constexpr int kValueCount = 4;
constexpr uint16_t kTypeId = 10;
constexpr int16_t kOutlet = 2;
constexpr int16_t kOutletPosition = 4;
constexpr int16_t kGrilleKind = 1;
// Clearances of the outlet-facing view while a grille covers the outlet.
constexpr double kCoveredClearance = 26.0;
constexpr double kCoveredCollarClearance = 19.0;
// How far the outlet stands out: the run's lower outline to the flange is
// d + this; the body is A + the other along the run.
constexpr double kFlangeRise = 100.0;
constexpr double kBodyAllowance = 90.0;

double Given(double v) { return std::isfinite(v) && v > 0.0 ? v : 0.0; }

}  // namespace

LVf11::LVf11() : LVf(kTypeId, 3, kValueCount) {
    SetRunEnds(true, 0, -1);
    connectors[kOutlet]->side = 4;
    connectors[kOutlet]->shape = kShapeRect;
    connectors[kOutlet]->paramA = 1;
    connectors[kOutlet]->paramB = 2;
    SetAttachMasks(0, 0, 0, 0, kGrilleKind, 0);
    SetFlipModes(1, 0, 0);
    SetParams(DefaultValues());
}

int16_t LVf11::MarkFixedParams(int16_t*) { return -1; }

int16_t LVf11::GetParams(double** values) {
    double* v = new double[kValueCount];
    v[0] = d;
    v[1] = A;
    v[2] = B;
    v[3] = E;
    *values = v;
    return 0;
}

int16_t LVf11::SetParams(const double* values) {
    if (values) {
        // A size of 0 (or anything that is not a size) keeps the value
        // while the sizes are fixed, else takes the first other size given.
        const double in[3] = {Given(values[0]), Given(values[1]), Given(values[2])};
        double* field[3] = {&d, &A, &B};
        const int fallbacks[3][2] = {{1, 2}, {0, 2}, {0, 1}};
        for (int i = 0; i < 3; ++i) {
            const int* f = fallbacks[i];
            if (in[i] != 0)
                *field[i] = in[i];
            else if (IsEdited() == 0 && (in[f[0]] != 0 || in[f[1]] != 0))
                *field[i] = in[f[0]] != 0 ? in[f[0]] : in[f[1]];
        }
        // The extension takes its input, 0 included; a length that is not
        // one (negative, not finite) keeps the stored extension.
        if (std::isfinite(values[3]) && values[3] >= 0.0)
            E = values[3];
    }
    if (d <= B)
        B = d - 1;
    Lr = A + kBodyAllowance;
    H = d + kFlangeRise;
    if (connectors[1]->flow != connectors[0]->flow)
        connectors[1]->flow = connectors[0]->flow;
    for (int i = 0; i < 2; ++i)
        connectors[i]->a = connectors[i]->b = d;
    SetPoint3d(connectors[0]->position, Lr / 2, 0, 0);
    SetPoint3d(connectors[1]->position, -Lr / 2, 0, 0);
    connectors[kOutlet]->a = A;
    connectors[kOutlet]->b = B;
    SetPoint3d(connectors[kOutlet]->position, 0, H + E - d / 2, 0);
    SetAttachOffsets(0, 0, 0, 0, H + E - d / 2, 0);
    return 0;
}

int16_t LVf11::FitLength(double*, int16_t*, int16_t connectorA, int16_t connectorB, double along,
                         double across) {
    if (!IsRunGap(orientation, connectorA, connectorB, 0, 1, across))
        return -1;
    return SameLength(along, Lr) ? 0 : -1;
}

int16_t LVf11::GetBomLines(LBomRow** rows, uint16_t* count, uint16_t* further,
                           uint16_t* extraRows) {
    BomBuilder bom;
    bom.AddWithConnectorFlow(*this, DescriptionText("VF-11").Size("d", d).Size("A", A).Size("B", B).Text(),
                             "d", connectors[0]);
    if (E > 0)
        bom.AddWithConnectorFlow(*this,
                                 DescriptionText("VF-12").Size("A", A).Size("B", B).Size("E", E).Text(),
                                 "AxB", connectors[kOutlet]);
    return bom.HandOut(rows, count, further, extraRows);
}

int16_t LVf11::UpdateLabel() { return 0; }

int16_t LVf11::AdjustInsertionPoint(ads_point, const double*) { return 0; }

int16_t LVf11::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    // A grille on the outlet covers its end: no symbol there, and the
    // outlet-facing view keeps clear of the grille's frame.
    double c = 0, c2 = 0;
    if (CountChildren() > 0) {
        connectorCount = 2;
        c = kCoveredClearance;
        c2 = kCoveredCollarClearance;
    }
    DrawConnectorEnds(endMarkSize, 1);
    connectorCount = 3;
    switch (orientation) {
    case 0:
    case 3:
        DrawSide();
        break;
    case 1:
        DrawOutletAway();
        break;
    case 4:
        DrawOutletFacing(c, c2);
        break;
    case 2:
    case 5:
        DrawRunEnd(orientation == 2 ? 1.0 : -1.0);
        break;
    default:
        break;
    }
    return block.Close();
}

void LVf11::CentreLine(double x1, double y1, double x2, double y2) {
    if (system.roundCentreLines != 0)
        FigureLine(*this, FittingPen::kCentre, x1, y1, x2, y2);
}

void LVf11::DrawSide() {
    const double K = dimensionOffset, F = endMarkSize;
    const double Yt = H - d / 2, Ye = H + E - d / 2;
    FigureLine(*this, FittingPen::kOutline, -Lr / 2, d / 2, -A / 2, d / 2);
    FigureLine(*this, FittingPen::kOutline, -Lr / 2, -d / 2, Lr / 2, -d / 2);
    FigureLine(*this, FittingPen::kOutline, A / 2, d / 2, Lr / 2, d / 2);
    const double outlet[] = {-A / 2, Ye, -A / 2, d / 2 - K, A / 2, d / 2 - K, A / 2, Ye};
    FigureChain(*this, FittingPen::kOutline, outlet, 4);
    if (H > 0)
        FigureLine(*this, FittingPen::kPen1, -A / 2 - F, Yt, A / 2 + F, Yt);
    FigureLine(*this, FittingPen::kPen2, -(Lr / 2 - K), -d / 2, -(Lr / 2 - K), d / 2);
    FigureLine(*this, FittingPen::kPen2, Lr / 2 - K, -d / 2, Lr / 2 - K, d / 2);
    CentreLine(-Lr / 2, 0, Lr / 2, 0);
    CentreLine(0, 0, 0, Ye);
}

void LVf11::DrawOutletAway() {
    const double K = dimensionOffset, F = endMarkSize;
    const double xf = A / 2 + F, yf = B / 2 + F, xk = Lr / 2 - K;
    FigureLine(*this, FittingPen::kOutline, -Lr / 2, d / 2, Lr / 2, d / 2);
    FigureLine(*this, FittingPen::kOutline, -Lr / 2, -d / 2, Lr / 2, -d / 2);
    if (B + 2 * F > d) {
        // The flange stands out beyond the run above and below.
        for (double y : {1.0, -1.0}) {
            FigureLine(*this, FittingPen::kPen2, -xf, y * d / 2, -xf, y * yf);
            FigureLine(*this, FittingPen::kPen2, xf, y * d / 2, xf, y * yf);
            FigureLine(*this, FittingPen::kPen2, -xf, y * yf, xf, y * yf);
        }
        FigureLine(*this, FittingPen::kDashed, -xf, d / 2, -xf, -d / 2);
        FigureLine(*this, FittingPen::kDashed, xf, d / 2, xf, -d / 2);
    } else {
        const double flange[] = {-xf, -yf, -xf, yf, xf, yf, xf, -yf, -xf, -yf};
        FigureChain(*this, FittingPen::kDashed, flange, 5);
        for (double y : {-1.0, 1.0}) {
            FigureLine(*this, FittingPen::kDashed, -xk, y * d / 2, -xk, y * yf);
            FigureLine(*this, FittingPen::kDashed, xk, y * d / 2, xk, y * yf);
        }
    }
    const double section[] = {-A / 2, -B / 2, -A / 2, B / 2, A / 2, B / 2, A / 2, -B / 2, -A / 2, -B / 2};
    FigureChain(*this, FittingPen::kDashed, section, 5);
    CentreLine(-Lr / 2, 0, Lr / 2, 0);
    CentreLine(0, -yf, 0, yf);
}

// c and c2: the clearances kept from a grille on the outlet (0 without).
void LVf11::DrawOutletFacing(double c, double c2) {
    const double K = dimensionOffset, F = endMarkSize;
    const double xf = A / 2 + F, xk = Lr / 2 - K;
    if (B + 2 * c > d) {
        for (double y : {1.0, -1.0}) {
            FigureLine(*this, FittingPen::kOutline, -Lr / 2, y * d / 2, -xf, y * d / 2);
            FigureLine(*this, FittingPen::kDashed, -xf, y * d / 2, -A / 2 - c, y * d / 2);
            FigureLine(*this, FittingPen::kDashed, A / 2 + c, y * d / 2, xf, y * d / 2);
            FigureLine(*this, FittingPen::kOutline, xf, y * d / 2, Lr / 2, y * d / 2);
        }
    } else {
        FigureLine(*this, FittingPen::kOutline, -Lr / 2, d / 2, Lr / 2, d / 2);
        FigureLine(*this, FittingPen::kOutline, -Lr / 2, -d / 2, Lr / 2, -d / 2);
        for (double y : {-1.0, 1.0}) {
            FigureLine(*this, FittingPen::kPen2, -xk, y * d / 2, -xk, y * (B / 2 + F - c2));
            FigureLine(*this, FittingPen::kPen2, xk, y * d / 2, xk, y * (B / 2 + F - c2));
        }
    }
    CentreLine(-Lr / 2, 0, Lr / 2, 0);
    CentreLine(0, -B / 2 - F + c2, 0, B / 2 + F - c2);
}

// The run seen along its axis; the outlet toward the sign s.
void LVf11::DrawRunEnd(double s) {
    const double F = endMarkSize;
    const double Yt = H - d / 2, Ye = H + E - d / 2;
    const double meet = d * d - B * B;
    const double w = meet > 0 ? std::sqrt(meet) / 2 : 0.0;
    FigureLine(*this, FittingPen::kOutline, s * w, B / 2, s * Ye, B / 2);
    FigureLine(*this, FittingPen::kOutline, s * w, -B / 2, s * Ye, -B / 2);
    FigureLine(*this, FittingPen::kOutline, s * Yt, B / 2 + F, s * Yt, -B / 2 - F);
    CentreLine(0, -d / 2, 0, d / 2);
    CentreLine(-s * d / 2, 0, s * Ye, 0);
}
