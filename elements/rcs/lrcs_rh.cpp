#include "elements/rcs/lrcs_rh.h"

#include <iterator>

#include "elements/rcs/rcs_lists.h"

namespace {

using C = LRCsRh;
const ParamBinding<C> kValues[] = {C::FaceValue<C>(0), C::FaceValue<C>(1), C::FaceValue<C>(2),
                                   C::FaceValue<C>(3), C::FaceValue<C>(4), C::FaceValue<C>(5),
                                   C::FaceValue<C>(6)};
constexpr int kValueCount = static_cast<int>(std::size(kValues));

}  // namespace

LRCsRh::LRCsRh() : LRCsFaceGrille(3, kValueCount) { SetParams(DefaultValues()); }

int16_t LRCsRh::GetParams(double** values) { return GetBoundParams(*this, kValues, values); }

int16_t LRCsRh::SetParams(const double* v) {
    if (!v)
        return 0;
    return SwitchGOption(ReadFaceValues(*this, kValues, v)) != 0 ? -1 : 0;
}

std::string LRCsRh::NameText() const {
    std::string name = ListText(kRdnTypes, type) + DirectionAndFinish();
    AppendAccessoryAndG(&name);
    return name;
}
