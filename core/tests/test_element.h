// A small element class for the tests of the element base: its values are
// kept in an array, and it counts the calls that the base makes of it.
#pragma once

#include <vector>

#include "core/lobject.h"

class TestElement : public LObject {
public:
    TestElement(uint16_t familyCode, uint16_t subtypeCode, int16_t connectorTotal, int16_t params,
                LTypeDescriptor* row = nullptr)
        : LObject(familyCode, subtypeCode, connectorTotal, params, row), values(params > 0 ? params : 0) {
        for (int i = 0; i < connectorCount; ++i) {
            connectors[i] = new LConnector;
            connectors[i]->owner = this;
            connectors[i]->shape = kShapeRect;
        }
    }

    int16_t MakeBlock(char* name) override {
        name[0] = '\0';
        return 0;
    }
    int16_t Mirror() override {
        ++mirrors;
        return 7;
    }
    int16_t MarkFixedParams(int16_t*) override { return -1; }
    int16_t GetParams(double** out) override {
        *out = new double[values.size() + 1];
        for (size_t i = 0; i < values.size(); ++i)
            (*out)[i] = values[i];
        return 0;
    }
    int16_t SetParams(const double* in) override {
        ++sets;
        for (size_t i = 0; i < values.size(); ++i)
            values[i] = in[i];
        return 0;
    }
    double GetDimensionOffset() override { return 1.0; }
    char* GetDescription() override {
        if (!describe)
            return nullptr;
        char* text = new char[8];
        text[0] = 'D';
        text[1] = '\0';
        return text;
    }
    int16_t UpdateLabel() override { return 0; }

    std::vector<double> values;
    int mirrors = 0;
    int sets = 0;
    bool describe = false;
};
