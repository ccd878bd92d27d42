// A stand-in for the round duct VF-11/12 that the terminal tests set a
// grille or face on: its values 1 and 2 are the sizes of its opening.
#pragma once

#include "core/lobject.h"
#include "core/type_tables.h"
#include "elements/vf/vf_family.h"

class OpeningDuct : public LObject {
public:
    OpeningDuct(double a, double b) : LObject(2, 10, 0, 3, TypeRow(kVfFamily, 10)), values{400, a, b} {}
    int16_t MakeBlock(char*) override { return 0; }
    int16_t MarkFixedParams(int16_t*) override { return -1; }
    int16_t GetParams(double** out) override {
        *out = new double[3]{values[0], values[1], values[2]};
        return 0;
    }
    int16_t SetParams(const double*) override { return 0; }
    double GetDimensionOffset() override { return 0; }
    int16_t UpdateLabel() override { return 0; }
    double values[3];
};
