#include "elements/vl/lvlusz.h"

#include <algorithm>
#include <cmath>

#include "core/description_text.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "core/fitting_figures.h"
#include "core/geometry.h"
#include "core/rounding.h"
#include "core/text_buffer.h"
#include "core/text_lists.h"
#include "elements/vl/vl_unit_figures.h"

namespace {

const char* const kVariantLetters[] = {"K", "M"};
constexpr int kValueCount = 3;
// USZ-29 is this much longer than its larger size.
constexpr double kUsz29Allowance = 70.0;
constexpr double kFourBladeLength = 150.0;
constexpr double kLemLimit = 2000.0;
constexpr double kS15Limit = 1625.0;
constexpr double kS15PairLimit = 1600.0;
constexpr double kUsz17Limit = 1600.0;
// Half the side of USZ-29's drive square and the inset of its blade frame.
constexpr double kDriveHalf = 30.0;
constexpr double kBladeInset = 5.0;
// Axles of a wide four-blade unit stay this size.
constexpr double kWideUnit = 1000.0;
constexpr double kWideAxle = 50.0;

void DrawAxle(LObject& e, double x, double y, double r) {
    if (!(r > 0.0))
        return;  // a unit of no size has no axle to show
    ads_point c = {x, y, 0};
    e.SolidHatch(c, r);
}

}  // namespace

const char* VariantLetterKM(int variant) { return ListText(kVariantLetters, variant); }

LVlBladeUnit::LVlBladeUnit(int16_t typeId, const char* code, const char* firstName, const char* secondName)
    : LVl(typeId, 2, kValueCount), code(code), firstName(firstName), secondName(secondName) {
    SetRunEnds(false, 0, 1);
    SetFlipModes(1, 0, 0);
}

int16_t LVlBladeUnit::MarkFixedParams(int16_t*) { return -1; }

int16_t LVlBladeUnit::GetParams(double** values) {
    double* v = new double[kValueCount];
    v[0] = first;
    v[1] = second;
    v[2] = variant;
    *values = v;
    return 0;
}

int16_t LVlBladeUnit::SetParams(const double* values) {
    // The sizes take their input as it stands, 0 included; a number that is
    // not finite keeps the stored one.
    if (values) {
        if (std::isfinite(values[0]))
            first = values[0];
        if (std::isfinite(values[1]))
            second = values[1];
        if (std::isfinite(values[2]))
            variant = RoundToShort(values[2]);
    }
    ApplyLimits();
    for (int i = 0; i < 2; ++i) {
        connectors[i]->a = first;
        connectors[i]->b = second;
    }
    SetPoint3d(connectors[0]->position, L / 2, 0, 0);
    SetPoint3d(connectors[1]->position, -L / 2, 0, 0);
    connectors[1]->flow = connectors[0]->flow;
    return 0;
}

double LVlBladeUnit::GetQuantity() { return 1.0; }

int16_t LVlBladeUnit::FitLength(double*, int16_t*, int16_t, int16_t, double, double) { return -1; }

// "LEM-K"; a variant outside the list prints the code alone.
std::string LVlBladeUnit::CodeText() const {
    const char* letter = VariantLetterKM(variant);
    return letter[0] ? FormatText("%s-%s", code, letter) : std::string(code);
}

char* LVlBladeUnit::GetDescription() {
    return DescriptionText(CodeText()).Size(firstName, first).Size(secondName, second).NewBuffer();
}

int16_t LVlBladeUnit::UpdateLabel() {
    flow = connectors[0]->flow;
    return MakeFittingLabel(CodeText().c_str(), RectSizeText(first, second).c_str());
}

int16_t LVlBladeUnit::AdjustInsertionPoint(ads_point, const double*) { return 0; }

int16_t LVlBladeUnit::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(endMarkSize, 1);
    ElementView view = ViewOf(orientation);
    if (view.IsPlan() || view.IsSide()) {
        double w = view.IsPlan() ? first : second;
        FigureLine(*this, FittingPen::kOutline, -L / 2, w / 2, L / 2, w / 2);
        FigureLine(*this, FittingPen::kOutline, -L / 2, -w / 2, L / 2, -w / 2);
        DrawBlades(w);
    }
    if (RectCentreLinesOn(*this))
        FigureLine(*this, FittingPen::kCentre, -L / 2, 0, L / 2, 0);
    return block.Close();
}

LVlUSz29::LVlUSz29() : LVlBladeUnit(20, "USZ-29", "A", "B") { SetParams(DefaultValues()); }

void LVlUSz29::ApplyLimits() { L = (second > first ? second : first) + kUsz29Allowance; }

void LVlUSz29::DrawBlades(double w) {
    const bool plan = ViewOf(orientation).IsPlan();
    const double s = plan ? 1.0 : -1.0;
    const double B = second, m = kBladeInset, q = kDriveHalf;
    const double frame[] = {-B / 2 + m, w / 2 - m,  B / 2 - m,  w / 2 - m, B / 2 - m,
                            -w / 2 + m, -B / 2 + m, -w / 2 + m, -B / 2 + m, w / 2 - m};
    FigureChain(*this, FittingPen::kDashed, frame, 5);
    if (plan) {
        const double drive[] = {-q, -w / 2, -q, -w / 2 - endMarkSize, q, -w / 2 - endMarkSize, q, -w / 2};
        FigureChain(*this, FittingPen::kPen2, drive, 4);
    } else {
        const double square[] = {-q, q, q, q, q, -q, -q, -q, -q, q};
        FigureChain(*this, orientation == 1 ? FittingPen::kDashed : FittingPen::kPen2, square, 5);
    }
    DrawAxle(*this, 0, 0, 0.05 * w);
    FigureLine(*this, FittingPen::kDashed, -s * w / 4, 3 * w / 8, s * w / 4, -3 * w / 8);
}

void LVlFourBlades::Cap(double limit) {
    first = std::min(first, limit);
    second = std::min(second, limit);
}

void LVlFourBlades::DrawBlades(double w) {
    const double s = (orientation == 0 || orientation == 4) ? 1.0 : -1.0;
    if (ViewOf(orientation).IsPlan()) {
        const double drive[] = {-L / 6, -w / 2, -L / 6, -w / 2 - endMarkSize, L / 6, -w / 2 - endMarkSize,
                                L / 6,  -w / 2};
        FigureChain(*this, FittingPen::kPen2, drive, 4);
    }
    const double axle = w > kWideUnit ? kWideAxle : 0.05 * w;
    for (int k = 0; k < 4; ++k) {
        const double sk = k % 2 == 0 ? s : -s;
        DrawAxle(*this, 0, w / 2 - (5 * k + 3) * w / 21, axle);
        FigureLine(*this, FittingPen::kPen2, -sk * L / 4, w / 2 - (5 * k + 1) * w / 21, sk * L / 4,
                   w / 2 - (5 * k + 5) * w / 21);
    }
}

LVlLEM::LVlLEM() : LVlFourBlades(21, "LEM", "B", "H") { SetParams(DefaultValues()); }

void LVlLEM::ApplyLimits() {
    L = kFourBladeLength;
    Cap(kLemLimit);
}

LVlS15::LVlS15() : LVlFourBlades(22, "S-15", "B", "H") { SetParams(DefaultValues()); }

void LVlS15::ApplyLimits() {
    L = kFourBladeLength;
    Cap(kS15Limit);
    if (first > kS15PairLimit && second > kS15PairLimit)
        second = kS15PairLimit;
}

LVlUSz17::LVlUSz17() : LVlFourBlades(23, "USZ-17", "B", "H") { SetParams(DefaultValues()); }

void LVlUSz17::ApplyLimits() {
    L = kFourBladeLength;
    Cap(kUsz17Limit);
}
