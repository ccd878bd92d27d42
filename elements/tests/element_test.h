// What the element tests of every family start from: the messages and type
// tables loaded and a document state made current, and readers of what an
// element answers (its values, description, bill-of-materials rows) and of
// the dimensions it put into the current drawing.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/doc_state.h"
#include "core/lobject.h"

class ElementTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    LDocState state;
};

// The element's parameter values.
std::vector<double> Params(LObject& e);

// The element's description, "" when it has none.
std::string Description(LObject& e);

// The element's bill-of-materials rows, read and freed.
struct BomRows {
    std::vector<std::string> texts, flows;
    std::vector<int> quantities;
    uint16_t count = 0, further = 9, extra = 9;
};
BomRows BomOf(LObject& e);

// The measured texts of the drawing's dimensions in the order the drawing
// holds them, and (when asked) the middle x of each one's two ends.
std::vector<std::string> DimensionTexts(std::vector<double>* middles = nullptr);
