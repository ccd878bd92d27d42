#include "elements/msc/lmsc_kalorifer.h"

namespace {

// By type: the rectangular heaters 3 to 5, then the round ones 6 to 8.
constexpr UnitLayout kHeaters[] = {
    {3, false, UnitKind::kHeater, UnitSymbol::kPlus},
    {4, false, UnitKind::kHeater, UnitSymbol::kMinus},
    {5, false, UnitKind::kHeater, UnitSymbol::kPlusMinus},
    {6, true, UnitKind::kHeater, UnitSymbol::kPlus},
    {7, true, UnitKind::kHeater, UnitSymbol::kMinus},
    {8, true, UnitKind::kHeater, UnitSymbol::kPlusMinus},
};

// A type outside the class's own is built as its first.
const UnitLayout& HeaterLayout(int16_t type, bool round) {
    int first = round ? 3 : 0;
    int k = type - kHeaters[first].type;
    return kHeaters[first + (k >= 0 && k < 3 ? k : 0)];
}

}  // namespace

LMscKalorifer::LMscKalorifer(int16_t type) : LMscUnit(HeaterLayout(type, false)) {
    SetParams(DefaultValues());
}

LMscKaloriferK::LMscKaloriferK(int16_t type) : LMscUnit(HeaterLayout(type, true)) {
    SetParams(DefaultValues());
}
