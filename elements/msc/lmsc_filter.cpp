#include "elements/msc/lmsc_filter.h"

namespace {

constexpr UnitLayout kZigzag = {9, false, UnitKind::kFilter, UnitSymbol::kZigzag};
constexpr UnitLayout kRoundZigzag = {10, true, UnitKind::kFilter, UnitSymbol::kZigzag};
constexpr UnitLayout kQuadrilateral = {11, false, UnitKind::kFilter, UnitSymbol::kQuadrilateral};
constexpr UnitLayout kRoundQuadrilateral = {12, true, UnitKind::kFilter, UnitSymbol::kQuadrilateral};

}  // namespace

// A type outside the class's own is built as its first.
LMscFilter::LMscFilter(int16_t type) : LMscUnit(type == 11 ? kQuadrilateral : kZigzag) {
    SetParams(DefaultValues());
}

LMscFilterK::LMscFilterK(int16_t type) : LMscUnit(type == 12 ? kRoundQuadrilateral : kRoundZigzag) {
    SetParams(DefaultValues());
}
