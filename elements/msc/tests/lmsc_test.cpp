#include "elements/msc/lmsc.h"

#include <gtest/gtest.h>

#include "elements/tests/element_test.h"

#include "core/element_factory.h"
#include "core/messages.h"
#include "elements/msc/msc_factory.h"
#include "elements/msc/msc_type_table.h"

namespace {

class TestMsc : public LMsc {
public:
    TestMsc(int16_t type, int16_t params) : LMsc(type, 2, params) {}
    int16_t MakeBlock(char*) override { return 0; }
    int16_t GetParams(double** out) override {
        *out = new double[paramCount]();
        return 0;
    }
    int16_t SetParams(const double*) override { return 0; }
};

class MscFamily : public ElementTest {};

}  // namespace

TEST_F(MscFamily, BaseBuildsTwoRectangularConnectors) {
    TestMsc e(11, 5);
    EXPECT_EQ(e.GetFamily(), 5);
    EXPECT_EQ(e.GetSubtype(), 11);
    EXPECT_EQ(e.GetTypeDesc(), &MscTypeTable[10]);
    EXPECT_STREQ(e.GetTypeDesc()->slideName, "szurontas");
    EXPECT_EQ(e.GetConnectorCount(), 2);
    EXPECT_EQ(e.GetConnector(0)->shape, kShapeRect);
    EXPECT_EQ(e.GetDimensionOffset(), 30.0);
    EXPECT_EQ(e.GetQuantity(), 1.0);
    EXPECT_EQ(e.UpdateLabel(), 0);
    int16_t flags[5] = {0, 0, 0, 0, 0};
    EXPECT_EQ(e.MarkFixedParams(flags), -1);
    EXPECT_EQ(flags[0], 0);
    EXPECT_EQ(e.FitLength(nullptr, nullptr, 0, 1, 100, 0), -1);
    EXPECT_EQ(e.AdjustInsertionPoint(nullptr, nullptr), 0);
    e.GetConnector(0)->flow = 3000;
    char* text = e.GetFlowText();
    EXPECT_STREQ(text, "V=3000 m3/h;");
    delete[] text;
}

TEST_F(MscFamily, RowsShareFourDialogs) {
    EXPECT_STREQ(MscTypeTable[0].dialogKey, "prop_msc_n5a");
    EXPECT_STREQ(MscTypeTable[1].dialogKey, "prop_msc_n4a");
    EXPECT_STREQ(MscTypeTable[4].dialogKey, "prop_msc_n5b");
    EXPECT_STREQ(MscTypeTable[7].dialogKey, "prop_msc_n4b");
    EXPECT_STREQ(MscTypeTable[2].captions[4], MessageText(128));
    EXPECT_STREQ(MscTypeTable[0].captions[4], MessageText(127));
    EXPECT_STREQ(MscTypeTable[5].cataloguePage, "");
    EXPECT_STREQ(MscTypeTable[7].displayCode, "Kalorifer +/- (d)");
}

TEST_F(MscFamily, FactoryBoundsForEveryPage) {
    for (int16_t family : {5, 6, 7, 8})
        for (uint16_t t : {0, 13, 1, 12})
            EXPECT_EQ(CreateElement(family, t), nullptr);
    EXPECT_EQ(CreateMscElement(-1), nullptr);
}
