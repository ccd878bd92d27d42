#include "elements/vl/lvl.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "elements/tests/element_test.h"

#include "core/messages.h"
#include "elements/vl/vl_factory.h"
#include "elements/vl/vl_type_table.h"

namespace {

// A rectangular fitting whose values are kept in an array.
class TestVl : public LVl {
public:
    TestVl(int16_t id, uint16_t count) : LVl(id, 2, count), values(VlDefaultRow(id), VlDefaultRow(id) + count) {}
    int16_t MakeBlock(char*) override { return 0; }
    int16_t MarkFixedParams(int16_t*) override { return 0; }
    int16_t GetParams(double** out) override {
        *out = new double[values.size()];
        std::copy(values.begin(), values.end(), *out);
        return 0;
    }
    int16_t SetParams(const double* in) override {
        std::copy(in, in + values.size(), values.begin());
        return 0;
    }
    int16_t UpdateLabel() override { return 0; }
    std::vector<double> values;
};

class VlFamily : public ElementTest {};

}  // namespace

TEST_F(VlFamily, BaseBuildsRectangularConnectorsOnItsRow) {
    TestVl e(5, 5);
    EXPECT_EQ(e.GetFamily(), 1);
    EXPECT_EQ(e.GetSubtype(), 5);
    EXPECT_EQ(e.GetTypeDesc(), &VlTypeTable[4]);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(e.GetConnector(static_cast<int16_t>(i))->shape, kShapeRect);
        EXPECT_EQ(e.GetConnector(static_cast<int16_t>(i))->owner, &e);
    }
    EXPECT_EQ(e.GetDimensionOffset(), 45.0);
    EXPECT_EQ(e.collarLength, 40.0);
}

TEST_F(VlFamily, DescriptionOfTheStraightDuct) {
    TestVl e(1, 5);
    e.values = {150, 200, 1500, 1, 0};
    EXPECT_EQ(Description(e), "VL-01  a=150;  b=200;  l=1500;  lp=1;");
    e.values[3] = -1;
    EXPECT_EQ(Description(e), "VL-01  a=150;  b=200;  l=1500;  lp=0;");
    e.values[3] = 1.0000001;
    EXPECT_EQ(Description(e), "VL-01  a=150;  b=200;  l=1500;  lp=0;");
}

TEST_F(VlFamily, ShortCaptionsPrintTheValueAlone) {
    TestVl e(20, 3);  // USZ-29
    const char* saved = VlTypeTable[19].captions[2];
    VlTypeTable[19].captions[2] = "n:";
    EXPECT_EQ(Description(e), "USZ-29  A=250;  B=250;  1;");
    VlTypeTable[19].captions[2] = saved;
}

TEST_F(VlFamily, LongDescriptionsAreNotCut) {
    TestVl e(24, 9);  // VLE-01: eight row parameters
    for (double& v : e.values)
        v = -1.23456789e+100;
    std::string text = Description(e);
    EXPECT_GT(text.size(), 100u);
    EXPECT_EQ(text.substr(0, 6), "VLE-01");
    EXPECT_EQ(text.substr(text.size() - 18), "  R=-1.23457e+100;");
}

TEST_F(VlFamily, RowsCarryTheCatalogueStrings) {
    EXPECT_STREQ(VlTypeTable[0].displayCode, "VL-01");
    EXPECT_STREQ(VlTypeTable[0].cataloguePage, "1.10");
    EXPECT_STREQ(VlTypeTable[21].slideName, "lem");  // S-15 shows LEM's slide
    EXPECT_STREQ(VlTypeTable[21].blockPrefix, "lem-");
    EXPECT_STREQ(VlTypeTable[31].displayCode, "VLE-07");
    EXPECT_STREQ(VlTypeTable[0].captions[0], "Width (a):");
    EXPECT_STREQ(VlTypeTable[0].message, MessageText(0));
}

TEST_F(VlFamily, DefaultRowsAndFactoryBounds) {
    EXPECT_EQ(VlDefaultRow(0), nullptr);
    EXPECT_EQ(VlDefaultRow(33), nullptr);
    EXPECT_EQ(VlDefaultRow(1)[2], 1500);
    EXPECT_EQ(VlDefaultRow(24)[7], 100);
    EXPECT_EQ(CreateVlElement(0), nullptr);
    EXPECT_EQ(CreateVlElement(33), nullptr);
    EXPECT_EQ(CreateVlElement(-4), nullptr);
}
