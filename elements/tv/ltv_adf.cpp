#include "elements/tv/ltv_adf.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "core/description_text.h"
#include "core/messages.h"
#include "core/rounding.h"
#include "core/text_buffer.h"
#include "core/text_lists.h"
#include "elements/tv/ltv_wall_symbols.h"

namespace {

const char* const kTypes[] = {"Autodef", "Autodef2000", "G.O.R."};
constexpr int16_t kRemarkMessage = 130;
constexpr int16_t kTextParam = 3;

const double kWidths1[] = {332, 410, 500, 682, 740};
const double kHeights1[] = {586, 713, 588, 586, 713};
const double kWidths2[] = {321, 341, 351, 371, 401, 421, 441, 451, 481, 501, 521, 541, 561, 601};
const double kHeights2[] = {394, 437, 479, 522, 564, 607, 649, 692, 734};
// The catalogue gives 100 after 800 in this list.
const double kWidths3[] = {300, 500, 800, 100, 1200, 1400, 1600, 1800, 2000, 2200, 2400, 2800, 3000};
const double kHeights3[] = {294, 446, 598, 750, 902, 1054, 1206, 1358, 1510, 1662, 1814, 1966};

struct SizeList {
    const double* values;
    int16_t count;
};
template <size_t N>
constexpr SizeList ListOf(const double (&v)[N]) {
    return {v, static_cast<int16_t>(N)};
}
// By type 1 to 3: the widths, then the heights.
const SizeList kSizeLists[3][2] = {
    {ListOf(kWidths1), ListOf(kHeights1)},
    {ListOf(kWidths2), ListOf(kHeights2)},
    {ListOf(kWidths3), ListOf(kHeights3)},
};

const SizeList& ListFor(int16_t type, int16_t param) {
    int t = type >= 1 && type <= 3 ? type - 1 : 2;
    return kSizeLists[t][param == 1 ? 0 : 1];
}

bool OnList(const SizeList& l, double v) { return std::find(l.values, l.values + l.count, v) != l.values + l.count; }

}  // namespace

LTvAdf::LTvAdf() : LTv(13, 0, 6) {
    SetParamIsText(kTextParam);
    kind = 1;
    SetFlipModes(0, 1, 1);
    // The first call is no change of type: the default row's sizes stand.
    SetParams(DefaultValues());
}

int16_t LTvAdf::GetParams(double** values) {
    // The entry of the text parameter is 0: its text is stored apart.
    double* v = new double[paramCount]();
    v[0] = type;
    v[1] = W;
    v[2] = H;
    v[4] = fOption;
    v[5] = remark;
    *values = v;
    return 0;
}

// A stored or edited size stays; only a type change moves a size that is not
// on the new type's list to its first entry.
int16_t LTvAdf::SetParams(const double* v) {
    if (!v)
        return 0;
    int16_t previous = type;
    type = ClampedChoice(v[0], 1, static_cast<int16_t>(std::size(kTypes)));
    if (std::isfinite(v[1]))
        W = v[1];
    if (std::isfinite(v[2]))
        H = v[2];
    fOption = RoundToShort(v[4]);
    remark = ClampedChoice(v[5], 0, 1);
    if (type == previous)
        return 0;
    if (RestoringParams())
        return -1;  // sizes read back stay with their type
    const SizeList &widths = ListFor(type, 1), &heights = ListFor(type, 2);
    if (!OnList(widths, W))
        W = widths.values[0];
    if (!OnList(heights, H))
        H = heights.values[0];
    return -1;
}

int16_t LTvAdf::ParamChoiceCount(int16_t i) const {
    return i == 1 || i == 2 ? ListFor(type, i).count : LTv::ParamChoiceCount(i);
}

const double* LTvAdf::ParamChoices(int16_t i) const {
    return i == 1 || i == 2 ? ListFor(type, i).values : LTv::ParamChoices(i);
}

double LTvAdf::GetQuantity() { return W * H; }

std::string LTvAdf::NameText() const {
    std::string name = ListText(kTypes, type);
    if (fOption >= 4)
        name += "+F12";
    else if (fOption == 3)
        name += "+F2";
    else if (fOption == 2)
        name += "+F1";
    if (remark > 0)
        name += FormatText(" (%s)", MessageText(kRemarkMessage));
    return name;
}

char* LTvAdf::GetDescription() {
    DescriptionText text(NameText());
    text.Size("Lce", W).Size("Hce", H);
    std::string user = GetParamText(kTextParam);
    text.Option(user.c_str());
    return text.NewCutBuffer();
}

int16_t LTvAdf::UpdateLabel() {
    std::string user = GetParamText(kTextParam), name = NameText(), size = RectSizeText(W, H);
    return MakeUnitLabel(user.c_str(), name.c_str(), size.c_str());
}

int16_t LTvAdf::MakeBlock(char* blockName) {
    return DrawWallDamperSymbol(*this, W, H, WallFace::kCrossed, WallEdge::kCasingOnly, blockName);
}
