// The fans: LMscVentilator (type 1, rectangular a x b) and LMscVentilatorK
// (type 2, round d), each with a free text and its pressure in Pa.
//
// Values (GetParams, SetParams, XDATA):
//   LMscVentilator:  a, b, l, text, pressure;
//   LMscVentilatorK: d, l, text, pressure.
#pragma once

#include "elements/msc/lmsc_unit.h"

class LMscVentilator : public LMscUnit {
public:
    LMscVentilator();
};

class LMscVentilatorK : public LMscUnit {
public:
    LMscVentilatorK();
};
