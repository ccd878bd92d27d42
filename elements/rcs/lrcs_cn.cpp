#include "elements/rcs/lrcs_cn.h"

#include <iterator>

#include "elements/rcs/rcs_lists.h"

namespace {

using C = LRCsCn;
constexpr int16_t kDFormParam = 7;
const ParamBinding<C> kValues[] = {C::FaceValue<C>(0), C::FaceValue<C>(1), C::FaceValue<C>(2),
                                   C::FaceValue<C>(3), C::FaceValue<C>(4), C::FaceValue<C>(5),
                                   C::FaceValue<C>(6), PositionField<C>(&C::dFlag)};
constexpr int kValueCount = static_cast<int>(std::size(kValues));

}  // namespace

LRCsCn::LRCsCn() : LRCsFaceGrille(1, kValueCount) { SetParams(DefaultValues()); }

int16_t LRCsCn::GetParams(double** values) { return GetBoundParams(*this, kValues, values); }

int16_t LRCsCn::SetParams(const double* v) {
    if (!v)
        return 0;
    int16_t oldG = ReadFaceValues(*this, kValues, v);
    switch (SwitchGOption(oldG)) {
    case 1:
        // A G option comes without accessory and without the D form.
        dFlag = 0;
        return -1;
    case -1:
        return -1;
    default:
        return 0;
    }
}

int16_t LRCsCn::ParamKind(int16_t i) const {
    if (i == kDFormParam && gOption > 1)
        return kParamDisabled;
    return LRCsFaceGrille::ParamKind(i);
}

std::string LRCsCn::NameText() const {
    std::string name;
    if (type == 1 && dFlag > 0)
        name = "CDD";
    else if (type == 2 && dFlag > 0)
        name = "ADD";
    else
        name = ListText(kCsdTypes, type);
    name += DirectionAndFinish();
    if (type > 2 && dFlag > 0 && (hv == 1 || hv == 2))
        AppendItem(&name, hv == 1 ? "KNN" : "TKN");
    AppendAccessoryAndG(&name);
    return name;
}
