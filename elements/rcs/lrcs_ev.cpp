#include "elements/rcs/lrcs_ev.h"

namespace {

constexpr int16_t kParamCount = 2;

}  // namespace

LRCsEV::LRCsEV() : LRCsHatchedFrame(23, kParamCount) { SetParams(DefaultValues()); }

int16_t LRCsEV::GetParams(double** values) {
    *values = new double[kParamCount]{B, H};
    return 0;
}

int16_t LRCsEV::SetParams(const double* v) {
    if (!v)
        return 0;
    TakeSize(v);
    return 0;
}
