// Labels: a number label placed with its leader and label XDATA, the
// answers at the label point, the refresh on re-insertion and the reactor
// that keeps label and leader together; fitting, unit and airflow labels,
// the size texts beside an open end, and moving or copying label entities
// to the label layer.
#include "fixtures.h"
#include "core/labels.h"
#include "core/xdata_list.h"
#include "db/database.h"

namespace {
// A duct with label number 12 anchored at (500, 0), in the drawing.
class LabelTest : public JointDrawingTest {
protected:
    void SetUp() override {
        JointDrawingTest::SetUp();
        UseLabelReactor(&reactor);
        made = std::make_unique<TestDuct>();
        duct = made.get();
        SetPoint3d(duct->GetLabel(0)->point, 500, 0, 0);
        duct->SetLabelNumber(12, 0);
        duct->SetFlow(450);
        ASSERT_EQ(duct->Insert(15), 0) << host::api::lastError();
    }
    void TearDown() override {
        UseLabelReactor(nullptr);
        JointDrawingTest::TearDown();
    }

    // The fixture's system, changed, becomes the listed one the duct takes.
    void GiveChangedRecord() {
        char tag[sizeof record.tag];
        std::snprintf(tag, sizeof tag, "%s", record.tag);
        LSystemNode* node = FindSystem(state->systemList, tag);
        ASSERT_NE(node, nullptr);
        node->record = record;
        EXPECT_EQ(duct->SetSystemRecord(record), 0);
    }

    int16_t Place(const char* answer) {
        host::io::setScript(answer);
        return PlaceLabel(duct, 0);
    }

    // The label XDATA's first handle after its text: the other entity's.
    static std::string OtherHandle(const ads_name e) {
        resbuf* list = StoredXData(e);
        const resbuf* h = Group(list, 1000) ? Group(Group(list, 1000), 1005) : nullptr;
        std::string handle = h ? ToNarrowString(h->resval.rstring) : "";
        acutRelRb(list);
        return handle;
    }

    static void Ends(const ads_name line, ads_point start, ads_point end) {
        resbuf* list = acdbEntGet(line);
        CopyPoint3d(start, Group(list, 10)->resval.rpoint);
        CopyPoint3d(end, Group(list, 11)->resval.rpoint);
        acutRelRb(list);
    }

    ForwardingReactor reactor;
    std::unique_ptr<TestDuct> made;  // made once the drawing's system is listed
    TestDuct* duct = nullptr;
};

// The handle of the BLOCK entity that opens the named block ("" when none).
std::string BlockBeginHandle(const std::string& name) {
    host::db::Database* db = host::api::currentDatabase();
    const host::db::Block* block = db ? db->block(db->findRecord(host::db::Table::BlockRecord, name)) : nullptr;
    const host::db::Object* begin = block ? db->object(block->begin) : nullptr;
    return begin ? host::db::handleText(begin->handle) : "";
}

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
    for (const resbuf* rb = Group(xdata, -3)->rbnext; rb; rb = rb->rbnext)
        codes.push_back(rb->restype);
    acutRelRb(xdata);
    EXPECT_EQ(codes, std::vector<int>({1001, 1000, 1002, 1005, 1070, 1040, 1005, 1010, 1002}));
    ads_point start, end;
    Ends(node->leader, start, end);
    ExpectXY(start, 500, 0);     // the anchor
    ExpectXY(end, 500, 800 - 180);  // on the circle, towards the anchor
    // A second placement replaces the first label.
    ads_name old;
    ads_name_set(node->insert, old);
    ASSERT_EQ(Place("900,900\n"), 0);
    EXPECT_FALSE(Live(old));
}

TEST_F(LabelTest, NearPickGivesZeroLeaderAndUnderlineEnd) {
    record.labelCircle = 0;
    GiveChangedRecord();
    ASSERT_EQ(Place("500,30\n"), 0);
    ads_point start, end;
    Ends(duct->GetLabel(0)->leader, start, end);
    ExpectXY(start, end[0], end[1]);
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
    ExpectXY(start, 500, 100);
    EXPECT_DOUBLE_EQ(end[1], 800 - 180);  // the label stays; its end is refreshed
}

TEST_F(LabelTest, FittingLabelPlacedThenRebuiltInPlace) {
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

TEST_F(LabelTest, StoredHandlesThatNameNoLabelReadAsNone) {
    ASSERT_EQ(Place("500,800\n"), 0);
    host::io::setScript("300,400\n");
    ASSERT_EQ(duct->MakeFittingLabel("VL-01", "400x200"), 0);
    ASSERT_EQ(duct->Insert(1), 0);
    ElementPtr back = Owned(LoadElementFromEntity(duct->entity));
    ASSERT_TRUE(back);
    const LLabelNode* read = back->GetLabel(0);
    EXPECT_EQ(HandleOf(read->insert), HandleOf(duct->GetLabel(0)->insert));
    EXPECT_EQ(HandleOf(read->leader), HandleOf(duct->GetLabel(0)->leader));
    EXPECT_EQ(HandleOf(read->third), HandleOf(duct->GetLabel(0)->third));
    // Damaged data: the number label names another element's BLOCK, the
    // leader and the framed label name that element's insert.
    TestDuct other;
    ads_point away = {0, 3000, 0};
    other.SetInsertionPoint(away);
    ASSERT_EQ(other.Insert(15), 0);
    std::string block = GroupText(other.entity, 2);
    ads_name begin;
    ASSERT_TRUE(ByHandle(BlockBeginHandle(block), begin));
    LLabelNode* node = duct->GetLabel(0);
    ads_name_set(begin, node->insert);
    ads_name_set(other.entity, node->leader);
    ads_name_set(other.entity, node->third);
    ASSERT_EQ(duct->Insert(1), 0);
    back = Owned(LoadElementFromEntity(duct->entity));
    ASSERT_TRUE(back);
    read = back->GetLabel(0);
    EXPECT_TRUE(ads_name_nil(read->insert));
    EXPECT_TRUE(ads_name_nil(read->leader));
    EXPECT_TRUE(ads_name_nil(read->third));
    // Written with its labels refreshed, it leaves the other element and
    // its block as they were.
    EXPECT_EQ(back->Insert(15), 0);
    EXPECT_EQ(GroupText(begin, 2), block);
    EXPECT_EQ(GroupText(other.entity, 2), block);
    resbuf* list = acdbEntGet(other.entity);
    ASSERT_NE(Group(list, 10), nullptr);
    EXPECT_DOUBLE_EQ(Group(list, 10)->resval.rpoint[1], 3000);
    acutRelRb(list);
}

// Damaged data naming another element's number label and leader: the
// element acts on neither (its refresh would rename the other's label and
// move its leader, placing its label anew would erase them), while a copy,
// which reads its source's labels to follow them to their copies, takes them.
TEST_F(LabelTest, LabelsOfAnotherElementReadAsNoneSaveForACopy) {
    TestDuct other;
    ads_point away = {0, 3000, 0};
    other.SetInsertionPoint(away);
    SetPoint3d(other.GetLabel(0)->point, 0, 3000, 0);
    other.SetLabelNumber(5, 0);
    ASSERT_EQ(other.Insert(15), 0);
    host::io::setScript("300,3500\n");
    ASSERT_EQ(PlaceLabel(&other, 0), 0);
    ASSERT_EQ(other.Insert(1), 0);
    const LLabelNode* theirs = other.GetLabel(0);
    std::string block = GroupText(theirs->insert, 2);
    ads_point start, end;
    Ends(theirs->leader, start, end);

    LLabelNode* node = duct->GetLabel(0);
    ads_name_set(theirs->insert, node->insert);
    ads_name_set(theirs->leader, node->leader);
    ASSERT_EQ(duct->Insert(1), 0);
    ElementPtr back = Owned(LoadElementFromEntity(duct->entity));
    ASSERT_TRUE(back);
    EXPECT_TRUE(ads_name_nil(back->GetLabel(0)->insert));
    EXPECT_TRUE(ads_name_nil(back->GetLabel(0)->leader));
    ElementPtr copy = Owned(LoadElementFromEntity(duct->entity, LabelOwner::kAnyElement));
    ASSERT_TRUE(copy);
    EXPECT_EQ(HandleOf(copy->GetLabel(0)->insert), HandleOf(theirs->insert));
    EXPECT_EQ(back->Insert(15), 0);
    EXPECT_EQ(GroupText(theirs->insert, 2), block);
    ads_point start2, end2;
    Ends(theirs->leader, start2, end2);
    EXPECT_DOUBLE_EQ(start2[0], start[0]);
    EXPECT_DOUBLE_EQ(start2[1], start[1]);

    ElementPtr mine = Owned(LoadElementFromEntity(other.entity));
    ASSERT_TRUE(mine);
    EXPECT_EQ(HandleOf(mine->GetLabel(0)->insert), HandleOf(theirs->insert));
    EXPECT_EQ(HandleOf(mine->GetLabel(0)->leader), HandleOf(theirs->leader));
}

// A framed label carries no data of its own: the element that names it owns
// it, unless it is no framed label (a user's block, a number label) or
// another element names it too.  Such a handle is read as none, so that
// placing the label anew erases nothing and a refresh renames nothing; a
// copy, which reads its source's labels, still takes a framed label.
TEST_F(LabelTest, AFramedLabelCountsOnlyWhenNoOtherElementNamesIt) {
    host::io::setScript("300,400\n");
    ASSERT_EQ(duct->MakeFittingLabel("VL-01", "400x200"), 0);
    ads_name own;
    ads_name_set(duct->GetLabel(0)->third, own);
    TestDuct other;
    ads_point away = {0, 3000, 0};
    other.SetInsertionPoint(away);
    SetPoint3d(other.GetLabel(0)->point, 0, 3000, 0);
    ASSERT_EQ(other.Insert(15), 0);
    host::io::setScript("300,3500\n300,3400\n");
    ASSERT_EQ(PlaceLabel(&other, 0), 0);
    ASSERT_EQ(other.MakeFittingLabel("VL-02", "500x200"), 0);
    ASSERT_EQ(other.Insert(1), 0);
    ads_name theirs, number;
    ads_name_set(other.GetLabel(0)->third, theirs);
    ads_name_set(other.GetLabel(0)->insert, number);
    const std::string theirBlock = GroupText(theirs, 2);
    EnsureBlock("DOOR");
    ads_point at = {900, 900, 0};
    resbuf* list = acutBuildList(RTDXF0, L"INSERT", 2, L"DOOR", 8, L"0", 10, at, 0);
    ASSERT_EQ(acdbEntMake(list), RTNORM);
    acutRelRb(list);
    TestEntity door = Last();

    const struct {
        const long* named;
        bool taken, takenByACopy;
    } cases[] = {{own, true, true}, {door.name, false, false}, {number, false, false}, {theirs, false, true}};
    for (const auto& c : cases) {
        ads_name_set(c.named, duct->GetLabel(0)->third);
        ASSERT_EQ(duct->Insert(1), 0);
        ElementPtr back = Owned(LoadElementFromEntity(duct->entity));
        ElementPtr copy = Owned(LoadElementFromEntity(duct->entity, LabelOwner::kAnyElement));
        ASSERT_TRUE(back && copy);
        EXPECT_EQ(HandleOf(back->GetLabel(0)->third), c.taken ? HandleOf(c.named) : "") << HandleOf(c.named);
        EXPECT_EQ(HandleOf(copy->GetLabel(0)->third), c.takenByACopy ? HandleOf(c.named) : "") << HandleOf(c.named);
        if (c.taken)
            continue;
        // Refreshed and placed anew, the label leaves the named entity be.
        SetGlobalMode(kModeRelabel);
        EXPECT_EQ(back->MakeFittingLabel("VL-01", "400x200"), 0);
        SetGlobalMode(kModeNormal);
        host::io::setScript("300,600\n");
        EXPECT_EQ(back->MakeFittingLabel("VL-01", "400x200"), 0);
        EXPECT_TRUE(Live(c.named)) << HandleOf(c.named);
    }
    EXPECT_EQ(GroupText(door.name, 2), "DOOR");
    EXPECT_EQ(GroupText(theirs, 2), theirBlock);

    // Named by them in lower case with a leading zero, it is still theirs.
    std::string h = HandleOf(theirs);
    resbuf* data = acdbEntGetX(other.entity, ElementAppFilter());
    for (resbuf* rb = data; rb; rb = rb->rbnext)
        if (rb->restype == 1005 && GroupText(rb) == h) {
            std::string other = "0" + h;
            for (char& ch : other)
                ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
            resbuf* fresh = acutBuildList(1005, ToWide(other.c_str()).c_str(), 0);
            std::swap(rb->resval.rstring, fresh->resval.rstring);
            acutRelRb(fresh);
        }
    ASSERT_EQ(acdbEntMod(data), RTNORM);
    acutRelRb(data);
    ElementPtr back = Owned(LoadElementFromEntity(duct->entity));
    ASSERT_TRUE(back);
    EXPECT_TRUE(ads_name_nil(back->GetLabel(0)->third));
}

TEST_F(LabelTest, UnitLabelNeedsAnInsertToRelabelAndQuitStopsNumbering) {
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

TEST_F(LabelTest, AirflowLabelWithAndWithoutArrow) {
    duct->GetConnector(0)->flow = 720;
    host::io::setScript("100,100\nRight\n");
    ASSERT_EQ(PlaceDuctLabel(duct), 0);
    EXPECT_EQ(GroupText(Last().name, 0), "LEADER");
    host::io::setScript("100,100\nNone\n");
    ASSERT_EQ(PlaceDuctLabel(duct), 0);
    EXPECT_EQ(GroupText(Last().name, 0), "INSERT");
    host::io::setScript("");
    EXPECT_EQ(PlaceDuctLabel(duct), -1);
}

TEST_F(LabelTest, SizeTextsTurnToReadFromBelowOrRight) {
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

TEST_F(LabelTest, LabelsMovedOrCopiedToTheLabelLayer) {
    TestEntity mark = Line();
    duct->AddMark(mark.name);
    std::snprintf(record.labelLayer, sizeof record.labelLayer, "ZZ-NEW");
    GiveChangedRecord();
    ASSERT_EQ(duct->MoveLabelsToLabelLayer(0), 0);
    EXPECT_EQ(GroupText(mark.name, 8), "ZZ-NEW");
    std::snprintf(record.labelLayer, sizeof record.labelLayer, "ZZ-THIRD");
    GiveChangedRecord();
    std::string before = Last().handle;
    ASSERT_EQ(duct->MoveLabelsToLabelLayer(1), 0);
    EXPECT_EQ(GroupText(mark.name, 8), "ZZ-THIRD");
    TestEntity copy = Last();
    EXPECT_NE(copy.handle, before);
    EXPECT_EQ(GroupText(copy.name, 8), "ZZ-NEW");  // the copy keeps the old layer
}
}  // namespace
