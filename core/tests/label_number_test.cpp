// Number labels: placing one with its leader and label XDATA, the answers
// at the label point, the refresh on re-insertion, and the reactor that
// keeps a label and its leader together.
#include "fixtures.h"
#include "core/labels.h"

namespace {
class LabelTest : public JointDrawingTest {
protected:
    void SetUp() override {
        JointDrawingTest::SetUp();
        UseLabelReactor(&reactor);
        made = std::make_unique<TestDuct>();
        duct = made.get();
        SetPoint3d(duct->GetLabel(0)->point, 500, 0, 0);
        duct->SetLabelNumber(12, 0);
        ASSERT_EQ(duct->Insert(15), 0) << host::api::lastError();
    }
    void TearDown() override {
        UseLabelReactor(nullptr);
        JointDrawingTest::TearDown();
    }

    int16_t Place(const char* answer) {
        host::io::setScript(answer);
        return PlaceLabel(duct, 0);
    }

    // The label XDATA's first 1005 (the other entity's handle).
    static std::string OtherHandle(const ads_name e) {
        resbuf* list = StoredXData(e);
        std::string h;
        bool afterText = false;
        for (resbuf* rb = list; rb; rb = rb->rbnext) {
            afterText = afterText || rb->restype == 1000;
            if (afterText && rb->restype == 1005) {
                h = ToNarrowString(rb->resval.rstring);
                break;
            }
        }
        acutRelRb(list);
        return h;
    }

    static void Ends(const ads_name line, ads_point start, ads_point end) {
        resbuf* list = acdbEntGet(line);
        for (resbuf* rb = list; rb; rb = rb->rbnext) {
            if (rb->restype == 10)
                CopyPoint3d(start, rb->resval.rpoint);
            if (rb->restype == 11)
                CopyPoint3d(end, rb->resval.rpoint);
        }
        acutRelRb(list);
    }

    ForwardingReactor reactor;
    std::unique_ptr<TestDuct> made;  // made once the drawing's system is listed
    TestDuct* duct = nullptr;
};

TEST(LabelSize, HalfWidthGrowsWithLongTags) {
    EXPECT_DOUBLE_EQ(LabelHalfWidth(100, "AB"), 180);
    EXPECT_DOUBLE_EQ(LabelHalfWidth(100, "ABCD"), 288);
    EXPECT_DOUBLE_EQ(LabelHalfWidth(100, ""), 180);
}

TEST_F(LabelTest, PlacedLabelAndLeaderNameEachOther) {
    ASSERT_EQ(Place("500,800\n"), 0);
    LLabelNode* node = duct->GetLabel(0);
    ASSERT_TRUE(Live(node->insert));
    ASSERT_TRUE(Live(node->leader));
    EXPECT_EQ(OtherHandle(node->insert), HandleOf(node->leader));
    EXPECT_EQ(OtherHandle(node->leader), HandleOf(node->insert));
    std::vector<int> codes;
    resbuf* xdata = StoredXData(node->insert);
    bool after = false;
    for (resbuf* rb = xdata; rb; rb = rb->rbnext) {
        after = after || rb->restype == -3;
        if (after && rb->restype != -3)
            codes.push_back(rb->restype);
    }
    acutRelRb(xdata);
    EXPECT_EQ(codes, std::vector<int>({1001, 1000, 1002, 1005, 1070, 1040, 1005, 1010, 1002}));
    ads_point start, end;
    Ends(node->leader, start, end);
    EXPECT_DOUBLE_EQ(start[0], 500);  // the anchor
    EXPECT_DOUBLE_EQ(start[1], 0);
    EXPECT_DOUBLE_EQ(end[0], 500);    // on the circle, towards the anchor
    EXPECT_DOUBLE_EQ(end[1], 800 - 180);
    // A second placement replaces the first label.
    ads_name old;
    ads_name_set(node->insert, old);
    ASSERT_EQ(Place("900,900\n"), 0);
    EXPECT_FALSE(Live(old));
}

TEST_F(LabelTest, NearPickGivesZeroLeaderAndUnderlineEnd) {
    record.labelCircle = 0;
    duct->SetSystemRecord(record);
    ASSERT_EQ(Place("500,30\n"), 0);
    ads_point start, end;
    Ends(duct->GetLabel(0)->leader, start, end);
    EXPECT_DOUBLE_EQ(start[0], end[0]);
    EXPECT_DOUBLE_EQ(start[1], end[1]);
    EXPECT_DOUBLE_EQ(end[0], 500 + 180);  // straight above: the right end
    ASSERT_EQ(Place("2000,900\n"), 0);
    Ends(duct->GetLabel(0)->leader, start, end);
    EXPECT_DOUBLE_EQ(end[0], 2000 - 180);  // to the right: the left end
    EXPECT_DOUBLE_EQ(start[0], 500);
}

TEST_F(LabelTest, KeywordsAndCancel) {
    EXPECT_EQ(Place("Next\n"), -2);
    EXPECT_EQ(Place("Select\n"), 200);
    EXPECT_EQ(state->numberingStop, 0);
    EXPECT_EQ(Place("Quit\n"), -2);
    EXPECT_EQ(state->numberingStop, 1);
    EXPECT_EQ(Place(""), -1);
    EXPECT_TRUE(ads_name_nil(duct->GetLabel(0)->insert));
    EXPECT_EQ(PlaceLabel(duct, 3), -1);
}

TEST_F(LabelTest, ErasingTheLabelTakesTheLeaderWhileReactorsAreAttached) {
    ASSERT_EQ(Place("500,800\n"), 0);
    LLabelNode* node = duct->GetLabel(0);
    ASSERT_EQ(acdbEntDel(node->insert), RTNORM);
    EXPECT_FALSE(Live(node->leader));
    ASSERT_EQ(acdbEntDel(node->insert), RTNORM);  // un-erase
    EXPECT_TRUE(Live(node->leader));
    // Erasing the leader alone leaves the label.
    ASSERT_EQ(acdbEntDel(node->leader), RTNORM);
    EXPECT_TRUE(Live(node->insert));
    ASSERT_EQ(acdbEntDel(node->leader), RTNORM);
    // Detached, the label goes alone.
    EXPECT_EQ(DetachLabelReactors(), 0);
    ASSERT_EQ(acdbEntDel(node->insert), RTNORM);
    EXPECT_TRUE(Live(node->leader));
    ASSERT_EQ(acdbEntDel(node->insert), RTNORM);
    EXPECT_EQ(AttachLabelReactors(), 0);
    ASSERT_EQ(acdbEntDel(node->insert), RTNORM);
    EXPECT_FALSE(Live(node->leader));
}

TEST_F(LabelTest, RefreshMovesTheLeaderWithTheElement) {
    ASSERT_EQ(Place("500,800\n"), 0);
    ads_point at = {0, 100, 0};
    duct->SetInsertionPoint(at);
    ASSERT_EQ(duct->Insert(5), 0) << host::api::lastError();
    ads_point start, end;
    Ends(duct->GetLabel(0)->leader, start, end);
    EXPECT_DOUBLE_EQ(start[0], 500);
    EXPECT_DOUBLE_EQ(start[1], 100);
    EXPECT_DOUBLE_EQ(end[1], 800 - 180);  // the label stays; its end is refreshed
}
}  // namespace
