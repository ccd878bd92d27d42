#include "elements/rcs/lrcs_bld.h"

#include <iterator>

#include "core/param_bindings.h"
#include "core/text_lists.h"
#include "elements/rcs/rcs_pen_lines.h"

namespace {

using G = LRCsBLD;
const ParamBinding<G> kValues[] = {PositionField<G>(&G::variant),  SizeField<G>(&G::L),
                                   SizeField<G>(&G::H),            PositionField<G>(&G::accessory),
                                   PositionField<G>(&G::knnFlag), PositionField<G>(&G::fknFlag)};
constexpr int kValueCount = static_cast<int>(std::size(kValues));
constexpr int16_t kVariantParam = 0, kAccessoryParam = 3;
constexpr double kShortestRld = 300;

}  // namespace

LRCsBLD::LRCsBLD() : LRCsBLD(39) { SetParams(DefaultValues()); }

LRCsBLD::LRCsBLD(int16_t id) : LRCsGrille(id, kValueCount) {
    parentParams[0] = 1;
    parentParams[1] = 2;
    kind = 1;
    SetFlipModes(0, 1, 1);
}

int16_t LRCsBLD::GetParams(double** values) { return GetBoundParams(*this, kValues, values); }

int16_t LRCsBLD::SetParams(const double* v) {
    if (v)
        SetBoundParams(*this, kValues, v);
    return 0;
}

std::string LRCsBLD::NameText() const {
    std::string name = RowText(*this, kVariantParam, variant);
    if (knnFlag > 0)
        AppendItem(&name, "KNN");
    if (accessory > 1)
        AppendItem(&name, RowText(*this, kAccessoryParam, accessory));
    if (fknFlag > 0)
        name += "+FKN";
    return name;
}

LRCsRLD::LRCsRLD() : LRCsBLD(40) { SetParams(DefaultValues()); }

int16_t LRCsRLD::SetParams(const double* v) {
    LRCsBLD::SetParams(v);
    if (L < kShortestRld)
        L = kShortestRld;
    return 0;
}
