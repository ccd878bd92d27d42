#include "elements/vl/lvlcs.h"

#include <cmath>
#include <cstring>

#include "core/description_text.h"
#include "core/element_block.h"
#include "core/geometry.h"
#include "core/param_bindings.h"
#include "core/rounding.h"
#include "core/text_buffer.h"
#include "core/type_tables.h"
#include "elements/straight_run.h"
#include "elements/vl/vl_unit_figures.h"
#include "elements/vl/vl_units.h"

namespace {

constexpr int16_t kStraightType = 17;
constexpr int16_t kPlanCornerType = 18;
constexpr int16_t kRiseCornerType = 19;
// The variant's letter: the fourth character of its text ("CS-N").
constexpr size_t kVariantLetter = 3;
// The values of each unit in their order, as GetParams gives them; SetParams
// takes them by its own rules (0 keeps a value).
constexpr ParamBinding<LVlCs> kStraightValues[] = {
    SizeField<LVlCs>(&LVlCs::A), SizeField<LVlCs>(&LVlCs::B),     SizeField<LVlCs>(&LVlCs::L),
    PositionField<LVlCs>(&LVlCs::n), SizeField<LVlCs>(&LVlCs::t), PositionField<LVlCs>(&LVlCs::variant)};
constexpr ParamBinding<LVlCsCorner> kCornerValues[] = {
    SizeField<LVlCsCorner>(&LVlCsCorner::A), SizeField<LVlCsCorner>(&LVlCsCorner::B),
    PositionField<LVlCsCorner>(&LVlCsCorner::n), SizeField<LVlCsCorner>(&LVlCsCorner::t),
    PositionField<LVlCsCorner>(&LVlCsCorner::variant)};

}  // namespace

double FreeAreaFactor(int16_t n, double t, double A) {
    if (!std::isfinite(A) || A <= 0.0 || !std::isfinite(t))
        return 0.0;
    double f = 1.0 - n * t / A;
    return f > 0.0 ? f : 0.0;
}

LVlInsertUnit::LVlInsertUnit(int16_t typeId, int16_t valueCount, int16_t variantParam)
    : LVl(typeId, 2, static_cast<uint16_t>(valueCount)), variantParam(variantParam) {}

const char* LVlInsertUnit::VariantText() const { return DescListText(descriptor, variantParam, variant - 1); }

void LVlInsertUnit::SizeConnectors(double a0, double b0, double a1, double b1) {
    SizeUnitConnectors(*this, a0, b0, a1, b1, FreeAreaFactor(n, t, A));
}

int16_t LVlInsertUnit::MakeLabel() { return MakeSectionLabel(*this, NameText().c_str(), A, B); }

char* LVlInsertUnit::GetDescription() {
    double* values = nullptr;
    if (GetParams(&values) != 0 || !values) {
        delete[] values;
        return NewTextBuffer("", kDescriptionSize);
    }
    DescriptionText text(NameText());
    int shown = descriptor ? descriptor->paramCount - 1 : 0;
    for (int i = 0; i < shown && i < paramCount; ++i) {
        const char* caption = DescCaption(descriptor, i);
        size_t len = std::strlen(caption);
        if (len <= 3)
            text.Value(values[i]);
        else
            text.Size(std::string(1, caption[len - 3]).c_str(), values[i]);
    }
    delete[] values;
    return text.NewBuffer();
}

int16_t LVlInsertUnit::AdjustInsertionPoint(ads_point, const double*) { return 0; }

LVlCs::LVlCs() : LVlInsertUnit(kStraightType, 6, 5) {
    SetRunEnds(false, 0, 1);
    SetFlipModes(1, 0, 0);
    SetParams(DefaultValues());
}

std::string LVlCs::NameText() const {
    std::string name = descriptor ? descriptor->displayCode : "CS";
    const char* text = VariantText();
    if (std::strlen(text) > kVariantLetter)
        name += FormatText("-%c", text[kVariantLetter]);
    return name;
}

int16_t LVlCs::MarkFixedParams(int16_t* flags) {
    if (flags)
        flags[2] = 1;
    return 0;
}

int16_t LVlCs::GetParams(double** values) { return GetBoundParams(*this, kStraightValues, values); }

int16_t LVlCs::SetParams(const double* values) {
    // 0 keeps a value; so does anything that is not a size.
    if (values) {
        double* sizes[4] = {&A, &B, &L, &t};
        const int at[4] = {0, 1, 2, 4};
        for (int i = 0; i < 4; ++i)
            if (IsSize(values[at[i]]))
                *sizes[i] = values[at[i]];
        if (values[3] != 0 && std::isfinite(values[3]))
            n = RoundToShort(values[3]);
        if (values[5] != 0 && std::isfinite(values[5]))
            variant = RoundToShort(values[5]);
    }
    SizeConnectors(A, B, A, B);
    PlaceStraightUnitEnds(*this, L);
    return 0;
}

int16_t LVlCs::FitLength(double* params, int16_t* changed, int16_t connectorA, int16_t connectorB,
                         double along, double across) {
    if (!params || !changed || !IsStraightGap(orientation, connectorA, connectorB, along, across))
        return -1;
    params[2] = along;
    changed[2] = 1;
    return 0;
}

int16_t LVlCs::UpdateLabel() {
    DimensionStraightUnit(*this, L, A, B, endMarkSize);
    return MakeLabel();
}

int16_t LVlCs::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(endMarkSize, 0);
    DrawStraightUnit(*this, L, A, B);
    return block.Close();
}

LVlCsCorner::LVlCsCorner(int16_t typeId, const char* plane) : LVlInsertUnit(typeId, 5, 4), plane(plane) {}

std::string LVlCsCorner::NameText() const {
    const char* text = VariantText();
    return FormatText("%s-%s", text[0] ? text : "CSK", plane);
}

int16_t LVlCsCorner::MarkFixedParams(int16_t*) { return -1; }

int16_t LVlCsCorner::GetParams(double** values) { return GetBoundParams(*this, kCornerValues, values); }

int16_t LVlCsCorner::SetParams(const double* values) {
    if (values) {
        TakeCornerSection(values, &A, &B);
        if (values[2] != 0 && std::isfinite(values[2]))
            n = RoundToShort(values[2]);
        if (IsSize(values[3]))
            t = values[3];
        if (values[4] != 0 && std::isfinite(values[4]))
            variant = RoundToShort(values[4]);
    }
    PlaceConnectors();
    return 0;
}

int16_t LVlCsCorner::UpdateLabel() { return MakeLabel(); }

LVlCsKH::LVlCsKH() : LVlCsCorner(kPlanCornerType, "H") {
    connectors[0]->side = 2;
    connectors[1]->side = 1;
    for (int i = 0; i < 2; ++i) {
        connectors[i]->paramA = 0;
        connectors[i]->paramB = 1;
    }
    SetFlipModes(1, 0, 0);
    SetParams(DefaultValues());
}

void LVlCsKH::PlaceConnectors() {
    S = A + kUnitCornerAllowance;
    SizeConnectors(A, B, A, B);
    PlacePlanCornerEnds(*this, S, A);
}

// The insert lines across the turned leg, seen from its side.
void LVlCsKH::DrawInserts(double s, FittingPen pen) {
    for (int k = 1; k < n; ++k) {
        double x = s * (S / 2 - k * A / n);
        FigureLine(*this, pen, x, -B / 2, x, B / 2);
    }
}

int16_t LVlCsKH::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorSymbols(endMarkSize, 0, 0);
    const double E = endMarkSize;
    switch (orientation) {
    case 0:
    case 3: {
        double s = orientation == 0 ? 1.0 : -1.0;
        DrawCornerPlanBody(*this, S, A, s);
        DrawCornerPlanCentre(*this, S, A, s);
        break;
    }
    case 1:
    case 2: {
        double s = orientation == 2 ? 1.0 : -1.0;
        DrawCornerLegFacingBody(*this, S, A, B, s, E);
        DrawInserts(s, FittingPen::kPen2);
        DrawCornerSideCentre(*this, S, A, s, E);
        break;
    }
    case 4:
    case 5: {
        double s = orientation == 4 ? 1.0 : -1.0;
        DrawCornerLegAwayBody(*this, S, A, B, s, E);
        DrawInserts(s, FittingPen::kDashed);
        DrawCornerSideCentre(*this, S, A, s, E);
        break;
    }
    default:
        break;
    }
    return block.Close();
}

// The corner turns in the plane of B: connector 1 faces up and carries the
// section turned, B across and A along.
LVlCsKV::LVlCsKV() : LVlCsCorner(kRiseCornerType, "V") {
    connectors[0]->side = 2;
    connectors[1]->side = 0;
    connectors[0]->paramA = 0;
    connectors[0]->paramB = 1;
    connectors[1]->paramA = 1;
    connectors[1]->paramB = 0;
    SetFlipModes(0, 1, 0);
    SetParams(DefaultValues());
}

void LVlCsKV::PlaceConnectors() {
    S = B + kUnitCornerAllowance;
    SizeConnectors(A, B, B, A);
    SetPoint3d(connectors[0]->position, S / 2, 0, -S / 2 + B / 2);
    SetPoint3d(connectors[1]->position, -S / 2 + B / 2, 0, S / 2);
}

int16_t LVlCsKV::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorSymbols(endMarkSize, 0, 0);
    const double E = endMarkSize;
    const bool centre = RectCentreLinesOn(*this);
    const double leg = -S / 2 + B + E;  // where the walls stop short of the leg
    switch (orientation) {
    case 0:
        FigureLine(*this, FittingPen::kOutline, S / 2, -A / 2, leg, -A / 2);
        FigureLine(*this, FittingPen::kOutline, S / 2, A / 2, leg, A / 2);
        for (int k = 1; k < n; ++k)
            FigureLine(*this, FittingPen::kPen2, -S / 2 + B, InsertLine(k, -A / 2, A), -S / 2,
                       InsertLine(k, -A / 2, A));
        if (centre)
            FigureLine(*this, FittingPen::kCentre, S / 2, 0, leg, 0);
        break;
    case 2:
        FigureLine(*this, FittingPen::kOutline, -A / 2, S / 2, -A / 2, leg);
        FigureLine(*this, FittingPen::kOutline, A / 2, S / 2, A / 2, leg);
        for (int k = 1; k < n; ++k)
            FigureLine(*this, FittingPen::kPen2, InsertLine(k, -A / 2, A), -S / 2 + B, InsertLine(k, -A / 2, A),
                       -S / 2);
        if (centre)
            FigureLine(*this, FittingPen::kCentre, 0, S / 2, 0, leg);
        break;
    case 3: {
        const double body[] = {-S / 2, -A / 2, S / 2, -A / 2, S / 2, A / 2, -S / 2, A / 2};
        FigureChain(*this, FittingPen::kOutline, body, 4);
        const double x0 = S / 2 - B - E;
        const double frame[] = {x0, A / 2, x0, A / 2 + E, S / 2 + E, A / 2 + E, S / 2 + E, -A / 2 - E,
                                x0, -A / 2 - E, x0, -A / 2};
        FigureChain(*this, FittingPen::kOutline, frame, 6);
        FigureLine(*this, FittingPen::kDashed, x0, A / 2, x0, -A / 2);
        FigureLine(*this, FittingPen::kDashed, S / 2 - B, -A / 2, S / 2 - B, A / 2);
        for (int k = 1; k < n; ++k)
            FigureLine(*this, FittingPen::kDashed, S / 2 - B, InsertLine(k, -A / 2, A), S / 2,
                       InsertLine(k, -A / 2, A));
        if (centre)
            FigureLine(*this, FittingPen::kCentre, -S / 2, 0, x0, 0);
        break;
    }
    case 5: {
        const double body[] = {-A / 2, S / 2, -A / 2, -S / 2, A / 2, -S / 2, A / 2, S / 2};
        FigureChain(*this, FittingPen::kOutline, body, 4);
        const double frame[] = {A / 2,      leg,        A / 2 + E,  leg,        A / 2 + E, -S / 2 - E,
                                -A / 2 - E, -S / 2 - E, -A / 2 - E, leg,        -A / 2,    leg};
        FigureChain(*this, FittingPen::kPen2, frame, 6);
        FigureLine(*this, FittingPen::kDashed, A / 2, leg, -A / 2, leg);
        FigureLine(*this, FittingPen::kDashed, -A / 2, -S / 2 + B, A / 2, -S / 2 + B);
        for (int k = 1; k < n; ++k)
            FigureLine(*this, FittingPen::kDashed, InsertLine(k, -A / 2, A), -S / 2 + B, InsertLine(k, -A / 2, A),
                       -S / 2);
        if (centre)
            FigureLine(*this, FittingPen::kCentre, 0, S / 2, 0, leg);
        break;
    }
    case 1:
    case 4: {
        double s = orientation == 1 ? 1.0 : -1.0;
        DrawCornerPlanBody(*this, S, B, s, -1.0);
        DrawCornerPlanCentre(*this, S, B, s, -1.0);
        break;
    }
    default:
        break;
    }
    return block.Close();
}
