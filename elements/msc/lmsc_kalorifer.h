// The air heaters: LMscKalorifer (types 3, 4, 5: "+", "-", "+/-";
// rectangular a x b) and LMscKaloriferK (types 6, 7, 8; round d), each with
// a free text and its power in W.
//
// Values (GetParams, SetParams, XDATA):
//   LMscKalorifer:  a, b, l, text, power;
//   LMscKaloriferK: d, l, text, power.
#pragma once

#include "elements/msc/lmsc_unit.h"

class LMscKalorifer : public LMscUnit {
public:
    explicit LMscKalorifer(int16_t type);
};

class LMscKaloriferK : public LMscUnit {
public:
    explicit LMscKaloriferK(int16_t type);
};
