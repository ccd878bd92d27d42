#include "elements/tv/ltv_duct_damper.h"

#include <cmath>
#include <iterator>
#include <limits>
#include <utility>

#include "core/messages.h"
#include "core/description_text.h"
#include "core/text_buffer.h"
#include "core/text_lists.h"
#include "elements/tv/tv_texts.h"

namespace {

const char* const kIkActuators[] = {"", "IK24V", "IK48V"};
const char* const kAkActuators[] = {"", "AK24V", "AK48V"};
const char* const kSmActuators[] = {"", "SM24V", "SM48V", "SM230V"};
constexpr int16_t kVariantCount = 4;

double Value(const double* v, int8_t i) { return i >= 0 ? v[i] : 0.0; }

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

}  // namespace

RoundCasing Vt32kCasing(double D) { return CasingFromTable(kVt32kCasings, std::size(kVt32kCasings), D); }
RoundCasing Lz3kCasing(double D) { return CasingFromTable(kLz3kCasings, std::size(kLz3kCasings), D); }

LTvDuctDamper::LTvDuctDamper(const DamperLayout& l)
    : LTvRunDamper(l.subtype, l.paramCount, l.round, l.size, l.height, l.text), layout(l) {}

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
    // Sizes are taken as given (the lists only offer the catalogue sizes);
    // one that is no size at all, from a damaged drawing, keeps the old one.
    auto take = [](double& field, double value) {
        if (std::isfinite(value) && value > 0)
            field = value;
    };
    if (layout.round) {
        take(D, v[layout.size]);
    } else {
        take(L, v[layout.size]);
        take(H, v[layout.height]);
    }
    tk = layout.tk >= 0 ? ClampedChoice(v[layout.tk], 0, 1) : 0;
    actuatorFamily = layout.actuatorFamily >= 0 ? ClampedChoice(v[layout.actuatorFamily], 1, 2) : 1;
    actuator = ClampedChoice(Value(v, layout.actuator), 1, 3);
    sm = ClampedChoice(Value(v, layout.sm), 1, 4);
    flagB = ClampedChoice(Value(v, layout.flagB), 0, 1);
    flagA = ClampedChoice(Value(v, layout.flagA), 0, 1);
    variant = ClampedChoice(Value(v, layout.variant), 1, kVariantCount);
    SizeCasingAndEnds(layout.lz3 ? Lz3kCasing : Vt32kCasing);
    return 0;
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

char* LTvDuctDamper::GetDescription() {
    DescriptionText text(
        FormatText(layout.lz3 ? "LZ3-%s" : "VT-3-2-%s", ListText(kTvVariants, variant)));
    AddSizes(&text);
    int install = TvInstallMessageFromFlags(flagA > 0, flagB > 0);
    std::string user = UserText();
    text.Option(tk > 0 ? "TK" : "")
        .Option(ActuatorText())
        .Option(sm > 1 ? ListText(kSmActuators, sm) : "")
        .Option(install ? MessageText(install) : "")
        .Option(user.c_str());
    return text.NewBuffer();
}
