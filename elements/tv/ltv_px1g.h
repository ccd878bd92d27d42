// The PX1G fire damper (subtype 12): set in a wall opening like the CF
// types, its width held between 531 and 816, with a TK option.
//
// Values (GetParams, SetParams, XDATA):
//   actuator, W, H, text, TK, installation choice.
#pragma once

#include "elements/tv/ltv_wall_damper.h"

class LTvPX1G : public LTvWallDamper {
public:
    LTvPX1G();
};
