#include "elements/tv/ltv_duct_damper.h"

#include <limits>
#include <utility>

#include "core/messages.h"
#include "core/rounding.h"
#include "core/description_text.h"
#include "core/text_buffer.h"
#include "core/text_lists.h"
#include "elements/tv/ltv_damper_symbols.h"
#include "elements/tv/tv_texts.h"

namespace {

const char* const kIkActuators[] = {"", "IK24V", "IK48V"};
const char* const kAkActuators[] = {"", "AK24V", "AK48V"};
const char* const kSmActuators[] = {"", "SM24V", "SM48V", "SM230V"};
constexpr int16_t kVariantCount = 4;

int16_t Clamped(double v, int16_t low, int16_t high) {
    int16_t x = RoundToShort(v);
    return x < low ? low : x > high ? high : x;
}

double Value(const double* v, int8_t i) { return i >= 0 ? v[i] : 0.0; }

// The first row whose limit lies above D gives the casing; the last row
// holds for every larger D.
struct CasingRow {
    double below, side, depth;
};
constexpr double kAny = std::numeric_limits<double>::infinity();
const CasingRow kVt32kCasings[] = {
    {400, 350, 430}, {450, 400, 460}, {500, 450, 460}, {560, 500, 570}, {630, 600, 650},
    {710, 650, 700}, {800, 750, 800}, {900, 800, 850}, {kAny, 900, 950},
};
const CasingRow kLz3kCasings[] = {
    {250, 200, 400}, {315, 250, 400}, {400, 350, 430}, {450, 400, 460}, {500, 450, 460},
    {560, 500, 570}, {630, 600, 650}, {710, 650, 700}, {800, 750, 800}, {900, 800, 850},
    {1000, 900, 950}, {kAny, 1000, 1050},
};

template <size_t N>
RoundCasing Casing(const CasingRow (&rows)[N], double D) {
    for (const CasingRow& r : rows)
        if (D < r.below)
            return {r.side, r.depth};
    return {rows[N - 1].side, rows[N - 1].depth};  // D is not a number
}

}  // namespace

double RectDamperDepth(double H) {
    if (H < 350)
        return 400;
    if (H < 400)
        return 430;
    if (H < 500)
        return 460;
    if (H < 600)
        return 570;
    return 650;
}

RoundCasing Vt32kCasing(double D) { return Casing(kVt32kCasings, D); }
RoundCasing Lz3kCasing(double D) { return Casing(kLz3kCasings, D); }

LTvDuctDamper::LTvDuctDamper(const DamperLayout& l) : LTv(l.subtype, 2, l.paramCount), layout(l) {
    SetRunEnds(l.round, l.size, l.height);
    SetParamIsText(l.text);
    SetFlipModes(1, 0, 0);
}

int16_t LTvDuctDamper::GetParams(double** values) {
    double* v = new double[layout.paramCount]();
    v[layout.size] = layout.round ? D : L;
    if (layout.height >= 0)
        v[layout.height] = H;
    const std::pair<int8_t, int16_t> options[] = {
        {layout.tk, tk},    {layout.actuatorFamily, actuatorFamily}, {layout.actuator, actuator},
        {layout.sm, sm},    {layout.flagB, flagB},                   {layout.flagA, flagA},
        {layout.variant, variant},
    };
    for (const auto& [index, value] : options)
        if (index >= 0)
            v[index] = value;
    *values = v;
    return 0;
}

int16_t LTvDuctDamper::SetParams(const double* v) {
    if (!v)
        return 0;
    // Sizes are taken as given: the lists only offer the catalogue sizes.
    if (layout.round) {
        D = v[layout.size];
    } else {
        L = v[layout.size];
        H = v[layout.height];
    }
    tk = layout.tk >= 0 ? Clamped(v[layout.tk], 0, 1) : 0;
    actuatorFamily = layout.actuatorFamily >= 0 ? Clamped(v[layout.actuatorFamily], 1, 2) : 1;
    actuator = Clamped(Value(v, layout.actuator), 1, 3);
    sm = Clamped(Value(v, layout.sm), 1, 4);
    flagB = Clamped(Value(v, layout.flagB), 0, 1);
    flagA = Clamped(Value(v, layout.flagA), 0, 1);
    variant = Clamped(Value(v, layout.variant), 1, kVariantCount);
    SizeCasing();
    PlaceRunConnectors(layout.round, depth, D, L, H);
    return 0;
}

void LTvDuctDamper::SizeCasing() {
    if (!layout.round) {
        depth = RectDamperDepth(H);
        return;
    }
    RoundCasing c = layout.lz3 ? Lz3kCasing(D) : Vt32kCasing(D);
    S = c.side;
    depth = c.depth;
}

int16_t LTvDuctDamper::MakeBlock(char* blockName) {
    if (layout.round)
        return DrawRoundDamperSymbol(*this, D, S, depth, blockName);
    return DrawRectDamperSymbol(*this, L, H, depth, blockName);
}

const char* LTvDuctDamper::ActuatorText() const {
    if (actuator <= 1)
        return "";
    return actuatorFamily < 2 ? ListText(kIkActuators, actuator) : ListText(kAkActuators, actuator);
}

std::string LTvDuctDamper::NameText() const {
    std::string name = FormatText(layout.lz3 ? "LZ3-%s" : "VT-3-2-%s", ListText(kTvVariants, variant));
    if (tk > 0)
        name += "+TK";
    if (actuator > 1)
        name += FormatText("+%s", ActuatorText());
    if (sm > 1)
        name += FormatText("+%s", ListText(kSmActuators, sm));
    return name;
}

std::string LTvDuctDamper::SizeText() const {
    return layout.round ? RoundSizeText(D) : RectSizeText(L, H);
}

char* LTvDuctDamper::GetDescription() {
    DescriptionText text(
        FormatText(layout.lz3 ? "LZ3-%s" : "VT-3-2-%s", ListText(kTvVariants, variant)));
    if (layout.round)
        text.Size("D", D);
    else
        text.Size("L", L).Size("H", H);
    int install = TvInstallMessageFromFlags(flagA > 0, flagB > 0);
    std::string user = GetParamText(layout.text);
    text.Option(tk > 0 ? "TK" : "")
        .Option(ActuatorText())
        .Option(sm > 1 ? ListText(kSmActuators, sm) : "")
        .Option(install ? MessageText(install) : "")
        .Option(user.c_str());
    return text.NewBuffer();
}

int16_t LTvDuctDamper::UpdateLabel() {
    SetFlow(connectors[0]->flow);
    std::string user = GetParamText(layout.text);
    return MakeUnitLabel(user.c_str(), NameText().c_str(), SizeText().c_str());
}
