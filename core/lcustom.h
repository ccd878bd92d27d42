// The custom element (family 16): any group of drawing entities turned into
// a block of its own.  It has no geometry, connectors or catalogue values;
// parameter 0 holds its name as a text.
#pragma once

#include <cstdint>

#include "core/lobject.h"

// The family code the custom element is stored with.
constexpr int16_t kCustomFamilyCode = 16;

class LCustom : public LObject {
public:
    LCustom();

    int16_t MakeBlock(char* blockName) override;  // its block exists already
    int16_t MarkFixedParams(int16_t* flags) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    double GetDimensionOffset() override;
    char* GetDescription() override;  // the name, or "<CUSTOM OBJECT>"
    int16_t UpdateLabel() override;
};
