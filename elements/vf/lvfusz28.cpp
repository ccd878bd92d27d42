#include "elements/vf/lvfusz28.h"

#include <cmath>
#include <iterator>

#include "core/description_text.h"
#include "core/draw_neutral.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "core/geometry.h"
#include "core/rounding.h"
#include "core/text_lists.h"

namespace {

constexpr int kValueCount = 2;
const char* const kVariantLetters[] = {"K", "M"};
constexpr double kDotShare = 0.05;  // the centre dot's radius, as a share of D

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
    connectors[0]->side = 2;
    connectors[1]->side = 5;
    connectors[0]->paramA = connectors[1]->paramA = 0;
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
    for (int i = 0; i < 2; ++i)
        connectors[i]->a = connectors[i]->b = D;
    SetPoint3d(connectors[0]->position, L / 2, 0, 0);
    SetPoint3d(connectors[1]->position, -L / 2, 0, 0);
    if (connectors[1]->flow != connectors[0]->flow)
        connectors[1]->flow = connectors[0]->flow;
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
    if (!view.IsEnd() && view.kind != ViewKind::kNone) {
        const double c = dimensionOffset;
        double s = view.IsSide() ? -1.0 : 1.0;
        for (double y : {D / 2, -D / 2}) {
            ads_point p1 = {-L / 2, y, 0}, p2 = {L / 2, y, 0};
            MakeLine(p1, p2);
        }
        for (double x : {-L / 2 + c, L / 2 - c}) {
            ads_point p1 = {x, D / 2, 0}, p2 = {x, -D / 2, 0};
            Line(p1, p2);
        }
        ads_point centre = {0, 0, 0};
        SolidHatch(centre, kDotShare * D);
        ads_point q1 = {-s * D / 4, 3 * D / 8, 0}, q2 = {s * D / 4, -3 * D / 8, 0};
        DashedLine(q1, q2);
    }
    if (system.roundCentreLines != 0) {
        ads_point p1 = {-L / 2, 0, 0}, p2 = {L / 2, 0, 0};
        LineB(p1, p2);
    }
    return block.Close();
}
