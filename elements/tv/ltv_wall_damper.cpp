#include "elements/tv/ltv_wall_damper.h"

#include <cmath>
#include <iterator>

#include "core/description_text.h"
#include "core/messages.h"
#include "core/rounding.h"
#include "core/text_lists.h"
#include "elements/tv/tv_texts.h"

namespace {

constexpr int16_t kInstallChoices = 4;

int16_t Clamped(double v, int16_t low, int16_t high) {
    int16_t x = RoundToShort(v);
    return x < low ? low : x > high ? high : x;
}

// The text at 1-based position pos of a list of count texts, "" outside it.
const char* ItemOf(const char* const* list, int16_t count, int16_t pos) {
    return list && pos >= 1 && pos <= count ? list[pos - 1] : "";
}

}  // namespace

double ApplyWidthRule(const WidthRule& rule, double W, double H) {
    if (!rule.steps || rule.count < 1)
        return W;
    double limit = rule.steps[rule.count - 1].width;  // also for an H that is not a number
    for (int16_t i = 0; i + 1 < rule.count; ++i) {
        const WidthStep& s = rule.steps[i];
        if (rule.above ? H > s.height : H < s.height) {
            limit = s.width;
            break;
        }
    }
    if (rule.atMost)
        return W > limit ? limit : W;
    return W < limit ? limit : W;
}

LTvWallDamper::LTvWallDamper(const WallDamperLayout& l)
    : LTv(l.subtype, 0, static_cast<int16_t>(l.variants ? 7 : 6)), layout(l) {
    SetParamIsText(TextIndex());
    kind = 1;
    SetFlipModes(0, 1, 1);
}

// The entry of the text parameter is 0: its text is stored apart.
int16_t LTvWallDamper::GetParams(double** values) {
    double* v = new double[paramCount]();
    int16_t f = First();
    if (layout.variants)
        v[0] = variant;
    v[f] = actuator;
    v[f + 1] = W;
    v[f + 2] = H;
    v[f + 4] = flag;
    v[f + 5] = install;
    *values = v;
    return 0;
}

int16_t LTvWallDamper::SetParams(const double* v) {
    if (!v)
        return 0;
    int16_t f = First();
    if (layout.variants)
        variant = Clamped(v[0], 1, layout.variantCount);
    actuator = Clamped(v[f], 1, static_cast<int16_t>(std::size(kTvActuators)));
    // A size that is not a number leaves the opening as it was.
    if (std::isfinite(v[f + 1]))
        W = v[f + 1];
    if (std::isfinite(v[f + 2]))
        H = v[f + 2];
    flag = Clamped(v[f + 4], 0, 1);
    install = Clamped(v[f + 5], 1, kInstallChoices);
    W = ApplyWidthRule(layout.then, ApplyWidthRule(layout.first, W, H), H);
    return 0;
}

double LTvWallDamper::GetQuantity() { return W * H; }

std::string LTvWallDamper::NameText() const {
    std::string name = layout.variants ? ItemOf(layout.variants, layout.variantCount, variant) : layout.code;
    name += '+';
    name += ListText(kTvActuators, actuator);
    if (flag > 0)
        AppendItem(&name, layout.flagName);
    return name;
}

// The name, the opening, the installation text and the user's text; cut
// to the description buffer.
char* LTvWallDamper::GetDescription() {
    DescriptionText text(NameText());
    text.Size("Lce", W).Size("Hce", H);
    int message = TvInstallMessageFromChoice(install);
    std::string user = GetParamText(TextIndex());
    text.Option(message ? MessageText(message) : "").Option(user.c_str());
    return text.NewCutBuffer();
}

int16_t LTvWallDamper::UpdateLabel() {
    std::string user = GetParamText(TextIndex()), name = NameText(), size = RectSizeText(W, H);
    return MakeUnitLabel(user.c_str(), name.c_str(), size.c_str());
}

int16_t LTvWallDamper::MakeBlock(char* blockName) {
    return DrawWallDamperSymbol(*this, W, H, layout.face, layout.edge, blockName);
}
