#include "elements/rcs/lrcs_cn.h"

#include "core/rounding.h"
#include "core/text_buffer.h"
#include "elements/rcs/rcs_rows.h"

namespace {

constexpr int kValueCount = 8;
constexpr int kOptionParam = 5, kDFormParam = 7, kOptionCount = 4;

const char* const kTypes[] = {"CSD", "ASD", "RNN", "AE", "REN"};
const char* const kHV[] = {"H", "V"};
const char* const kFinish[] = {"R", "C", "M"};
const char* const kAccessory[] = {"", "AZN", "ALN", "RSN"};
const char* const kGOption[] = {"", "G1", "G2", "G3", "G4"};

}  // namespace

LRCsCn::LRCsCn() : LRCsGrille(1, kValueCount) {
    kind = 1;
    parentParams[0] = 1;
    parentParams[1] = 2;
    SetFlipModes(0, 1, 1);
    SetParams(RcsDefaultRow(1));
}

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
    int16_t oldG = gOption;
    type = RoundToShort(v[0]);
    L = v[1];
    H = v[2];
    hv = RoundToShort(v[3]);
    rcm = RoundToShort(v[4]);
    option = RoundToShort(v[5]);
    gOption = RoundToShort(v[6]);
    dFlag = RoundToShort(v[7]);
    SnapGrilleSize(&L, &H);
    if (gOption > 1 && oldG <= 1) {
        // A G option comes without accessory and without the D form.
        option = 1;
        dFlag = 0;
        SetRowCount(kOptionParam, 1);
        SetRowKind(kDFormParam, kParamDisabled);
        return -1;
    }
    if (gOption <= 1 && oldG > 1) {
        SetRowCount(kOptionParam, kOptionCount);
        SetRowKind(kDFormParam, kParamEnabled);
        return -1;
    }
    return 0;
}

std::string LRCsCn::NameText() const {
    std::string name;
    if (type == 1 && dFlag > 0)
        name = "CDD";
    else if (type == 2 && dFlag > 0)
        name = "ADD";
    else
        name = ListText(kTypes, type);
    name += FormatText("-%s-%s", ListText(kHV, hv), ListText(kFinish, rcm));
    if (type > 2 && dFlag > 0 && (hv == 1 || hv == 2))
        AppendItem(&name, hv == 1 ? "KNN" : "TKN");
    if (option > 1)
        AppendItem(&name, ListText(kAccessory, option));
    if (gOption > 1)
        AppendItem(&name, ListText(kGOption, gOption));
    return name;
}
