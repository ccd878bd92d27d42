// What the CF fire dampers and PX1G share: no connector (they are attached
// to a duct as its child, kind 1), an opening W x H whose width is held by
// the type's rule, an actuator, one option flag ("EK" or "TK"), an
// installation choice and a free text of the user.  Each type names its
// values in a WallDamperLayout:
//   [variant,] actuator, W, H, text, flag, installation choice.
#pragma once

#include <string>

#include "elements/tv/ltv.h"
#include "elements/tv/ltv_wall_symbols.h"

// One row of a width rule: with `above` false it holds when H < height, with
// `above` true when H > height; the last row of a rule always holds.
struct WidthStep {
    double height;
    double width;
};

// W at most (or at least) the width of the first row that holds.
struct WidthRule {
    bool atMost;
    bool above;
    const WidthStep* steps;
    int16_t count;
};

struct WallDamperLayout {
    int16_t subtype;
    const char* code;                 // the name before the actuator
    const char* const* variants;      // or the code chosen by a variant value
    int16_t variantCount;
    const char* flagName;             // "EK", "TK"
    WidthRule first, then;
    WallFace face;
    WallEdge edge;
};

class LTvWallDamper : public LTv {
public:
    int16_t MakeBlock(char* blockName) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    double GetQuantity() override;
    char* GetDescription() override;
    int16_t UpdateLabel() override;

    // "CF1H1V+GHPV", "CF1H1VSY+GPV-TP+EK", "PX1G+GHPV+TK" ...
    std::string NameText() const;

    int16_t variant = 1;
    int16_t actuator = 1;
    int16_t flag = 0;
    int16_t install = 1;
    double W = 0.0;
    double H = 0.0;

protected:
    explicit LTvWallDamper(const WallDamperLayout& layout);

private:
    int16_t First() const { return layout.variants ? 1 : 0; }  // index of the actuator
    int16_t TextIndex() const { return First() + 3; }

    const WallDamperLayout& layout;
};

// W held by the rule for the height H.
double ApplyWidthRule(const WidthRule& rule, double W, double H);
