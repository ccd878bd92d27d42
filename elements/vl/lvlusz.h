// Short in-line units drawn with pivoting blades, each in a variant K or M:
// USZ-29 (one blade, sizes A x B, length max(A, B) + 70) and LEM, S-15 and
// USZ-17 (four opposed blades, sizes B x H, length 150, each with its own
// size limits).  Sizes take their input as given, 0 included.
//
// Values (GetParams, SetParams, XDATA): first size, second size, variant.
#pragma once

#include <string>

#include "elements/vl/lvl.h"

// The variant's letter, 1-based ("K", "M"); "" outside the list.
const char* VariantLetterKM(int variant);

class LVlBladeUnit : public LVl {
public:
    int16_t MakeBlock(char* blockName) override;
    int16_t MarkFixedParams(int16_t* flags) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    double GetQuantity() override;
    int16_t FitLength(double* params, int16_t* changed, int16_t connectorA, int16_t connectorB,
                      double along, double across) override;
    // "LEM-K  B=250;  H=250;": the code and letter, then both sizes.
    char* GetDescription() override;
    // A fitting label with the code and letter and "first x second".
    int16_t UpdateLabel() override;
    int16_t AdjustInsertionPoint(ads_point point, const double* oldParams) override;

    int16_t variant = 1;
    double first = 0.0;
    double second = 0.0;
    double L = 0.0;

protected:
    // code: "LEM"; sizes: the letters of the two sizes ("B", "H").
    LVlBladeUnit(int16_t typeId, const char* code, const char* firstName, const char* secondName);
    // The length and the limits of the class on the sizes just taken.
    virtual void ApplyLimits() = 0;
    // The blades in the views along the run, the width w seen.
    virtual void DrawBlades(double w) = 0;

private:
    std::string CodeText() const;

    const char* code;
    const char* firstName;
    const char* secondName;
};

// One blade on an axle, drawn over the whole section.
class LVlUSz29 : public LVlBladeUnit {
public:
    LVlUSz29();

protected:
    void ApplyLimits() override;
    void DrawBlades(double w) override;
};

// Four opposed blades; the three types differ in their limits.
class LVlFourBlades : public LVlBladeUnit {
protected:
    using LVlBladeUnit::LVlBladeUnit;
    void DrawBlades(double w) override;
    // Both sizes capped at limit.
    void Cap(double limit);
};

class LVlLEM : public LVlFourBlades {
public:
    LVlLEM();

protected:
    void ApplyLimits() override;
};

class LVlS15 : public LVlFourBlades {
public:
    LVlS15();

protected:
    void ApplyLimits() override;
};

class LVlUSz17 : public LVlFourBlades {
public:
    LVlUSz17();

protected:
    void ApplyLimits() override;
};
