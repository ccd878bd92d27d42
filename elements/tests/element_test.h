// What the element tests of every family start from: the messages and type
// tables loaded and a document state made current, and readers of what an
// element answers (its values, description, bill-of-materials rows) and of
// the dimensions it put into the current drawing.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/drawing_context.h"
#include "core/element_ptr.h"
#include "core/lobject.h"

class ElementTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    LDrawingContext state;
};

// A family's base class made whole: its values are `values` (zeros past
// their end), and it draws no block.
template <class Base>
class StubElement : public Base {
public:
    using Base::Base;
    int16_t MakeBlock(char*) override { return 0; }
    int16_t GetParams(double** out) override {
        size_t n = std::max<size_t>(values.size(), static_cast<size_t>(std::max<int>(this->GetParamCount(), 1)));
        *out = new double[n]();
        std::copy(values.begin(), values.end(), *out);
        return 0;
    }
    int16_t SetParams(const double*) override { return 0; }
    std::vector<double> values;
};

// The same for bases that leave the joints and the label to each class.
template <class Base>
class BareElement : public StubElement<Base> {
public:
    using StubElement<Base>::StubElement;
    int16_t MarkFixedParams(int16_t*) override { return 0; }
    int16_t UpdateLabel() override { return 0; }
};

// A new element of the family and subtype, its values set to `values`
// when given; fails the test when the type makes none.
ElementPtr MakeElement(int16_t family, int16_t subtype, const std::vector<double>& values = {});

// An element of class T with its values set to `values`.
template <class T>
std::unique_ptr<T> ElementWith(std::vector<double> values) {
    auto e = std::make_unique<T>();
    e->SetParams(values.data());
    return e;
}

// Writes `from`'s XDATA and reads it into `into`; ReadXData's status.
int16_t CopyByXData(LObject& from, LObject& into);

// The element's parameter values.
std::vector<double> Params(LObject& e);

// A text made for the caller, freed; "" for none.
std::string Taken(char* text);
inline std::string Description(LObject& e) { return Taken(e.GetDescription()); }

// The element's bill-of-materials rows, read and freed.
struct BomRows {
    std::vector<std::string> texts, flows;
    std::vector<int> quantities;
    uint16_t count = 0, further = 9, extra = 9;
};
BomRows BomOf(LObject& e);

// One entity of a block: its type, layer, linetype, text and first two points.
struct Primitive {
    std::string type, layer;
    std::string linetype, text;  // "" when the entity names none
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    // Arcs and circles: radius and angles; ellipses: ratio and parameters.
    double r = 0, a0 = 0, a1 = 0;
};

// Whether the primitive's first two points are finite numbers.
inline bool EndsAreFinite(const Primitive& p) {
    return std::isfinite(p.x1) && std::isfinite(p.y1) && std::isfinite(p.x2) && std::isfinite(p.y2);
}

// The entities of the named block in the current database, in their order.
std::vector<Primitive> BlockPrimitives(const char* name);

// The dashed, zigzag and centre linetypes that element blocks use, made in the
// current database.
void MakeBlockLinetypes();

// The primitive is a line on the layer from (x1, y1) to (x2, y2).
void ExpectLine(const Primitive& p, const char* layer, double x1, double y1, double x2, double y2);

// Every dimension of the current drawing in the order the drawing holds
// them: its text and its two measured points (groups 13 and 14).
struct MeasuredDimension {
    std::string text;
    double x13 = 0, y13 = 0, x14 = 0, y14 = 0;
};
std::vector<MeasuredDimension> DrawingDimensions();

// The measured texts of the drawing's dimensions in the order the drawing
// holds them, and (when asked) the middle x of each one's two ends.
std::vector<std::string> DimensionTexts(std::vector<double>* middles = nullptr);
