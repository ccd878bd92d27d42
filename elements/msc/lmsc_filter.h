// The filters: LMscFilter (types 9 and 11, rectangular a x b) and
// LMscFilterK (types 10 and 12, round d), each with two free texts.  Types
// 9 and 10 draw a zigzag, 11 and 12 a quadrilateral.
//
// Values (GetParams, SetParams, XDATA):
//   LMscFilter:  a, b, l, text, second text;
//   LMscFilterK: d, l, text, second text.
#pragma once

#include "elements/msc/lmsc_unit.h"

class LMscFilter : public LMscUnit {
public:
    explicit LMscFilter(int16_t type);
};

class LMscFilterK : public LMscUnit {
public:
    explicit LMscFilterK(int16_t type);
};
