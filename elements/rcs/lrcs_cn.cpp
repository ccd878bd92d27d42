#include "elements/rcs/lrcs_cn.h"

#include "core/rounding.h"
#include "elements/rcs/rcs_lists.h"

namespace {

constexpr int kValueCount = 8;
constexpr int16_t kDFormParam = 7;

}  // namespace

LRCsCn::LRCsCn() : LRCsFaceGrille(1, kValueCount) { SetParams(DefaultValues()); }

int16_t LRCsCn::GetParams(double** values) {
    double* v = new double[kValueCount]{static_cast<double>(type), L, H,
                                        static_cast<double>(hv), static_cast<double>(rcm),
                                        static_cast<double>(option), static_cast<double>(gOption),
                                        static_cast<double>(dFlag)};
    *values = v;
    return 0;
}

int16_t LRCsCn::SetParams(const double* v) {
    if (!v)
        return 0;
    int16_t oldG = ReadFaceValues(v);
    dFlag = RoundToShort(v[7]);
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
