// System layers: CreateLayer, the names made from a tag, and the layers
// that are never erased.
#include <gtest/gtest.h>

#include "core/system_layers.h"
#include "system_fixture.h"

namespace {

int LayerColour(const char* name) {
    resbuf* record = acdbTblSearch(L"LAYER", ToWide(name).c_str(), 0);
    int colour = -1;
    for (resbuf* rb = record; rb; rb = rb->rbnext)
        if (rb->restype == 62)
            colour = rb->resval.rint;
    acutRelRb(record);
    return colour;
}

std::string LayerLinetype(const char* name) {
    resbuf* record = acdbTblSearch(L"LAYER", ToWide(name).c_str(), 0);
    std::string linetype;
    for (resbuf* rb = record; rb; rb = rb->rbnext)
        if (rb->restype == 6)
            linetype = ToNarrowString(rb->resval.rstring);
    acutRelRb(record);
    return linetype;
}

}  // namespace

using LayerTest = SystemDrawingTest;

TEST_F(LayerTest, CreateLayerAddsOnceWithColourAndContinuous) {
    EXPECT_EQ(CreateLayer(3, L"LURAK-ZL1", database), Acad::eOk);
    EXPECT_TRUE(LayerExists("LURAK-ZL1"));
    EXPECT_EQ(LayerColour("LURAK-ZL1"), 3);
    EXPECT_EQ(FoldedLayerName(LayerLinetype("LURAK-ZL1").c_str()), "CONTINUOUS");
    // An existing layer keeps its colour, whatever case the name is given in.
    EXPECT_EQ(CreateLayer(5, L"lurak-zl1", database), Acad::eOk);
    EXPECT_EQ(LayerColour("LURAK-ZL1"), 3);
    // Bad names and a missing drawing are refused.
    EXPECT_EQ(CreateLayer(1, L"A<B", database), Acad::eInvalidInput);
    EXPECT_FALSE(LayerExists("A<B"));
    EXPECT_EQ(CreateLayer(1, nullptr, database), Acad::eInvalidInput);
    EXPECT_EQ(CreateLayer(1, L"X", nullptr), Acad::eInvalidInput);
}
