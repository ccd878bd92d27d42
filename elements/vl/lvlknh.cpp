#include "elements/vl/lvlknh.h"

#include <cmath>

#include "ads_entity.h"
#include "core/description_text.h"
#include "core/dimensions.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "core/fitting_figures.h"
#include "core/geometry.h"
#include "core/text_buffer.h"
#include "core/text_lists.h"
#include "elements/straight_run.h"
#include "elements/vl/vl_unit_figures.h"

namespace {

constexpr int16_t kStraightType = 15;
constexpr int16_t kCornerType = 16;
constexpr double kSmallOpenArea = 33.0;
constexpr double kLargeOpenArea = 50.0;
// The catalogue lengths of the straight unit.
constexpr double kShortUnit = 1000.0;
constexpr double kLongUnit = 2000.0;
// The corner's body is this much wider than its section.
constexpr double kCornerAllowance = 250.0;
// The largest difference still taken as a catalogue length: measured
// distances carry rounding errors far below a drawing unit.
constexpr double kLengthTolerance = 1e-6;

void BindSections(LObject& e) {
    for (int i = 0; i < 2; ++i) {
        e.connectors[i]->paramA = 0;
        e.connectors[i]->paramB = 1;
    }
}

void SizeConnectors(LObject& e, double A, double B, double p) {
    for (int i = 0; i < 2; ++i) {
        e.connectors[i]->a = A;
        e.connectors[i]->b = B;
        e.connectors[i]->areaFactor = p / 100;
    }
    e.connectors[1]->flow = e.connectors[0]->flow;
}

}  // namespace

double OpenAreaPercent(double p) { return p == kSmallOpenArea ? kSmallOpenArea : kLargeOpenArea; }

LVlKnhE::LVlKnhE() : LVl(kStraightType, 2, 4) {
    connectors[0]->side = 2;
    connectors[1]->side = 5;
    BindSections(*this);
    SetFlipModes(1, 0, 0);
    SetParams(DefaultValues());
}

int16_t LVlKnhE::MarkFixedParams(int16_t* flags) {
    if (flags)
        flags[2] = 1;
    return 0;
}

int16_t LVlKnhE::GetParams(double** values) {
    double* v = new double[4];
    v[0] = A;
    v[1] = B;
    v[2] = L;
    v[3] = p;
    *values = v;
    return 0;
}

int16_t LVlKnhE::SetParams(const double* values) {
    // 0 keeps a value; so does anything that is not a size.
    if (values) {
        double* fields[4] = {&A, &B, &L, &p};
        for (int i = 0; i < 4; ++i)
            if (IsSize(values[i]))
                *fields[i] = values[i];
    }
    p = OpenAreaPercent(p);
    SizeConnectors(*this, A, B, p);
    SetPoint3d(connectors[0]->position, L / 2, 0, 0);
    SetPoint3d(connectors[1]->position, -L / 2, 0, 0);
    return 0;
}

int16_t LVlKnhE::FitLength(double* params, int16_t* changed, int16_t connectorA, int16_t connectorB,
                           double along, double across) {
    if (!params || !changed || !IsStraightGap(orientation, connectorA, connectorB, 1.0, 0.0))
        return -1;
    if (!(std::fabs(across) <= kLengthTolerance))
        return -1;
    double length = 0;
    if (std::fabs(along - kShortUnit) <= kLengthTolerance)
        length = kShortUnit;
    else if (std::fabs(along - kLongUnit) <= kLengthTolerance)
        length = kLongUnit;
    else
        return -1;
    params[2] = length;
    changed[2] = 1;
    return 0;
}

char* LVlKnhE::GetDescription() {
    return DescriptionText(FormatText("KNH-E-%lg", p)).Size("A", A).Size("B", B).Size("L", L).NewBuffer();
}

int16_t LVlKnhE::UpdateLabel() {
    double h = ViewOf(orientation).IsSide() ? B / 2 : A / 2;
    MakeDimension(*this, insertionPoint, L, h + endMarkSize, rotation);
    acdbEntUpd(entity);
    flow = connectors[0]->flow;
    return MakeFittingLabel(FormatText("KNH-E-%lg", p).c_str(), RectSizeText(A, B).c_str());
}

int16_t LVlKnhE::AdjustInsertionPoint(ads_point, const double*) { return 0; }

int16_t LVlKnhE::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(endMarkSize, 0);
    ElementView view = ViewOf(orientation);
    if (view.IsPlan() || view.IsSide()) {
        double w = view.IsPlan() ? A : B;
        double s = (orientation == 0 || orientation == 4) ? 1.0 : -1.0;
        DrawStraightUnitBody(*this, L, w, s);
    }
    if (RectCentreLinesOn(*this))
        FigureLine(*this, FittingPen::kCentre, -L / 2, 0, L / 2, 0);
    return block.Close();
}

LVlKnhK::LVlKnhK() : LVl(kCornerType, 2, 3) {
    connectors[0]->side = 2;
    connectors[1]->side = 1;
    BindSections(*this);
    SetFlipModes(1, 0, 0);
    SetParams(DefaultValues());
}

int16_t LVlKnhK::MarkFixedParams(int16_t*) { return -1; }

int16_t LVlKnhK::GetParams(double** values) {
    double* v = new double[3];
    v[0] = A;
    v[1] = B;
    v[2] = p;
    *values = v;
    return 0;
}

int16_t LVlKnhK::SetParams(const double* values) {
    // A square section when only B is given; 0 (or anything that is not a
    // size) keeps a value.
    if (values) {
        if (IsSize(values[0]))
            A = values[0];
        else if (IsSize(values[1]))
            A = values[1];
        if (IsSize(values[1]))
            B = values[1];
        if (IsSize(values[2]))
            p = values[2];
    }
    p = OpenAreaPercent(p);
    S = A + kCornerAllowance;
    SizeConnectors(*this, A, B, p);
    SetPoint3d(connectors[0]->position, S / 2, S / 2 - A / 2, 0);
    SetPoint3d(connectors[1]->position, -S / 2 + A / 2, -S / 2, 0);
    return 0;
}

char* LVlKnhK::GetDescription() {
    return DescriptionText(FormatText("KNH-K-%lg", p)).Size("A", A).Size("B", B).NewBuffer();
}

int16_t LVlKnhK::UpdateLabel() {
    flow = connectors[0]->flow;
    return MakeFittingLabel(FormatText("KNH-K-%lg", p).c_str(), RectSizeText(A, B).c_str());
}

int16_t LVlKnhK::AdjustInsertionPoint(ads_point, const double*) { return 0; }

int16_t LVlKnhK::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorSymbols(endMarkSize, 0, 0);
    switch (orientation) {
    case 0:
    case 3:
        DrawPlan(orientation == 0 ? 1.0 : -1.0);
        break;
    case 1:
    case 2:
        DrawLegFacing(orientation == 2 ? 1.0 : -1.0);
        break;
    case 4:
    case 5:
        DrawLegAway(orientation == 4 ? 1.0 : -1.0);
        break;
    default:
        break;
    }
    return block.Close();
}

void LVlKnhK::DrawPlan(double s) {
    DrawCornerPlanBody(*this, S, A, s);
    DrawCornerPlanCentre(*this, S, A, s);
}

// The unit's mark on the leg: a cross and four holes, drawn with the pen.
static void DrawKnhMark(LObject& e, double S, double A, double B, double s, bool hidden) {
    const FittingPen pen = hidden ? FittingPen::kDashed : FittingPen::kPen2;
    FigureLine(e, pen, s * (S / 2 - A), 0, s * S / 2, 0);
    FigureLine(e, pen, s * (S / 2 - A / 2), -B / 2, s * (S / 2 - A / 2), B / 2);
    for (double x : {0.75, 0.25})
        for (double y : {0.25, -0.25}) {
            ads_point c = {s * (S / 2 - x * B), y * B, 0};
            if (hidden)
                e.DashedCircle(c, 0.2 * B);
            else
                e.Circle(c, 0.2 * B);
        }
}

void LVlKnhK::DrawLegFacing(double s) {
    DrawCornerLegFacingBody(*this, S, A, B, s, endMarkSize);
    DrawKnhMark(*this, S, A, B, s, false);
    DrawCornerSideCentre(*this, S, A, s, endMarkSize);
}

void LVlKnhK::DrawLegAway(double s) {
    DrawCornerLegAwayBody(*this, S, A, B, s, endMarkSize);
    DrawKnhMark(*this, S, A, B, s, true);
    DrawCornerSideCentre(*this, S, A, s, endMarkSize);
}
