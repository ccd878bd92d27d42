// The LZ3 fire dampers: LZ3 (subtype 3) for rectangular ducts and LZ3K
// (subtype 4) for round ducts, with a TK flag, IK or AK actuators and SM
// actuators.
//
// Values (GetParams, SetParams, XDATA):
//   LZ3:  L, H, text, TK, actuator family, actuator, SM, flag B, flag A, variant;
//   LZ3K: D, text, TK, actuator family, actuator, SM, flag B, flag A, variant.
#pragma once

#include "elements/tv/ltv_duct_damper.h"

class LTvLz3 : public LTvDuctDamper {
public:
    LTvLz3();
};

class LTvLz3K : public LTvDuctDamper {
public:
    LTvLz3K();
};
