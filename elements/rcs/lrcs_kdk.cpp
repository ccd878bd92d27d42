#include "elements/rcs/lrcs_kdk.h"

#include "core/rounding.h"
#include "core/text_lists.h"
#include "elements/rcs/rcs_lists.h"

namespace {

constexpr int16_t kParamCount = 3;

}  // namespace

LRCsKDK::LRCsKDK() : LRCsHatchedFrame(22, kParamCount) { SetParams(DefaultValues()); }

int16_t LRCsKDK::GetParams(double** values) {
    *values = new double[kParamCount]{B, H, static_cast<double>(variant)};
    return 0;
}

int16_t LRCsKDK::SetParams(const double* v) {
    if (!v)
        return 0;
    TakeSize(v);
    variant = RoundToShort(v[2]);
    return 0;
}

std::string LRCsKDK::NameText() const {
    std::string name = "KDK";
    if (variant > 1)
        AppendItem(&name, ListText(kKdkVariants, variant));
    return name;
}
