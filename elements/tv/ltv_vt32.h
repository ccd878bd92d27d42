// The VT-3-2 fire dampers: VT-3-2 (subtype 1) for rectangular ducts and
// VT-3-2K (subtype 2) for round ducts, with IK and SM actuators.
//
// Values (GetParams, SetParams, XDATA):
//   VT-3-2:  L, H, text, IK, SM, flag B, flag A, variant;
//   VT-3-2K: D, text, IK, SM, flag B, flag A, variant.
#pragma once

#include "elements/tv/ltv_duct_damper.h"

class LTvVt32 : public LTvDuctDamper {
public:
    LTvVt32();
};

class LTvVt32K : public LTvDuctDamper {
public:
    LTvVt32K();
};
