#include "elements/vl/lvl_elbow.h"

#include <cmath>

#include "core/connector_pose.h"
#include "core/description_text.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "core/fitting_figures.h"
#include "core/geometry.h"
#include "core/rounding.h"
#include "elements/straight_run.h"
#include "elements/vl/vl_branch_rules.h"

namespace {

constexpr int kValueCount = 7;
enum Value { kAlfa, kA, kB, kC, kLa, kLc, kR };

// A value the elbow can read: anything not finite counts as not given.
double Given(const double* v, int i) { return v && std::isfinite(v[i]) ? v[i] : 0.0; }

// A straight extension: what the total asks beyond the fitting's own leg.
double Extension(double total, double own) {
    int16_t x = RoundToShort(total - own);
    return x > 0 ? x : 0.0;
}

}  // namespace

LVlElbow::LVlElbow(int16_t typeId, const char* code) : LVl(typeId, 2, kValueCount), code(code) {
    connectors[0]->side = 1;
    connectors[0]->paramA = kA;
    connectors[0]->paramB = kB;
    connectors[1]->side = 2;
    connectors[1]->paramA = kC;
    connectors[1]->paramB = kB;
    SetFlipModes(1, 0, 0);
}

int16_t LVlElbow::TotalLa() const { return RoundToShort(G + eA); }
int16_t LVlElbow::TotalLc() const { return RoundToShort(FirstLegLength() + eC); }

int16_t LVlElbow::GetParams(double** values) {
    double* v = new double[kValueCount];
    v[kAlfa] = alfa;
    v[kA] = a;
    v[kB] = b;
    v[kC] = c;
    v[kLa] = TotalLa();
    v[kLc] = TotalLc();
    v[kR] = r;
    *values = v;
    return 0;
}

int16_t LVlElbow::SetParams(const double* values) {
    double v[kValueCount];
    if (values) {
        for (int i = 0; i < kValueCount; ++i)
            v[i] = Given(values, i);
    } else {
        v[kAlfa] = alfa, v[kA] = a, v[kB] = b, v[kC] = c;
        v[kLa] = TotalLa(), v[kLc] = TotalLc(), v[kR] = r;
    }
    if (v[kAlfa] != 0.0)
        alfa = v[kAlfa];
    else if (alfa == 0.0)
        alfa = 90;
    // A width left 0 takes the other leg's width.
    if (IsSize(v[kA]))
        a = v[kA];
    else if (IsSize(v[kC]))
        a = v[kC];
    if (IsSize(v[kB]))
        b = v[kB];
    if (IsSize(v[kC]))
        c = v[kC];
    else if (IsSize(v[kA]))
        c = v[kA];
    // The extensions the totals give on the old geometry: a total left as
    // it was keeps its extension while the fitting changes size.
    double xA = Extension(v[kLa], G);
    double xC = Extension(v[kLc], FirstLegLength());
    r = v[kR];
    if (alfa > 90)
        alfa = 90;
    else if (alfa <= 0)
        alfa = 1;
    const bool stored = RestoringParams();
    r = BranchRadius(r, a > c ? a : c, stored);
    t = (90 - alfa) * kDegree;
    Derive();
    // Stored totals are the ones the extensions were taken from.
    if (stored || eA != xA)
        eA = Extension(v[kLa], G);
    if (stored || eC != xC)
        eC = Extension(v[kLc], FirstLegLength());

    double st = std::sin(t), ct = std::cos(t);
    LConnector* c0 = connectors[0];
    c0->a = a;
    c0->b = b;
    SetPoint3d(c0->position, -W / 2 + a / 2, -H / 2 - eC, 0);
    LConnector* c1 = connectors[1];
    c1->angle = t;
    c1->a = c;
    c1->b = b;
    SetPoint3d(c1->position, W / 2 - c * st / 2 + eA * ct, H / 2 - c * ct / 2 + eA * st, 0);
    SetOffsets();
    return 0;
}

int16_t LVlElbow::MarkFixedParams(int16_t* flags) {
    if (flags)
        flags[kAlfa] = flags[kLa] = flags[kLc] = flags[kR] = 1;
    return -1;
}

int16_t LVlElbow::FitLength(double*, int16_t*, int16_t, int16_t, double, double) { return -1; }

char* LVlElbow::GetDescription() {
    DescriptionText text(code);
    text.Size("alfa", alfa).Size("a", a).Size("b", b).Size("c", c);
    if (eA > 0)
        text.Size("La", TotalLa());
    if (eC > 0)
        text.Size("Lc", TotalLc());
    text.Size("r", r);
    return text.NewBuffer();
}

int16_t LVlElbow::UpdateLabel() { return 0; }

int16_t LVlElbow::AdjustInsertionPoint(ads_point, const double*) { return 0; }

int16_t LVlElbow::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    ElementView view = ViewOf(orientation);
    double st = std::sin(t), ct = std::cos(t);
    if (view.IsSide()) {
        // Seen askew along the second leg, the first leg's end shows where
        // the side figure puts it.
        double D = eA * (1 - ct);
        double x = a * ct / 2 - L / 2 + (W / 2 - c * st / 2 - L / 2) - eC * st - D;
        DrawConnectorEndsPosed(*this, endMarkSize, 1, {0, x, t});
    } else {
        DrawConnectorEnds(endMarkSize, 1);
    }
    if (view.IsPlan())
        DrawPlan(view.SignX());
    else if (view.kind != ViewKind::kNone)
        DrawSide();
    return block.Close();
}

// The side and end views, both classes alike: the legs as a band of height
// b, one table row per orientation and one figure.
void LVlElbow::DrawSide() {
    const double st = std::sin(t), ct = std::cos(t), D = eA * (1 - ct), m = endMarkSize;
    struct Row {
        double s, Ls, A, E0, E1, X0;
    };
    const Row rows[6] = {
        {},
        {+1, L, a * ct, m * ct, 0, W / 2 - c * st / 2 - L / 2},
        {-1, H, c * ct, 0, m * ct, 0},
        {},
        {+1, L, a * ct, m * ct, 0, L / 2 - W / 2 + c * st / 2 + eC * st + D},
        {-1, H, c * ct, 0, m * ct, -eA * st},
    };
    const Row& w = rows[orientation];
    const double hb = b / 2, reach = hb + m;
    FittingFigure f(*this, 1, system.rectCentreLines != 0);
    if (orientation == 1) {
        double x0 = -w.Ls / 2 + w.X0 - eC * st - D;
        f.Band(w.Ls / 2 + w.X0 + eA - D, x0 + w.A + m * ct, hb);
        f.Line(FittingPen::kCentre, x0 - m * ct, 0, w.Ls / 2 + w.X0 + eA - D, 0);
        f.Line(FittingPen::kCentre, x0 + w.A / 2, reach, x0 + w.A / 2, -reach);
        return;
    }
    if (orientation == 2) {
        f.Band(-(H / 2 + eC), H / 2 - c * ct + eA * st - m * ct, hb);
        f.Line(FittingPen::kCentre, -H / 2 - eC, 0, H / 2 + m * ct + eA * st, 0);
        double x = H / 2 - c * ct / 2 + eA * st;
        f.Line(FittingPen::kCentre, x, reach, x, -reach);
        return;
    }
    // 4 and 5: the second leg end-on inside a frame, its hidden edges dashed.
    const double F = orientation == 4 ? -eA - eC * st : eA * st + eC;
    const double s = w.s;
    const double x1 = s * (w.Ls / 2 - w.A - m * ct) + w.X0;
    const double x2 = s * (w.Ls / 2 + m * ct) + w.X0;
    const double x3 = s * (w.Ls / 2 - w.A) + w.X0;
    const double end = s * w.Ls / 2 + w.X0;
    f.Band(-s * w.Ls / 2 + w.X0 + F, end, hb);
    f.Line(FittingPen::kOutline, end, hb, end, -hb);
    f.Line(FittingPen::kPen2, x1, reach, x2, reach);
    f.Line(FittingPen::kPen2, x1, -reach, x2, -reach);
    f.Line(FittingPen::kPen2, x2, -reach, x2, reach);
    f.Line(FittingPen::kPen2, x1, reach, x1, hb);
    f.Line(FittingPen::kPen2, x1, -reach, x1, -hb);
    f.Line(FittingPen::kDashed, x1, hb, x1, -hb);
    f.Line(FittingPen::kDashed, x3, hb, x3, -hb);
    double f4 = orientation == 4 ? F : 0, f5 = orientation == 5 ? F : 0;
    f.Line(FittingPen::kCentre, -w.Ls / 2 - w.E1 + w.X0 + f4, 0, w.Ls / 2 + w.E0 + w.X0 + f5, 0);
    double xc = s * (w.Ls / 2 - w.A / 2) + w.X0;
    f.Line(FittingPen::kCentre, xc, reach, xc, -reach);
}
