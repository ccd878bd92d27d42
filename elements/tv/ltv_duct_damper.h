// What the fire dampers VT-3-2, VT-3-2K, LZ3 and LZ3K share: they sit in a
// duct run between two connectors (rectangular L x H or round D), take a
// casing depth (and the round ones a casing side) from their size, and
// carry actuator and installation options and a free text of the user
// that show in their label and bill-of-materials line.
//
// Each type lays its values out in its own order (its DamperLayout); the
// options are 1-based positions in their lists, the flags 0 or 1.
#pragma once

#include <string>

#include "elements/tv/ltv_run_damper.h"

// Where each value of a type sits in its parameter array; -1 = the type
// has no such value.
struct DamperLayout {
    int16_t subtype;
    int16_t paramCount;
    bool round;   // D instead of L x H
    bool lz3;     // the LZ3 name, a TK flag and a choice of actuator family
    int8_t size;  // L, or D
    int8_t height;
    int8_t text;
    int8_t tk;
    int8_t actuatorFamily;
    int8_t actuator;
    int8_t sm;
    int8_t flagB;
    int8_t flagA;
    int8_t variant;
};

class LTvDuctDamper : public LTvRunDamper {
public:
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    char* GetDescription() override;

    // "VT-3-2-HL+IK48V", "LZ3-HP+TK+AK24V" ...
    std::string NameText() const override;

    // Options, kept within their lists.
    int16_t tk = 0;
    int16_t actuatorFamily = 1;  // 1 IK actuators, 2 AK actuators
    int16_t actuator = 1;
    int16_t sm = 1;
    int16_t flagA = 0;
    int16_t flagB = 0;
    int16_t variant = 1;

protected:
    // Connectors, text parameter and flip modes of the layout; the class
    // then applies its default row.
    explicit LTvDuctDamper(const DamperLayout& layout);

private:
    const char* ActuatorText() const;

    const DamperLayout& layout;
};

// Casing side and depth of the round dampers from their diameter.
RoundCasing Vt32kCasing(double D);
RoundCasing Lz3kCasing(double D);
