#include "elements/rcs/lrcs_rhs.h"

#include <iterator>

#include "core/param_bindings.h"
#include "core/text_buffer.h"
#include "elements/rcs/rcs_lists.h"

namespace {

using C = LRCsRhs;
const ParamBinding<C> kValues[] = {PositionField<C>(&C::type), SizeField<C>(&C::L),
                                   SizeField<C>(&C::H), PositionField<C>(&C::finish),
                                   PositionField<C>(&C::fkn)};
constexpr int kValueCount = static_cast<int>(std::size(kValues));

}  // namespace

LRCsRhs::LRCsRhs() : LRCsGrille(6, kValueCount) {
    kind = 1;
    parentParams[0] = 1;
    parentParams[1] = 2;
    SetFlipModes(0, 1, 1);
    SetParams(DefaultValues());
}

int16_t LRCsRhs::GetParams(double** values) { return GetBoundParams(*this, kValues, values); }

int16_t LRCsRhs::SetParams(const double* v) {
    if (!v)
        return 0;
    SetBoundParams(*this, kValues, v);
    // The long faces do not come in the low heights.
    if ((L == 400 && (H == 200 || H == 300)) || (L == 300 && H == 200)) {
        L = 300;
        H = 300;
    }
    return 0;
}

std::string LRCsRhs::NameText() const {
    std::string name = FormatText("%s-%s", ListText(kRlsTypes, type), ListText(kRlsFinish, finish));
    if (fkn > 0)
        name += "+FKN";
    return name;
}
