// The XN2 fire dampers, which sit in a duct run between two connectors:
// XN2-A (subtype 14) and XN2-J (16) for rectangular ducts L x H (LTvXn2),
// XN2-AK (15) and XN2-JK (17) for round ducts D (LTvXn2K).  The A types
// carry two installation flags, the J types an actuator.  They are drawn
// with the rectangular and round damper symbols.
//
// Values (GetParams, SetParams, XDATA):
//   XN2-A:  L, H, text, flag A, flag B, variant;
//   XN2-AK: D, text, flag A, flag B, variant;
//   XN2-J:  L, H, text, actuator, variant;
//   XN2-JK: D, text, actuator, variant.
#pragma once

#include <string>

#include "elements/tv/ltv_run_damper.h"

struct Xn2Layout {
    int16_t subtype;
    bool round;
    bool actuated;  // J: an actuator; A: two installation flags
};

class LTvXn2Damper : public LTvRunDamper {
public:
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    char* GetDescription() override;

    // "XN2-J-HP+SM24V", "XN2-A-VG" ...
    std::string NameText() const override;

    int16_t actuator = 1;
    int16_t flagA = 0;
    int16_t flagB = 0;
    int16_t variant = 1;

protected:
    explicit LTvXn2Damper(const Xn2Layout& layout);

private:
    static int16_t TextIndexOf(const Xn2Layout& l) { return l.round ? 1 : 2; }
    int16_t TextIndex() const { return TextIndexOf(layout); }

    const Xn2Layout& layout;
};

class LTvXn2 : public LTvXn2Damper {
public:
    explicit LTvXn2(int16_t subtype);
};

class LTvXn2K : public LTvXn2Damper {
public:
    explicit LTvXn2K(int16_t subtype);
};

// Casing side and depth of the round XN2 dampers from their diameter.
RoundCasing Xn2kCasing(double D);
