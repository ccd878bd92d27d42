#include "elements/tv/ltv_xn2.h"

#include <cmath>
#include <iterator>
#include <limits>

#include "core/description_text.h"
#include "core/messages.h"
#include "core/rounding.h"
#include "core/text_buffer.h"
#include "core/text_lists.h"
#include "elements/tv/ltv_damper_symbols.h"
#include "elements/tv/ltv_duct_damper.h"
#include "elements/tv/tv_texts.h"

namespace {

const char* const kXn2Actuators[] = {"SM24V", "SM230V"};

constexpr Xn2Layout kXn2A = {14, false, false};
constexpr Xn2Layout kXn2AK = {15, true, false};
constexpr Xn2Layout kXn2J = {16, false, true};
constexpr Xn2Layout kXn2JK = {17, true, true};

// The first row whose limit lies above D gives the casing.
struct CasingRow {
    double below, side, depth;
};
constexpr double kAny = std::numeric_limits<double>::infinity();
const CasingRow kCasings[] = {
    {250, 200, 400}, {300, 250, 400}, {315, 300, 400}, {400, 350, 430},
    {500, 400, 460}, {560, 500, 570}, {700, 600, 650}, {800, 700, 750},
    {900, 800, 850}, {1000, 900, 950}, {kAny, 1000, 1050},
};

int16_t Clamped(double v, int16_t low, int16_t high) {
    int16_t x = RoundToShort(v);
    return x < low ? low : x > high ? high : x;
}

void Take(double* field, double v) {
    if (std::isfinite(v))
        *field = v;
}

}  // namespace

Xn2Casing Xn2kCasing(double D) {
    for (const CasingRow& r : kCasings)
        if (D < r.below)
            return {r.side, r.depth};
    const CasingRow& last = kCasings[std::size(kCasings) - 1];
    return {last.side, last.depth};
}

LTvXn2Damper::LTvXn2Damper(const Xn2Layout& l)
    : LTv(l.subtype, 2, static_cast<int16_t>((l.round ? 5 : 6) - (l.actuated ? 1 : 0))), layout(l) {
    SetRunEnds(l.round, 0, 1);
    SetParamIsText(TextIndex());
    SetFlipModes(1, 0, 0);
}

LTvXn2::LTvXn2(int16_t subtype) : LTvXn2Damper(subtype == 16 ? kXn2J : kXn2A) { SetParams(DefaultValues()); }

LTvXn2K::LTvXn2K(int16_t subtype) : LTvXn2Damper(subtype == 17 ? kXn2JK : kXn2AK) {
    SetParams(DefaultValues());
}

// The options follow the text parameter: the actuator, or flags A and B;
// then the variant.  The text parameter's entry is 0.
int16_t LTvXn2Damper::GetParams(double** values) {
    double* v = new double[paramCount]();
    if (layout.round) {
        v[0] = D;
    } else {
        v[0] = L;
        v[1] = H;
    }
    int16_t k = TextIndex() + 1;
    if (layout.actuated) {
        v[k++] = actuator;
    } else {
        v[k++] = flagA;
        v[k++] = flagB;
    }
    v[k] = variant;
    *values = v;
    return 0;
}

int16_t LTvXn2Damper::SetParams(const double* v) {
    if (!v)
        return 0;
    if (layout.round) {
        Take(&D, v[0]);
        Xn2Casing c = Xn2kCasing(D);
        S = c.side;
        depth = c.depth;
    } else {
        Take(&L, v[0]);
        Take(&H, v[1]);
        depth = RectDamperDepth(H);
    }
    int16_t k = TextIndex() + 1;
    if (layout.actuated) {
        actuator = Clamped(v[k++], 1, static_cast<int16_t>(std::size(kXn2Actuators)));
    } else {
        flagA = Clamped(v[k++], 0, 1);
        flagB = Clamped(v[k++], 0, 1);
    }
    variant = Clamped(v[k], 1, static_cast<int16_t>(std::size(kTvVariants)));
    PlaceRunConnectors(layout.round, depth, D, L, H);
    return 0;
}

std::string LTvXn2Damper::NameText() const {
    const char* code = ListText(kTvVariants, variant);
    if (!layout.actuated)
        return FormatText("XN2-A-%s", code);
    std::string name = FormatText("XN2-J-%s", code);
    // The round type names only an actuator beyond the first.
    if (!layout.round || actuator > 1)
        AppendItem(&name, ListText(kXn2Actuators, actuator));
    return name;
}

std::string LTvXn2Damper::SizeText() const { return layout.round ? RoundSizeText(D) : RectSizeText(L, H); }

char* LTvXn2Damper::GetDescription() {
    DescriptionText text(
        FormatText(layout.actuated ? "XN2-J-%s" : "XN2-A-%s", ListText(kTvVariants, variant)));
    if (layout.round)
        text.Size("D", D);
    else
        text.Size("L", L).Size("H", H);
    if (layout.actuated) {
        text.Option(ListText(kXn2Actuators, actuator));
    } else {
        int install = TvInstallMessageFromFlags(flagA > 0, flagB > 0);
        text.Option(install ? MessageText(install) : "");
    }
    std::string user = GetParamText(TextIndex());
    text.Option(user.c_str());
    return text.NewCutBuffer();
}

int16_t LTvXn2Damper::UpdateLabel() {
    SetFlow(connectors[0]->flow);
    std::string user = GetParamText(TextIndex()), name = NameText(), size = SizeText();
    return MakeUnitLabel(user.c_str(), name.c_str(), size.c_str());
}

int16_t LTvXn2Damper::MakeBlock(char* blockName) {
    if (layout.round)
        return DrawRoundDamperSymbol(*this, D, S, depth, blockName);
    return DrawRectDamperSymbol(*this, L, H, depth, blockName);
}
