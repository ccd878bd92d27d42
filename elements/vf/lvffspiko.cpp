#include "elements/vf/lvffspiko.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "ads_entity.h"
#include "core/description_text.h"
#include "core/dimensions.h"
#include "core/draw_neutral.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "core/rounding.h"
#include "core/text_lists.h"
#include "elements/vf/vf_inline.h"

namespace {

constexpr int kValueCount = 4;
constexpr int16_t kMakeParam = 0;
constexpr int16_t kDiameterParam = 1;
const char* const kMakes[] = {"F5", "SF20", "SF200"};
const char* const kSizes[] = {"0.5", "2x0.5", "1", "1,5", "2", "3"};

// The text at a 1-based position, or "" outside the list.
template <size_t N>
const char* TextAt(const char* const (&list)[N], int16_t position) {
    return position >= 1 && position <= static_cast<int16_t>(N) ? list[position - 1] : "";
}

// The openings of a make: their pitch and diameter.
struct Openings {
    double pitch, diameter;
};
Openings OpeningsOf(int16_t make) {
    if (make == 1)
        return {50, 30};
    if (make == 2)
        return {100, 62};
    return {300, 180};
}

}  // namespace

LVfFSpiko::LVfFSpiko() : LVf(20, 2, kValueCount) {
    SetRunEnds(true, kDiameterParam, -1);
    SetFlipModes(1, 0, 0);
    SetParams(DefaultValues());
}

int16_t LVfFSpiko::GetParams(double** values) {
    double* v = new double[kValueCount];
    v[0] = make;
    v[1] = d;
    v[2] = L;
    v[3] = size;
    *values = v;
    return 0;
}

int16_t LVfFSpiko::SetParams(const double* v) {
    int16_t before = offeredMakes;
    if (v) {
        make = RoundToShort(v[0]);
        // A size or length that is no number leaves the value as it was.
        if (std::isfinite(v[1]))
            d = v[1];
        if (std::isfinite(v[2]))
            L = v[2];
        size = RoundToShort(v[3]);
    }
    offeredMakes = d < 200 ? 1 : d < 600 ? 2 : 3;
    if (make > offeredMakes)
        make = offeredMakes;
    L = std::min(L, kFspiroLongest);
    PlaceInlineEnds(*this, d, L);
    return offeredMakes == before ? 0 : -1;
}

int16_t LVfFSpiko::ParamChoiceCount(int16_t i) const {
    if (i == kMakeParam)
        return std::min<int16_t>(offeredMakes, LVf::ParamChoiceCount(i));
    return LVf::ParamChoiceCount(i);
}

std::string LVfFSpiko::Name() const {
    return std::string("SPIRO+") + TextAt(kSizes, size) + "x" + TextAt(kMakes, make);
}

char* LVfFSpiko::GetDescription() {
    return DescriptionText(Name()).Size("d", d).Size("L", L).NewBuffer();
}

int16_t LVfFSpiko::UpdateLabel() {
    flow = connectors[0]->flow;
    MakeDimension(*this, insertionPoint, L, d / 2, rotation);
    acdbEntUpd(entity);
    return MakeFittingLabel(Name().c_str(), RoundSizeText(d).c_str());
}

int16_t LVfFSpiko::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(endMarkSize, 1);
    ElementView view = ViewOf(orientation);
    if (!view.IsEnd() && view.kind != ViewKind::kNone) {
        for (double s : {1.0, -1.0}) {
            ads_point p1 = {-L / 2, s * d / 2, 0}, p2 = {L / 2, s * d / 2, 0};
            MakeLine(p1, p2);
        }
        Openings o = OpeningsOf(make);
        double count = std::floor((L - o.diameter) / (2 * o.pitch));
        ads_point centre = {0, 0, 0};
        Circle(centre, o.diameter / 2);
        for (int i = 1; i < count; ++i)
            for (double s : {-1.0, 1.0}) {
                ads_point c = {s * i * o.pitch, 0, 0};
                Circle(c, o.diameter / 2);
            }
    }
    DrawInlineCentreLine(*this, L);
    return block.Close();
}
