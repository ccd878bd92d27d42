#include "elements/vf/lvf_bend.h"

#include <cmath>
#include <string>

#include "core/connector_pose.h"
#include "core/description_text.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "core/fitting_figures.h"
#include "core/geometry.h"
#include "core/rounding.h"
#include "elements/straight_run.h"

namespace {

// Elbows from this diameter are made of straight segments.
constexpr double kSegmentedFrom = 315.0;
// A new VF/KS-05 and one given no usable angle.
constexpr double kDefaultAngle = 45.0;

}  // namespace

LVfBend::LVfBend(uint16_t typeId, bool freeAngle, const char* number)
    : LVf(typeId, 2, freeAngle ? 4 : 3), freeAngle(freeAngle), number(number) {
    vfKsCode = kVfKsVf;
    int16_t dParam = freeAngle ? 1 : 0;
    connectors[0]->side = 2;
    connectors[1]->side = 1;
    connectors[0]->paramA = connectors[1]->paramA = dParam;
    SetFlipModes(1, 0, 0);
}

LVf04::LVf04() : LVfBend(3, false, "04") { SetParams(DefaultValues()); }

LVf05::LVf05() : LVfBend(4, true, "05") { SetParams(DefaultValues()); }

int16_t LVfBend::GetParams(double** values) {
    double* v = new double[ValueCount()];
    int i = 0;
    if (freeAngle)
        v[i++] = alfa;
    v[i++] = d;
    v[i++] = m;
    v[i] = n;
    *values = v;
    return 0;
}

int16_t LVfBend::SetParams(const double* p) {
    if (p) {
        int i = 0;
        if (freeAngle) {
            if (std::isfinite(p[0]) && p[0] != 0)
                alfa = p[0];
            else if (alfa == 0)
                alfa = kDefaultAngle;
            i = 1;
        }
        // 0 keeps a value; so does a size or factor that is not one.
        if (IsSize(p[i]))
            d = p[i];
        if (IsSize(p[i + 1]))
            m = p[i + 1];
        if (std::isfinite(p[i + 2]) && p[i + 2] != 0)
            n = RoundToShort(p[i + 2]);
    }
    if (!freeAngle)
        alfa = 90;
    else if (!(alfa > 0 && alfa <= 90))
        alfa = kDefaultAngle;
    phi = (90 - alfa) * kDegree;
    R = m * d;
    Sd = d * std::sin(phi);
    Cd = d * std::cos(phi);
    H = R * std::cos(phi) + Cd / 2;
    W = R * (1 - std::sin(phi)) + d / 2 + Sd / 2;
    vfKsCode = VfKsCodeFor(&d, 1);
    LConnector* c0 = connectors[0];
    LConnector* c1 = connectors[1];
    c0->angle = phi;
    c0->a = c0->b = c1->a = c1->b = d;
    SetPoint3d(c0->position, W / 2 - Sd / 2, H / 2 - Cd / 2, 0);
    SetPoint3d(c1->position, -W / 2 + d / 2, -H / 2, 0);
    c1->flow = c0->flow;
    return 0;
}

int16_t LVfBend::MarkFixedParams(int16_t* flags) {
    if (flags) {
        if (freeAngle)
            flags[0] = 1;
        flags[freeAngle ? 2 : 1] = 1;
    }
    return -1;
}

int16_t LVfBend::FitLength(double*, int16_t*, int16_t, int16_t, double, double) { return -1; }

char* LVfBend::GetDescription() {
    DescriptionText text(std::string(vfKsCode == kVfKsKs ? "KS-" : "VF-") + number);
    if (freeAngle)
        text.Size("alfa", alfa);
    text.Size("d", d).Size("m", m).Size("n", n);
    return text.NewBuffer();
}

int16_t LVfBend::UpdateLabel() { return 0; }

int16_t LVfBend::AdjustInsertionPoint(ads_point, const double*) { return 0; }

int16_t LVfBend::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    ElementView view = ViewOf(orientation);
    if (view.IsSide()) {
        // Seen along the bend plane, the far leg's end shows tilted.
        double e0 = W / 2 - Sd / 2 - H / 2;
        DrawConnectorEndsPosed(*this, endMarkSize, 1, {1, Cd / 2 - H / 2 + e0, phi});
    } else {
        DrawConnectorEnds(endMarkSize, 1);
    }
    if (view.IsPlan())
        DrawPlan(view.SignX());
    else if (view.kind != ViewKind::kNone)
        DrawSide();
    return block.Close();
}

// The bend in its own plane: arcs, or chords with seams between segments.
void LVfBend::DrawPlan(double s) {
    FittingFigure f(*this, 1, system.roundCentreLines != 0);
    const double px = s * (-W / 2 + R + d / 2), py = -H / 2;
    const double sweep = kHalfPi - phi;
    const double from = s > 0 ? kHalfPi + phi : 0.0, to = s > 0 ? kPi : kHalfPi - phi;
    const double inner = R - d / 2, outer = R + d / 2;
    if (d >= kSegmentedFrom) {
        auto at = [&](double radius, double angle, double* x, double* y) {
            *x = px + radius * std::cos(angle);
            *y = py + radius * std::sin(angle);
        };
        for (int i = 0; i < n; ++i) {
            double t0 = from + i * sweep / n, t1 = from + (i + 1) * sweep / n;
            double x0, y0, x1, y1;
            at(inner, t0, &x0, &y0);
            at(inner, t1, &x1, &y1);
            f.Line(FittingPen::kOutline, x0, y0, x1, y1);
            double u0, v0, u1, v1;
            at(outer, t0, &u0, &v0);
            at(outer, t1, &u1, &v1);
            f.Line(FittingPen::kOutline, u0, v0, u1, v1);
            if (i < n - 1)
                f.Line(FittingPen::kPen2, x1, y1, u1, v1);
        }
    } else {
        f.Arc(FittingPen::kOutline, px, py, inner, from, to);
        f.Arc(FittingPen::kOutline, px, py, outer, from, to);
    }
    f.Arc(FittingPen::kCentre, px, py, R, from, to);
}

// The bend plane edge-on: one leg lengthwise; from behind, the other leg's
// opening end-on with its half over the body dashed.
void LVfBend::DrawSide() {
    FittingFigure f(*this, 1, system.roundCentreLines != 0);
    const double e0 = W / 2 - Sd / 2 - H / 2, h = H / 2 - Cd / 2, r = d / 2;
    struct Row {
        double s, e;
        bool opening;
        double beta;
    };
    const Row rows[6] = {{}, {+1, e0, false, 0}, {-1, 0, false, 0},
                         {}, {+1, e0, true, kPi}, {-1, 0, true, 0}};
    const Row& w = rows[orientation];
    if (!w.opening) {
        f.Line(FittingPen::kOutline, -w.s * h + w.e, r, w.s * H / 2 + w.e, r);
        f.Line(FittingPen::kOutline, -w.s * h + w.e, -r, w.s * H / 2 + w.e, -r);
        f.Line(FittingPen::kCentre, -H / 2 + w.e, 0, H / 2 + w.e, 0);
        f.Line(FittingPen::kCentre, -w.s * h + w.e, -r, -w.s * h + w.e, r);
        return;
    }
    const double qx = w.s * h - w.e;
    f.Line(FittingPen::kOutline, qx, r, -w.s * H / 2 - w.e, r);
    f.Line(FittingPen::kOutline, qx, -r, -w.s * H / 2 - w.e, -r);
    f.SplitEllipse(qx, 0, r, std::cos(phi), w.beta);
    f.Line(FittingPen::kCentre, -H / 2 - w.e, 0, H / 2 - w.e, 0);
    f.Line(FittingPen::kCentre, qx, -r, qx, r);
}
