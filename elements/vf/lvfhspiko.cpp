#include "elements/vf/lvfhspiko.h"

#include <algorithm>
#include <string>

#include "ads_entity.h"
#include "core/description_text.h"
#include "core/dimensions.h"
#include "core/draw_neutral.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "core/rounding.h"
#include "core/text_buffer.h"
#include "core/text_lists.h"
#include "elements/straight_run.h"
#include "elements/vf/vf_inline.h"

namespace {
constexpr int kValueCount = 4;
constexpr int kLengthParam = 1;
constexpr double kSecondVariant = 2.0;
// The outer layer's marks: the first this far from the end, then one per step.
constexpr double kFirstMark = 250.0;
constexpr double kMarkStep = 500.0;
}  // namespace

LVfLayered::LVfLayered(uint16_t typeId, uint16_t secondVariantType, const char* typeName)
    : LVf(typeId, 2, kValueCount), firstType(typeId), secondType(secondVariantType), name(typeName) {
    SetRunEnds(true, 0, -1);
    SetFlipModes(1, 0, 0);
}

LVfHSpiko::LVfHSpiko() : LVfLayered(17, 23, "SPIRO") { SetParams(DefaultValues()); }

LVfHWesterform::LVfHWesterform() : LVfLayered(18, 24, "FLEX") { SetParams(DefaultValues()); }

int16_t LVfLayered::GetParams(double** values) {
    double* p = new double[kValueCount];
    p[0] = d;
    p[1] = l;
    p[2] = v;
    p[3] = variant;
    *values = p;
    return 0;
}

int16_t LVfLayered::SetParams(const double* p) {
    if (p) {
        if (IsSize(p[0]))
            d = p[0];
        if (IsSize(p[1]))
            l = p[1];
        if (IsSize(p[2]))
            v = p[2];
        variant = RoundToShort(p[3]);
    }
    subtype = static_cast<int16_t>(variant >= kSecondVariant ? secondType : firstType);
    l = std::min(l, kLayeredLongest);
    PlaceInlineEnds(*this, d, l);
    return 0;
}

int16_t LVfLayered::MarkFixedParams(int16_t* flags) { return MarkLengthFixed(flags, kLengthParam); }

int16_t LVfLayered::FitLength(double* params, int16_t* changed, int16_t connectorA,
                              int16_t connectorB, double along, double across) {
    return StretchToGap(*this, params, changed, connectorA, connectorB, along, across, kLengthParam);
}

std::string LVfLayered::LabelName() const {
    return std::string(variant >= kSecondVariant ? "S-" : "I-") + name;
}

char* LVfLayered::GetDescription() {
    return DescriptionText(LabelName()).Size("d", d).Size("l", l).Size("v", v).NewBuffer();
}

int16_t LVfLayered::UpdateLabel() {
    MakeDimension(*this, insertionPoint, l, d / 2, rotation);
    acdbEntUpd(entity);
    flow = connectors[0]->flow;
    return MakeFittingLabel(LabelName().c_str(), RoundSizeText(d).c_str());
}

int16_t LVfLayered::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(endMarkSize, 1);
    ElementView view = ViewOf(orientation);
    if (!view.IsEnd() && view.kind != ViewKind::kNone) {
        for (double s : {1.0, -1.0}) {
            ads_point p1 = {-l / 2, s * d / 2, 0}, p2 = {l / 2, s * d / 2, 0};
            Line(p1, p2);
        }
        for (double x0 = kFirstMark; x0 + v < l; x0 += kMarkStep) {
            double x = -l / 2 + x0;
            for (double s : {1.0, -1.0}) {
                ads_point c1 = {x - v, s * (d / 2 + v), 0}, c2 = {x + v, s * (d / 2 + v), 0};
                ads_point c3 = {x - v, s * d / 2, 0}, c4 = {x + v, s * d / 2, 0};
                Solid(c1, c2, c3, c4);
            }
        }
        for (double s : {1.0, -1.0}) {
            ads_point p[4] = {{-l / 2, s * d / 2, 0},
                              {-l / 2, s * (d / 2 + v), 0},
                              {l / 2, s * (d / 2 + v), 0},
                              {l / 2, s * d / 2, 0}};
            for (int i = 0; i < 3; ++i)
                MakeLine(p[i], p[i + 1]);
        }
    }
    DrawInlineCentreLine(*this, l);
    return block.Close();
}
