// The CF fire dampers (subtypes 5 to 11), set in a wall opening and
// attached to a duct: each type has its height list (on its entry), its
// width rule and its drawing.
//
// Values (GetParams, SetParams, XDATA):
//   CF1H1V, CF2H1V: variant, actuator, W, H, text, EK, installation choice;
//   the others:     actuator, W, H, text, EK, installation choice.
#pragma once

#include "elements/tv/ltv_wall_damper.h"

class LTvCF1H1V : public LTvWallDamper {
public:
    LTvCF1H1V();
};

class LTvCF1H1VP : public LTvWallDamper {
public:
    LTvCF1H1VP();
};

class LTvCF1H1VA : public LTvWallDamper {
public:
    LTvCF1H1VA();
};

class LTvCF1H2V : public LTvWallDamper {
public:
    LTvCF1H2V();
};

class LTvCF1H2VP : public LTvWallDamper {
public:
    LTvCF1H2VP();
};

class LTvCF2H1V : public LTvWallDamper {
public:
    LTvCF2H1V();
};

class LTvCF2H2V : public LTvWallDamper {
public:
    LTvCF2H2V();
};
