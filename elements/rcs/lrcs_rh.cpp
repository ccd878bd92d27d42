#include "elements/rcs/lrcs_rh.h"

#include "core/rounding.h"
#include "core/text_buffer.h"
#include "elements/rcs/rcs_rows.h"

namespace {

constexpr int kValueCount = 7;
constexpr int kOptionParam = 5, kOptionCount = 4;

const char* const kTypes[] = {"RLN", "RDN"};
const char* const kHV[] = {"H", "V"};
const char* const kFinish[] = {"R", "C", "M"};
const char* const kAccessory[] = {"", "AZN", "ALN", "RSN"};
const char* const kGOption[] = {"", "G1", "G2", "G3", "G4"};

}  // namespace

LRCsRh::LRCsRh() : LRCsGrille(3, kValueCount) {
    kind = 1;
    parentParams[0] = 1;
    parentParams[1] = 2;
    SetFlipModes(0, 1, 1);
    SetParams(RcsDefaultRow(3));
}

int16_t LRCsRh::GetParams(double** values) {
    *values = new double[kValueCount]{static_cast<double>(type), L, H,
                                      static_cast<double>(hv), static_cast<double>(rcm),
                                      static_cast<double>(option), static_cast<double>(gOption)};
    return 0;
}

int16_t LRCsRh::SetParams(const double* v) {
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
    SnapGrilleSize(&L, &H);
    if (gOption > 1 && oldG <= 1) {
        option = 1;
        SetRowCount(kOptionParam, 1);
        return -1;
    }
    if (gOption <= 1 && oldG > 1) {
        SetRowCount(kOptionParam, kOptionCount);
        return -1;
    }
    return 0;
}

std::string LRCsRh::NameText() const {
    std::string name = FormatText("%s-%s-%s", ListText(kTypes, type), ListText(kHV, hv),
                                  ListText(kFinish, rcm));
    if (option > 1)
        AppendItem(&name, ListText(kAccessory, option));
    if (gOption > 1)
        AppendItem(&name, ListText(kGOption, gOption));
    return name;
}
