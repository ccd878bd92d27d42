// Fitting, unit and airflow labels, the size texts beside an open end, and
// moving or copying label entities to the label layer.
#include "fixtures.h"
#include "core/labels.h"

namespace {
class FramedLabelTest : public JointDrawingTest {
protected:
    void SetUp() override {
        JointDrawingTest::SetUp();
        made = std::make_unique<TestDuct>();
        duct = made.get();
        duct->SetFlow(450);
        ASSERT_EQ(duct->Insert(15), 0) << host::api::lastError();
    }

    std::unique_ptr<TestDuct> made;
    TestDuct* duct = nullptr;
};

TEST_F(FramedLabelTest, FittingLabelPlacedThenRebuiltInPlace) {
    host::io::setScript("300,400\n");
    ASSERT_EQ(duct->MakeFittingLabel("VL-01", "400x200"), 0);
    ads_name third;
    ads_name_set(duct->GetLabel(0)->third, third);
    ASSERT_TRUE(Live(third));
    std::string block = GroupText(third, 2);
    EXPECT_EQ(GroupText(third, 8), "ZZ-LABEL");
    // Label mode 129 asks nothing and points the same insert at a new block.
    SetGlobalMode(kModeRelabel);
    EXPECT_EQ(duct->MakeFittingLabel("VL-01", "500x200"), 0);
    SetGlobalMode(kModeNormal);
    EXPECT_TRUE(Live(third));
    EXPECT_NE(GroupText(third, 2), block);
    EXPECT_EQ(HandleOf(duct->GetLabel(0)->third), HandleOf(third));
}

TEST_F(FramedLabelTest, UnitLabelNeedsAnInsertToRelabelAndQuitStopsNumbering) {
    SetGlobalMode(kModeRelabel);
    EXPECT_EQ(duct->MakeUnitLabel("a", "b", "c"), 0);
    SetGlobalMode(kModeNormal);
    EXPECT_TRUE(ads_name_nil(duct->GetLabel(0)->third));
    host::io::setScript("Quit\n");
    EXPECT_EQ(duct->MakeUnitLabel("a", "b", "c"), -1);
    EXPECT_EQ(state->numberingStop, 1);
    EXPECT_TRUE(ads_name_nil(duct->GetLabel(0)->third));
    EXPECT_EQ(PlaceFittingLabel(duct, 4, "x", "y"), -1);
}

TEST_F(FramedLabelTest, AirflowLabelWithAndWithoutArrow) {
    duct->GetConnector(0)->flow = 720;
    host::io::setScript("100,100\nRight\n");
    ASSERT_EQ(PlaceDuctLabel(duct), 0);
    ads_name last;
    acdbEntLast(last);
    EXPECT_EQ(GroupText(last, 0), "LEADER");
    host::io::setScript("100,100\nNone\n");
    ASSERT_EQ(PlaceDuctLabel(duct), 0);
    acdbEntLast(last);
    EXPECT_EQ(GroupText(last, 0), "INSERT");
    host::io::setScript("");
    EXPECT_EQ(PlaceDuctLabel(duct), -1);
}

TEST_F(FramedLabelTest, SizeTextsTurnToReadFromBelowOrRight) {
    // The open end faces -x: 180 degrees, inside 20-200, so turned back by 90.
    duct->GetConnector(0)->MakeSizeText();
    ASSERT_EQ(duct->GetMarkCount(), 2);
    EXPECT_NEAR(GroupReal(duct->marks[0], 50), kPi - kHalfPi, 1e-9);
    EXPECT_EQ(GroupText(duct->marks[0], 1), "200");
    EXPECT_EQ(GroupText(duct->marks[1], 1), "100");
    // The far end faces +x (0 degrees): turned on by 90.
    duct->GetConnector(1)->MakeSizeText();
    ASSERT_EQ(duct->GetMarkCount(), 4);
    EXPECT_NEAR(GroupReal(duct->marks[2], 50), kHalfPi, 1e-9);
}

TEST_F(FramedLabelTest, LabelsMovedOrCopiedToTheLabelLayer) {
    ads_name mark;
    ads_name_set(Line().name, mark);
    duct->AddMark(mark);
    std::snprintf(record.labelLayer, sizeof record.labelLayer, "ZZ-NEW");
    duct->SetSystemRecord(record);
    ASSERT_EQ(duct->MoveLabelsToLabelLayer(0), 0);
    EXPECT_EQ(GroupText(mark, 8), "ZZ-NEW");
    std::snprintf(record.labelLayer, sizeof record.labelLayer, "ZZ-THIRD");
    duct->SetSystemRecord(record);
    ads_name before;
    acdbEntLast(before);
    ASSERT_EQ(duct->MoveLabelsToLabelLayer(1), 0);
    EXPECT_EQ(GroupText(mark, 8), "ZZ-THIRD");
    ads_name copy;
    acdbEntLast(copy);
    EXPECT_NE(HandleOf(copy), HandleOf(before));
    EXPECT_EQ(GroupText(copy, 8), "ZZ-NEW");  // the copy keeps the old layer
}
}  // namespace
