#include "elements/tv/ltv_lz3.h"


namespace {

//                                 sub cnt  round  lz3  L/D H  txt tk fam act sm B  A  var
constexpr DamperLayout kLz3Layout = {3, 10, false, true, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
constexpr DamperLayout kLz3kLayout = {4, 9, true, true, 0, -1, 1, 2, 3, 4, 5, 6, 7, 8};

}  // namespace

LTvLz3::LTvLz3() : LTvDuctDamper(kLz3Layout) { SetParams(DefaultValues()); }

LTvLz3K::LTvLz3K() : LTvDuctDamper(kLz3kLayout) { SetParams(DefaultValues()); }
