// What the fans, heaters and filters share: two connectors at the ends of
// their length l (rectangular a x b, or round d), the air passing through
// unchanged, one or two free texts of the user and, for fans and heaters, a
// rated value (pressure in Pa, power in W).  Each class names its kind and
// shape in a UnitLayout; the values sit in one order per shape:
//   rectangular: a, b, l, text, value (or second text);
//   round:       d, l, text, value (or second text).
#pragma once

#include <string>

#include "elements/msc/lmsc.h"

enum class UnitKind { kFan, kHeater, kFilter };

enum class UnitSymbol { kPlain, kPlus, kMinus, kPlusMinus, kZigzag, kQuadrilateral };

struct UnitLayout {
    int16_t type;
    bool round;
    UnitKind kind;
    UnitSymbol symbol;  // the heater's sign or the filter's pattern
};

class LMscUnit : public LMsc {
public:
    int16_t MakeBlock(char* blockName) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    char* GetDescription() override;
    int16_t UpdateLabel() override;

    // The texts of the unit label, before its airflow line.
    std::string LabelSize() const;
    std::string LabelValue() const;  // "600 Pa", "2000 W", or the second text
    // "+", "-" or "+/-" of a heater, else "".
    const char* HeaterSign() const;

    const UnitLayout& Layout() const { return layout; }

    // Sizes: a x b (rectangular) or d (round), and the length.
    double a = 0.0;
    double b = 0.0;
    double d = 0.0;
    double l = 0.0;
    double value = 0.0;  // pressure or power; filters have none

protected:
    // Connectors, text parameters and flip modes of the layout; the class
    // then applies its default row.
    explicit LMscUnit(const UnitLayout& layout);

private:
    int16_t TextIndex() const { return layout.round ? 2 : 3; }
    int16_t ValueIndex() const { return layout.round ? 3 : 4; }
    int16_t LengthIndex() const { return layout.round ? 1 : 2; }
    void PlaceConnectors();

    const UnitLayout& layout;
};
