#include "elements/tv/ltv_vt32.h"


namespace {

//                                  sub cnt  round  lz3   L/D H  txt tk fam act sm B  A  var
constexpr DamperLayout kVt32Layout = {1, 8, false, false, 0, 1, 2, -1, -1, 3, 4, 5, 6, 7};
constexpr DamperLayout kVt32kLayout = {2, 7, true, false, 0, -1, 1, -1, -1, 2, 3, 4, 5, 6};

}  // namespace

LTvVt32::LTvVt32() : LTvDuctDamper(kVt32Layout) { SetParams(DefaultValues()); }

LTvVt32K::LTvVt32K() : LTvDuctDamper(kVt32kLayout) { SetParams(DefaultValues()); }
