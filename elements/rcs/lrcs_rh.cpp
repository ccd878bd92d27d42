#include "elements/rcs/lrcs_rh.h"

#include "elements/rcs/rcs_lists.h"

namespace {

constexpr int kValueCount = 7;

}  // namespace

LRCsRh::LRCsRh() : LRCsFaceGrille(3, kValueCount) { SetParams(DefaultValues()); }

int16_t LRCsRh::GetParams(double** values) {
    *values = new double[kValueCount]{static_cast<double>(type), L, H,
                                      static_cast<double>(hv), static_cast<double>(rcm),
                                      static_cast<double>(option), static_cast<double>(gOption)};
    return 0;
}

int16_t LRCsRh::SetParams(const double* v) {
    if (!v)
        return 0;
    return SwitchGOption(ReadFaceValues(v)) != 0 ? -1 : 0;
}

std::string LRCsRh::NameText() const {
    std::string name = ListText(kRdnTypes, type) + DirectionAndFinish();
    AppendAccessoryAndG(&name);
    return name;
}
