#include "elements/rcs/lrcs_ctr.h"

#include "core/rounding.h"
#include "core/text_buffer.h"
#include "elements/rcs/rcs_lists.h"

namespace {

constexpr int kValueCount = 5;

}  // namespace

LRCsCtr::LRCsCtr() : LRCsGrille(5, kValueCount) {
    kind = 1;
    parentParams[0] = 0;
    parentParams[1] = 1;
    SetFlipModes(0, 1, 1);
    SetParams(DefaultValues());
}

int16_t LRCsCtr::GetParams(double** values) {
    *values = new double[kValueCount]{L, H, static_cast<double>(hv), static_cast<double>(option),
                                      static_cast<double>(ellkFlag)};
    return 0;
}

int16_t LRCsCtr::SetParams(const double* v) {
    if (!v)
        return 0;
    L = v[0];
    H = v[1];
    hv = RoundToShort(v[2]);
    option = RoundToShort(v[3]);
    ellkFlag = RoundToShort(v[4]);
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
