// What every fire damper set in a duct run shares (VT-3-2, LZ3 and the XN2
// types): two run connectors, a rectangular L x H or round D section, a
// casing of S x depth (round) or depth (rectangular) sized from the section,
// one value that is the user's free text, and a label of that text, the
// name and the size.  The types differ in their values, options and names.
#pragma once

#include <cstddef>
#include <string>

#include "core/description_text.h"
#include "elements/tv/ltv.h"

// Casing side and depth of a round damper.
struct RoundCasing {
    double side, depth;
};

// One row of a round casing table: it holds for D below `below`.
struct CasingRow {
    double below, side, depth;
};

// The first row whose limit lies above D; the last row for every larger D
// (and for a D that is no number).
RoundCasing CasingFromTable(const CasingRow* rows, size_t count, double D);

// Casing depth of the rectangular dampers from their height.
double RectDamperDepth(double H);

class LTvRunDamper : public LTv {
public:
    int16_t MakeBlock(char* blockName) override;
    int16_t UpdateLabel() override;

    // The name with its options, as the label shows it.
    virtual std::string NameText() const = 0;
    // "L x H", or the diameter sign and D.
    std::string SizeText() const;

    // The duct section, the casing side (round types) and depth.
    double L = 0.0;
    double H = 0.0;
    double D = 0.0;
    double S = 0.0;
    double depth = 0.0;

protected:
    // Two run connectors bound to the values sizeParam (L or D) and
    // heightParam (H, -1 for the round types); textParam is the free text.
    LTvRunDamper(int16_t subtype, int16_t paramCount, bool round, int16_t sizeParam,
                 int16_t heightParam, int16_t textParam);

    // Sizes the casing from the section (round: by the type's table) and
    // places the connectors at its ends.
    void SizeCasingAndEnds(RoundCasing (*roundCasing)(double D));
    // The section as description items: D, or L and H.
    void AddSizes(DescriptionText* text) const;
    std::string UserText() const { return GetParamText(textParam); }

    const bool round;

private:
    const int16_t textParam;
};
