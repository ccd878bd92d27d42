// An element for the bill-of-materials tests: round connectors that can be
// joined with a joint-piece code, and the rows it gives the bill.  A state
// made current for the test holds the lists.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/doc_state.h"
#include "core/lobject.h"
#include "core/null_handle.h"
#include "core/text_buffer.h"

class BomElement : public LObject {
public:
    struct Row {
        std::string text;
        const char* flow = nullptr;
        uint16_t quantity = 1;
    };

    explicit BomElement(int16_t connectorTotal = 0, long id = 1) : LObject(2, 1, connectorTotal, 0, nullptr) {
        for (int i = 0; i < connectorCount; ++i) {
            connectors[i] = new LConnector;
            connectors[i]->owner = this;
            connectors[i]->shape = kShapeRound;
        }
        entity[0] = id;
        entity[1] = 1;
    }
    // Joins connector i to a neighbour with the joint-piece code.
    void Join(int i, double d, int16_t code) {
        connectors[i]->neighbourHandle = CopyHandleText("2A");
        connectors[i]->a = d;
        connectors[i]->jointPieces = code;
    }
    int16_t MakeBlock(char* name) override {
        name[0] = '\0';
        return 0;
    }
    int16_t MarkFixedParams(int16_t*) override { return -1; }
    int16_t GetParams(double** values) override {
        *values = nullptr;
        return 0;
    }
    int16_t SetParams(const double*) override { return 0; }
    double GetDimensionOffset() override { return 0; }
    int16_t UpdateLabel() override { return 0; }
    int16_t GetBomLines(LBomRow** out, uint16_t* count, uint16_t* further, uint16_t* extraRows) override {
        if (failLines)
            return -1;
        size_t total = rows.size() + extras.size();
        LBomRow* all = new LBomRow[total ? total : 1];
        size_t k = 0;
        for (const std::vector<Row>* part : {&rows, &extras})
            for (const Row& r : *part) {
                all[k].quantity = r.quantity;
                all[k].description = NewTextBuffer(r.text, r.text.size() + 1);
                all[k].flowText = r.flow ? NewTextBuffer(r.flow, 16) : nullptr;
                ++k;
            }
        *out = all;
        *count = static_cast<uint16_t>(rows.size());
        *further = 0;
        *extraRows = static_cast<uint16_t>(extras.size());
        return 0;
    }

    std::vector<Row> rows;
    std::vector<Row> extras;
    bool failLines = false;
};

// A document state of its own, current while the test runs.
class BomListTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved = CurrentDocState;
        CurrentDocState = &state;
    }
    void TearDown() override { CurrentDocState = saved; }
    LDocState state;
    LDocState* saved = nullptr;
};
