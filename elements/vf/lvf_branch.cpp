#include "elements/vf/lvf_branch.h"

#include <algorithm>
#include <cmath>

#include "core/draw_neutral.h"
#include "core/fitting_figures.h"
#include "core/geometry.h"
#include "elements/vf/lvf_fit.h"

namespace {

constexpr int kValueCount = 2;

double Given(double v) { return std::isfinite(v) && v > 0.0 ? v : 0.0; }

}  // namespace

LVfBranch::LVfBranch(uint16_t typeId, int16_t connectorCount, int16_t runB)
    : LVf(typeId, connectorCount, kValueCount), runEnd(runB) {
    vfKsCode = kVfKsVf;
    SetFlipModes(1, 0, 0);
}

int16_t LVfBranch::MarkFixedParams(int16_t*) { return -1; }

int16_t LVfBranch::GetParams(double** values) {
    double* v = new double[kValueCount];
    v[0] = d1;
    v[1] = d2;
    *values = v;
    return 0;
}

int16_t LVfBranch::SetParams(const double* values) {
    if (values) {
        const double in1 = Given(values[0]), in2 = Given(values[1]);
        const bool fallBack = IsEdited() == 0;
        if (in1 != 0)
            d1 = in1;
        else if (fallBack && in2 != 0)
            d1 = in2;
        if (in2 != 0)
            d2 = in2;
        else if (fallBack && in1 != 0)
            d2 = in1;
    }
    const double tested[2] = {d1, d2};
    vfKsCode = VfKsCodeFor(tested, 2);
    LayOut();
    return 0;
}

int16_t LVfBranch::FitLength(double*, int16_t*, int16_t connectorA, int16_t connectorB, double along,
                             double across) {
    if (!IsRunGap(orientation, connectorA, connectorB, 0, runEnd, across))
        return -1;
    return FitsLength(along) ? 0 : -1;
}

bool LVfBranch::FitsLength(double along) const { return SameLength(along, L); }

int16_t LVfBranch::UpdateLabel() { return 0; }

int16_t LVfBranch::AdjustInsertionPoint(ads_point, const double*) { return 0; }

void LVfBranch::PlaceConnector(int16_t i, double diameter, double x, double y, double z) {
    connectors[i]->a = connectors[i]->b = diameter;
    SetPoint3d(connectors[i]->position, x, y, z);
}

void LVfBranch::CentreLine(double x1, double y1, double x2, double y2) {
    if (system.roundCentreLines != 0)
        FigureLine(*this, FittingPen::kCentre, x1, y1, x2, y2);
}

void LVfBranch::RunCollar(double e, double D) {
    const double i = (e < 0 ? -1.0 : 1.0) * (L / 2 - dimensionOffset);
    FigureLine(*this, FittingPen::kOutline, e, D / 2, i, D / 2);
    FigureLine(*this, FittingPen::kPen2, i, D / 2, i, -D / 2);
    FigureLine(*this, FittingPen::kOutline, i, -D / 2, e, -D / 2);
}

void DrawEndOnBranch(LVfBranch& e, const EndOnBranch& b) {
    const double K = e.dimensionOffset;
    const double Da = b.Da, Db = b.Db, La = b.La, f = b.f;
    // Where the tangent from a collar's lower corner touches the branch.
    const double T = La - 2 * K;
    const double rise = 2 * Da - Db;
    const double reach = std::sqrt(rise * rise + T * T);
    double a = (T != 0 ? std::atan(rise / T) : kHalfPi) + std::acos(reach > 0 ? std::clamp(Db / reach, -1.0, 1.0) : 0.0);
    if (a > kHalfPi)
        a = kHalfPi;
    const double bottom = -Da / 2 + f, top = Da / 2 + f, inner = La / 2 - K;
    for (double end : {-La / 2, La / 2}) {
        const double i = (end < 0 ? -1.0 : 1.0) * inner;
        FigureLine(e, FittingPen::kPen2, i, top, i, bottom);
        FigureLine(e, FittingPen::kOutline, end, bottom, i, bottom);
    }
    FigureLine(e, FittingPen::kOutline, -La / 2, top, La / 2, top);
    const double ty = (Da - Db) / 2 - Db * std::sin(a) / 2 + f;
    const double tx = Db * std::cos(a) / 2;
    if (b.tangents) {
        const FittingPen pen = b.narrow ? FittingPen::kPen2 : FittingPen::kOutline;
        FigureLine(e, pen, -inner, bottom, -tx, ty);
        FigureLine(e, pen, inner, bottom, tx, ty);
    }
    if (b.narrow)
        FigureLine(e, FittingPen::kOutline, -inner, bottom, inner, bottom);
    const double py = (Da - Db) / 2 + f;
    if (b.ring) {
        ads_point p = {0, py, 0};
        if (b.narrow) {
            e.DashedCircle(p, Db / 2);
        } else {
            MakeArc(p, Db / 2, kPi + a, -a);
            e.DashedArc(p, Db / 2, -a, kPi + a);
        }
    }
    if (e.system.roundCentreLines != 0) {
        FigureLine(e, FittingPen::kCentre, -La / 2, f, La / 2, f);
        FigureLine(e, FittingPen::kCentre, 0, Da / 2 + f, 0, Da / 2 - Db + f);
        FigureLine(e, FittingPen::kCentre, Db / 2, py, -Db / 2, py);
    }
}
