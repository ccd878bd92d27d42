#include "elements/vf/lvf_tee.h"

#include <cmath>
#include <initializer_list>

#include "core/element_block.h"
#include "core/element_views.h"
#include "core/fitting_figures.h"
#include "core/geometry.h"
#include "elements/straight_run.h"
#include "elements/vf/lvf_fit.h"

namespace {

// Diameters above this take a longer branch.
constexpr double kLargeBranchFrom = 500.0;
constexpr double kLongerBranch = 60.0;
// A gap of the body length measured through two placements differs from
// the length by rounding only.
constexpr double kLengthTolerance = 1e-6;

// The first size among the inputs, else the kept value.
double FirstSize(double kept, std::initializer_list<double> inputs) {
    for (double x : inputs)
        if (IsSize(x))
            return x;
    return kept;
}

// Where the lines joining two openings of diameters p and q, T apart, meet
// the opening q: atan(p / T) + atan(sqrt(p^2 + T^2 - q^2) / q).
double TangentAngle(double T, double q, double p) {
    double across = p * p + T * T - q * q;
    return std::atan(p / T) + std::atan(std::sqrt(across > 0 ? across : 0) / q);
}

}  // namespace

LVfTee::LVfTee(uint16_t typeId, bool reducing)
    : LVf(typeId, 3, reducing ? 3 : 2), reducing(reducing) {
    vfKsCode = kVfKsVf;
    connectors[0]->side = 2;
    connectors[1]->side = 5;
    connectors[2]->side = 4;
    connectors[0]->paramA = reducing ? 2 : 0;
    connectors[1]->paramA = 0;
    connectors[2]->paramA = 1;
    SetFlipModes(1, 0, 0);
}

LVf06::LVf06() : LVfTee(5, true) { SetParams(DefaultValues()); }

LVf07::LVf07() : LVfTee(6, false) { SetParams(DefaultValues()); }

int16_t LVfTee::GetParams(double** values) {
    double* v = new double[ValueCount()];
    v[0] = d1;
    v[1] = d2;
    if (reducing)
        v[2] = d3;
    *values = v;
    return 0;
}

// A diameter left 0 takes another from the inputs unless the sizes are
// fixed; the fallbacks read the inputs, never the values just taken.
int16_t LVf06::SetParams(const double* v) {
    if (v) {
        bool fixed = IsEdited() != 0;
        double i1 = v[0], i2 = v[1], i3 = v[2];
        d1 = IsSize(i1) ? i1 : fixed ? d1 : FirstSize(d1, {i2, i3});
        d2 = IsSize(i2) ? i2 : fixed ? d2 : FirstSize(d2, {i1, i3});
        d3 = IsSize(i3) ? i3 : fixed ? d3 : FirstSize(d3, {i1, i2});
    }
    Derive(240, 300);
    return 0;
}

int16_t LVf07::SetParams(const double* v) {
    if (v) {
        bool fixed = IsEdited() != 0;
        double i1 = v[0], i2 = v[1];
        d1 = IsSize(i1) ? i1 : fixed ? d1 : FirstSize(d1, {i2});
        d2 = IsSize(i2) ? i2 : fixed ? d2 : FirstSize(d2, {i1});
    }
    d3 = d1;
    Derive(200, 200);
    if (connectors[1]->flow != connectors[0]->flow)
        connectors[1]->flow = connectors[0]->flow;
    return 0;
}

void LVfTee::Derive(double lengthAbove450, double lengthAbove900) {
    Dm = d1 > d3 ? d1 : d3;
    H = Dm + 70 - dimensionOffset;
    for (double x : {d1, d2, d3})
        if (x > kLargeBranchFrom) {
            H += kLongerBranch;
            break;
        }
    L = d2 + (d2 < 450 ? 140 : d2 < 900 ? lengthAbove450 : lengthAbove900);
    const double tested[3] = {d1, d2, d3};
    vfKsCode = VfKsCodeFor(tested, 3);
    connectors[0]->a = connectors[0]->b = d3;
    connectors[1]->a = connectors[1]->b = d1;
    connectors[2]->a = connectors[2]->b = d2;
    SetPoint3d(connectors[0]->position, L / 2, 0, 0);
    SetPoint3d(connectors[1]->position, -L / 2, 0, 0);
    SetPoint3d(connectors[2]->position, 0, H - Dm / 2, 0);
}

int16_t LVfTee::MarkFixedParams(int16_t*) { return -1; }

int16_t LVfTee::FitLength(double*, int16_t*, int16_t connectorA, int16_t connectorB, double along,
                          double across) {
    if (!IsRunEnds(orientation, connectorA, connectorB, 0, 1) || across != 0.0)
        return -1;
    return std::fabs(along - L) <= kLengthTolerance * (L > 1 ? L : 1) ? 0 : -1;
}

int16_t LVfTee::UpdateLabel() { return 0; }

int16_t LVfTee::AdjustInsertionPoint(ads_point, const double*) { return 0; }

int16_t LVfTee::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(endMarkSize, 1);
    ElementView view = ViewOf(orientation);
    if (view.IsPlan())
        DrawSideView(orientation < 3 ? 1 : -1);
    else if (view.IsSide())
        DrawBranchView(orientation);
    else if (view.IsEnd())
        DrawRunView(orientation);
    return block.Close();
}

// The run along x, the branch toward +y: collars at the three ends.
void LVfTee::DrawSideView(double s) {
    const double K = dimensionOffset, Y = H - Dm / 2, in = L / 2 - K;
    FittingFigure f(*this, s, system.roundCentreLines != 0);
    f.Collar(-L / 2, -in, d1 / 2);
    f.Collar(L / 2, in, d3 / 2);
    f.Line(FittingPen::kOutline, -d2 / 2, Y, -d2 / 2, Y - K);
    f.Line(FittingPen::kPen2, -d2 / 2, Y - K, d2 / 2, Y - K);
    f.Line(FittingPen::kOutline, d2 / 2, Y - K, d2 / 2, Y);
    f.Line(FittingPen::kOutline, -in, d1 / 2, -d2 / 2, Y - K);
    f.Line(FittingPen::kOutline, in, d3 / 2, d2 / 2, Y - K);
    f.Line(FittingPen::kOutline, -in, -d1 / 2, in, -d3 / 2);
    FittingFigure axes(*this, 1, system.roundCentreLines != 0);
    axes.Line(FittingPen::kCentre, -L / 2, 0, L / 2, 0);
    axes.Line(FittingPen::kCentre, 0, 0, 0, Y);
}

// The branch seen along its axis as a circle; from the far side (1) its
// hidden parts are dashed.  A narrow branch leaves the run's straight walls.
void LVfTee::DrawBranchView(int16_t o) {
    const double K = dimensionOffset, s = o < 3 ? 1 : -1, in = L / 2 - K;
    const bool narrow = d2 < (d1 + d3) / 2;
    FittingFigure f(*this, s, system.roundCentreLines != 0);
    f.Collar(-L / 2, -in, d1 / 2);
    f.Collar(L / 2, in, d3 / 2);
    const double T = L - 2 * K;
    double a = TangentAngle(T, d2, d1), b = TangentAngle(T, d2, d3);
    if (a > kHalfPi)
        a = kHalfPi;
    if (b > kHalfPi)
        b = kHalfPi;
    if (o == 4 || !narrow) {
        FittingPen pen = narrow ? FittingPen::kPen2 : FittingPen::kOutline;
        const double ca = d2 * std::cos(a) / 2, sa = d2 * std::sin(a) / 2;
        const double cb = d2 * std::cos(b) / 2, sb = d2 * std::sin(b) / 2;
        f.Line(pen, -in, d1 / 2, -ca, sa);
        f.Line(pen, -in, -d1 / 2, -ca, -sa);
        f.Line(pen, in, d3 / 2, cb, sb);
        f.Line(pen, in, -d3 / 2, cb, -sb);
    }
    if (narrow) {
        f.Line(FittingPen::kOutline, -in, d1 / 2, in, d3 / 2);
        f.Line(FittingPen::kOutline, -in, -d1 / 2, in, -d3 / 2);
    }
    FittingFigure axes(*this, 1, system.roundCentreLines != 0);
    if (o == 1) {
        if (narrow) {
            axes.Circle(FittingPen::kDashed, 0, 0, d2 / 2);
        } else {
            axes.Arc(FittingPen::kOutline, 0, 0, d2 / 2, b, kPi - a);
            axes.Arc(FittingPen::kOutline, 0, 0, d2 / 2, kPi + a, kTwoPi - b);
            axes.Arc(FittingPen::kDashed, 0, 0, d2 / 2, kPi - a, kPi + a);
            axes.Arc(FittingPen::kDashed, 0, 0, d2 / 2, kTwoPi - b, b);
        }
    }
    axes.Line(FittingPen::kCentre, -L / 2, 0, L / 2, 0);
    axes.Line(FittingPen::kCentre, 0, d2 / 2, 0, -d2 / 2);
}

// The run seen along its axis, the branch toward x = s: lines from the
// branch collar touching the run ends, hidden ones dashed.
void LVfTee::DrawRunView(int16_t o) {
    const double K = dimensionOffset, s = o < 3 ? 1 : -1, Y = H - Dm / 2;
    FittingFigure f(*this, s, system.roundCentreLines != 0);
    f.Collar(Y, Y - K, -d2 / 2, reducing ? FittingPen::kOutline : FittingPen::kPen2);
    const double T = 2 * (Y - K);
    const double a = TangentAngle(T, d1, d2), b = TangentAngle(T, d3, d2);
    const double p1x = d1 * std::cos(a) / 2, p1y = d1 * std::sin(a) / 2;
    const double p3x = d3 * std::cos(b) / 2, p3y = d3 * std::sin(b) / 2;
    const double qx = Y - K, qy = d2 / 2;
    FittingFigure axes(*this, 1, system.roundCentreLines != 0);
    if (!reducing) {
        f.Line(FittingPen::kOutline, p1x, -p1y, qx, -qy);
        f.Line(FittingPen::kOutline, qx, qy, p1x, p1y);
    } else {
        // E: the run end on the far side; R: it is the narrower one.
        const double E = o == 2 ? d1 : d3, O = o == 2 ? d3 : d1;
        const bool R = E < O;
        FittingPen toQ = o == 2 ? (R ? FittingPen::kDashed : FittingPen::kOutline)
                               : (R ? FittingPen::kOutline : FittingPen::kPen2);
        f.Line(toQ, p1x, -p1y, qx, -qy);
        f.Line(toQ, qx, qy, p1x, p1y);
        FittingPen between = R ? FittingPen::kDashed : FittingPen::kPen2;
        f.Line(between, p1x, -p1y, p3x, -p3y);
        f.Line(between, p3x, p3y, p1x, p1y);
        FittingPen fromQ = o == 5 ? (R ? FittingPen::kDashed : FittingPen::kOutline)
                                 : (R ? FittingPen::kOutline : FittingPen::kPen2);
        f.Line(fromQ, qx, -qy, p3x, -p3y);
        f.Line(fromQ, p3x, p3y, qx, qy);
        if (R) {
            axes.Circle(FittingPen::kDashed, 0, 0, E / 2);
        } else {
            const double at = o == 2 ? 0 : kPi, g = o == 2 ? a : b;
            axes.Arc(FittingPen::kOutline, 0, 0, E / 2, at + g, at + kTwoPi - g);
            axes.Arc(FittingPen::kDashed, 0, 0, E / 2, at - g, at + g);
        }
    }
    axes.Line(FittingPen::kCentre, -s * Dm / 2, 0, s * Y, 0);
    axes.Line(FittingPen::kCentre, 0, -Dm / 2, 0, Dm / 2);
}
