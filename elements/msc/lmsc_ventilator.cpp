#include "elements/msc/lmsc_ventilator.h"

namespace {

constexpr UnitLayout kFan = {1, false, UnitKind::kFan, UnitSymbol::kPlain};
constexpr UnitLayout kRoundFan = {2, true, UnitKind::kFan, UnitSymbol::kPlain};

}  // namespace

LMscVentilator::LMscVentilator() : LMscUnit(kFan) { SetParams(DefaultValues()); }

LMscVentilatorK::LMscVentilatorK() : LMscUnit(kRoundFan) { SetParams(DefaultValues()); }
