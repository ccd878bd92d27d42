#include "elements/rcs/lrcs.h"

#include <gtest/gtest.h>

#include "core/messages.h"
#include "elements/rcs/rcs_factory.h"
#include "elements/rcs/rcs_type_table.h"

namespace {

class TestRcs : public LRCs {
public:
    TestRcs(int16_t id, int16_t connectors, int16_t params) : LRCs(id, connectors, params) {}
    int16_t MakeBlock(char*) override { return 0; }
    int16_t MarkFixedParams(int16_t*) override { return -1; }
    int16_t GetParams(double** out) override {
        *out = new double[paramCount > 0 ? paramCount : 1]();
        return 0;
    }
    int16_t SetParams(const double*) override { return 0; }
};

class RcsFamily : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(LoadMessagesFile(LURAK_SOURCE_DIR "/data/lurak.msg"), 0);
        InitTypeTables();
    }
};

}  // namespace

TEST_F(RcsFamily, BaseBuildsOnItsRow) {
    TestRcs e(9, 1, 4);
    EXPECT_EQ(e.GetFamily(), 3);
    EXPECT_EQ(e.GetSubtype(), 9);
    EXPECT_EQ(e.GetTypeDesc(), &RcsTypeTable[8]);
    EXPECT_EQ(e.GetConnector(0)->shape, kShapeRect);
    EXPECT_EQ(e.GetConnector(0)->owner, &e);
    EXPECT_EQ(e.GetDimensionOffset(), 20.0);
    EXPECT_EQ(e.UpdateLabel(), 0);
    EXPECT_EQ(e.FitLength(nullptr, nullptr, 0, 1, 0, 0), -1);
    EXPECT_EQ(e.layoutLengths[12], 54.0);
}

TEST_F(RcsFamily, TerminalsWithConnectorsShowConnectorAirflow) {
    TestRcs e(9, 1, 4);
    e.GetConnector(0)->flow = 420;
    e.SetFlow(99);
    char* text = e.GetFlowText();
    EXPECT_STREQ(text, "V=420 m3/h;");
    delete[] text;
    TestRcs grille(1, 0, 8);
    grille.kind = 1;
    grille.SetFlow(99);
    text = grille.GetFlowText();
    EXPECT_STREQ(text, "V=99 m3/h;");
    delete[] text;
}

TEST_F(RcsFamily, RowsAndFactory) {
    EXPECT_STREQ(RcsTypeTable[1].displayCode, "RK..");
    EXPECT_STREQ(RcsTypeTable[1].captions[0], MessageText(99));
    EXPECT_STREQ(RcsTypeTable[39].slideName, "cnh");
    EXPECT_STREQ(RcsTypeTable[36].cataloguePage, "");
    for (int16_t id : {0, 2, 41, -3})
        EXPECT_EQ(CreateRCsElement(id), nullptr) << id;
}
