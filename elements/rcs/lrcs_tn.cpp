#include "elements/rcs/lrcs_tn.h"

#include <iterator>

#include "core/param_bindings.h"
#include "core/text_buffer.h"
#include "elements/rcs/rcs_lists.h"

namespace {

using T = LRCsTn;
const ParamBinding<T> kValues[] = {NumberField<T>(&T::L), NumberField<T>(&T::H),
                                   PositionField<T>(&T::option), PositionField<T>(&T::dFlag)};
constexpr int kValueCount = static_cast<int>(std::size(kValues));
constexpr int16_t kHeightParam = 1;

// Each height suits the ducts whose diameter lies in its window (both
// ends included).
struct HeightWindow {
    double height, from, to;
};
const HeightWindow kWindows[] = {
    {50, 150, 400},    {75, 200, 500},     {100, 350, 800},   {150, 630, 1000},
    {200, 630, 1200},  {300, 1000, 1600},  {400, 1400, 2000},
};

}  // namespace

LRCsTn::LRCsTn() : LRCsGrille(4, kValueCount) {
    kind = 2;
    SetFlipModes(0, 1, 1);
    SetParams(DefaultValues());
}

int LRCsTn::BuildChoiceList(double d) {
    int n = 0;
    for (const HeightWindow& w : kWindows)
        if (d >= w.from && d <= w.to && n < kMaxHeights)
            heights[n++] = w.height;
    heightCount = static_cast<int16_t>(n);
    bool listed = false;
    for (int i = 0; i < n; ++i)
        listed = listed || heights[i] == H;
    if (n == 0)
        H = 0;
    else if (!listed)
        H = heights[0];
    return n;
}

int16_t LRCsTn::ParamChoiceCount(int16_t i) const {
    return i == kHeightParam ? heightCount : LRCsGrille::ParamChoiceCount(i);
}

const double* LRCsTn::ParamChoices(int16_t i) const {
    return i == kHeightParam ? heights : LRCsGrille::ParamChoices(i);
}

void LRCsTn::Refresh() {
    if (hostSize > 0.0)
        BuildChoiceList(hostSize);
}

int16_t LRCsTn::GetParams(double** values) {
    Refresh();
    return GetBoundParams(*this, kValues, values);
}

int16_t LRCsTn::SetParams(const double* v) {
    if (!v)
        return 0;
    SetBoundParams(*this, kValues, v);
    Refresh();
    // The short lengths do not come with the tall heights.
    if (H == 300 && L == 200)
        L = 300;
    else if (H == 400 && (L == 200 || L == 300))
        L = 400;
    return 0;
}

std::string LRCsTn::NameText() const {
    std::string name = dFlag > 0 ? "TDD" : "TSD";
    if (option > 1)
        AppendItem(&name, ListText(kTsdOptions, option));
    return name;
}
