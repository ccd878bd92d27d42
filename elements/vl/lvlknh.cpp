#include "elements/vl/lvlknh.h"

#include <cmath>

#include "core/description_text.h"
#include "core/element_block.h"
#include "core/fitting_figures.h"
#include "core/param_bindings.h"
#include "core/text_buffer.h"
#include "elements/straight_run.h"
#include "elements/vl/vl_unit_figures.h"
#include "elements/vl/vl_units.h"

namespace {

constexpr int16_t kStraightType = 15;
constexpr int16_t kCornerType = 16;
constexpr double kSmallOpenArea = 33.0;
constexpr double kLargeOpenArea = 50.0;
// The catalogue lengths of the straight unit.
constexpr double kShortUnit = 1000.0;
constexpr double kLongUnit = 2000.0;
// The largest difference still taken as a catalogue length: measured
// distances carry rounding errors far below a drawing unit.
constexpr double kLengthTolerance = 1e-6;

void BindSections(LObject& e) {
    for (int i = 0; i < 2; ++i) {
        e.connectors[i]->paramA = 0;
        e.connectors[i]->paramB = 1;
    }
}

// The values of each unit in their order: all sizes, 0 keeps a value.
constexpr ParamBinding<LVlKnhE> kStraightValues[] = {SizeField(&LVlKnhE::A), SizeField(&LVlKnhE::B),
                                                     SizeField(&LVlKnhE::L), SizeField(&LVlKnhE::p)};
constexpr ParamBinding<LVlKnhK> kCornerValues[] = {SizeField(&LVlKnhK::A), SizeField(&LVlKnhK::B),
                                                   SizeField(&LVlKnhK::p)};

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

int16_t LVlKnhE::GetParams(double** values) { return GetBoundParams(*this, kStraightValues, values); }

int16_t LVlKnhE::SetParams(const double* values) {
    if (values)
        SetBoundParams(*this, kStraightValues, values);
    p = OpenAreaPercent(p);
    SizeUnitConnectors(*this, A, B, A, B, p / 100);
    PlaceStraightUnitEnds(*this, L);
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
    DimensionStraightUnit(*this, L, A, B, endMarkSize);
    return MakeSectionLabel(*this, FormatText("KNH-E-%lg", p).c_str(), A, B);
}

int16_t LVlKnhE::AdjustInsertionPoint(ads_point, const double*) { return 0; }

int16_t LVlKnhE::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(endMarkSize, 0);
    DrawStraightUnit(*this, L, A, B);
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

int16_t LVlKnhK::GetParams(double** values) { return GetBoundParams(*this, kCornerValues, values); }

int16_t LVlKnhK::SetParams(const double* values) {
    if (values) {
        SetBoundParams(*this, kCornerValues, values);
        TakeCornerSection(values, &A, &B);
    }
    p = OpenAreaPercent(p);
    S = A + kUnitCornerAllowance;
    SizeUnitConnectors(*this, A, B, A, B, p / 100);
    PlacePlanCornerEnds(*this, S, A);
    return 0;
}

char* LVlKnhK::GetDescription() {
    return DescriptionText(FormatText("KNH-K-%lg", p)).Size("A", A).Size("B", B).NewBuffer();
}

int16_t LVlKnhK::UpdateLabel() { return MakeSectionLabel(*this, FormatText("KNH-K-%lg", p).c_str(), A, B); }

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
