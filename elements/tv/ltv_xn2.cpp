#include "elements/tv/ltv_xn2.h"

#include <cmath>
#include <iterator>
#include <limits>

#include "core/description_text.h"
#include "core/messages.h"
#include "core/text_buffer.h"
#include "core/text_lists.h"
#include "elements/tv/tv_texts.h"

namespace {

const char* const kXn2Actuators[] = {"SM24V", "SM230V"};

constexpr Xn2Layout kXn2A = {14, false, false};
constexpr Xn2Layout kXn2AK = {15, true, false};
constexpr Xn2Layout kXn2J = {16, false, true};
constexpr Xn2Layout kXn2JK = {17, true, true};

constexpr double kAny = std::numeric_limits<double>::infinity();
const CasingRow kCasings[] = {
    {250, 200, 400}, {300, 250, 400}, {315, 300, 400}, {400, 350, 430},
    {500, 400, 460}, {560, 500, 570}, {700, 600, 650}, {800, 700, 750},
    {900, 800, 850}, {1000, 900, 950}, {kAny, 1000, 1050},
};

void Take(double* field, double v) {
    if (std::isfinite(v))
        *field = v;
}

}  // namespace

RoundCasing Xn2kCasing(double D) { return CasingFromTable(kCasings, std::size(kCasings), D); }

LTvXn2Damper::LTvXn2Damper(const Xn2Layout& l)
    : LTvRunDamper(l.subtype, static_cast<int16_t>((l.round ? 5 : 6) - (l.actuated ? 1 : 0)), l.round, 0,
                   1, TextIndexOf(l)),
      layout(l) {}

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
    } else {
        Take(&L, v[0]);
        Take(&H, v[1]);
    }
    int16_t k = TextIndex() + 1;
    if (layout.actuated) {
        actuator = ClampedChoice(v[k++], 1, static_cast<int16_t>(std::size(kXn2Actuators)));
    } else {
        flagA = ClampedChoice(v[k++], 0, 1);
        flagB = ClampedChoice(v[k++], 0, 1);
    }
    variant = ClampedChoice(v[k], 1, static_cast<int16_t>(std::size(kTvVariants)));
    SizeCasingAndEnds(Xn2kCasing);
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

char* LTvXn2Damper::GetDescription() {
    DescriptionText text(
        FormatText(layout.actuated ? "XN2-J-%s" : "XN2-A-%s", ListText(kTvVariants, variant)));
    AddSizes(&text);
    if (layout.actuated) {
        text.Option(ListText(kXn2Actuators, actuator));
    } else {
        int install = TvInstallMessageFromFlags(flagA > 0, flagB > 0);
        text.Option(install ? MessageText(install) : "");
    }
    std::string user = UserText();
    text.Option(user.c_str());
    return text.NewCutBuffer();
}

