#include "elements/vf/lvfusz28.h"

#include <cmath>
#include <iterator>

#include "core/description_text.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "core/rounding.h"
#include "core/text_lists.h"
#include "elements/vf/vf_inline.h"

namespace {

constexpr int kValueCount = 2;
const char* const kVariantLetters[] = {"K", "M"};

// The body length by diameter: the first row whose bound D stays below.
struct BodyStep {
    double below, length;
};
constexpr BodyStep kBodySteps[] = {
    {250, 230}, {315, 310}, {350, 375}, {400, 410}, {450, 460}, {500, 510}, {560, 560},
    {630, 620}, {710, 690}, {800, 770}, {900, 860}, {1000, 960}, {HUGE_VAL, 990},
};

double BodyLength(double d) {
    for (const BodyStep& s : kBodySteps)
        if (d < s.below)
            return s.length;
    return kBodySteps[std::size(kBodySteps) - 1].length;
}

}  // namespace

LVfUSz28::LVfUSz28() : LVf(19, 2, kValueCount) {
    SetRunEnds(true, 0, -1);
    SetParams(DefaultValues());
}

int16_t LVfUSz28::GetParams(double** values) {
    double* v = new double[kValueCount];
    v[0] = D;
    v[1] = variant;
    *values = v;
    return 0;
}

int16_t LVfUSz28::SetParams(const double* v) {
    if (v) {
        if (std::isfinite(v[0]))
            D = v[0];
        variant = RoundToShort(v[1]);
    }
    L = BodyLength(D);
    PlaceInlineEnds(*this, D, L);
    return 0;
}

std::string LVfUSz28::Name() const {
    const char* letter = variant >= 1 && variant <= 2 ? kVariantLetters[variant - 1] : "";
    return std::string("USZ-28-") + letter;
}

char* LVfUSz28::GetDescription() { return DescriptionText(Name()).Size("D", D).NewBuffer(); }

int16_t LVfUSz28::UpdateLabel() {
    flow = connectors[0]->flow;
    return MakeFittingLabel(Name().c_str(), RoundSizeText(D).c_str());
}

int16_t LVfUSz28::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(endMarkSize, 1);
    ElementView view = ViewOf(orientation);
    if (!view.IsEnd() && view.kind != ViewKind::kNone)
        DrawMarkedBody(*this, D, L, view.IsSide() ? -1.0 : 1.0);
    DrawInlineCentreLine(*this, L);
    return block.Close();
}
