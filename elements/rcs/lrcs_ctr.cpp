#include "elements/rcs/lrcs_ctr.h"

#include <iterator>

#include "core/param_bindings.h"
#include "core/text_buffer.h"
#include "elements/rcs/rcs_lists.h"

namespace {

using C = LRCsCtr;
const ParamBinding<C> kValues[] = {NumberField<C>(&C::L), NumberField<C>(&C::H),
                                   PositionField<C>(&C::hv), PositionField<C>(&C::option),
                                   PositionField<C>(&C::ellkFlag)};
constexpr int kValueCount = static_cast<int>(std::size(kValues));

}  // namespace

LRCsCtr::LRCsCtr() : LRCsGrille(5, kValueCount) {
    kind = 1;
    parentParams[0] = 0;
    parentParams[1] = 1;
    SetFlipModes(0, 1, 1);
    SetParams(DefaultValues());
}

int16_t LRCsCtr::GetParams(double** values) { return GetBoundParams(*this, kValues, values); }

int16_t LRCsCtr::SetParams(const double* v) {
    if (!v)
        return 0;
    SetBoundParams(*this, kValues, v);
    SnapGrilleSize(&L, &H);
    return 0;
}

std::string LRCsCtr::NameText() const {
    std::string name = FormatText("CTR-%s", ListText(kCtrHV, hv));
    if (option > 1)
        AppendItem(&name, ListText(kCtrOptions, option));
    if (ellkFlag > 0)
        name += "+Ellk";
    return name;
}
