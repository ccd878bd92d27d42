// The element XDATA: the flags word, writing and reading back every group
// (each optional group present and absent), old data without the last
// parameter, and damaged data that must leave no element behind.
#include "fixtures.h"
#include "core/element_xdata.h"
#include "io/io.h"

namespace {
TEST(ElementFlags, WordExamples) {
    const struct { int16_t edited, orientation, listing, word; } cases[] = {
        {1, 5, -1, 51}, {0, 2, 1, 24}, {1, 0, 0, 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(EncodeElementFlags(c.edited, c.orientation, c.listing), c.word);
        int16_t edited = 9, orientation = 9, listing = 9;
        DecodeElementFlags(c.word, &edited, &orientation, &listing);
        EXPECT_EQ(edited, c.edited) << c.word;
        EXPECT_EQ(orientation, c.orientation) << c.word;
        EXPECT_EQ(listing, c.listing) << c.word;
    }
}

TEST(ElementFlags, LabelTextHeight) {
    EXPECT_DOUBLE_EQ(LabelTextHeight(100, "AB"), 180);
    EXPECT_DOUBLE_EQ(LabelTextHeight(100, "ABCD"), 180 * 1.6);
}

// A flexible path: kind 4, one default segment when made, and a log of the
// segments it was given.
class TestPath : public TestDuct {
public:
    TestPath(uint16_t f, uint16_t s) : TestDuct(f, s) {
        kind = kKindPath;
        ads_point v = {1, 1, 0};
        AddPathSegment(v, 9.0);
    }
    ~TestPath() override {
        while (RemoveLastSegment() == 0)
            continue;
    }
    LPathNode* GetPath() override { return nodes.empty() ? nullptr : nodes[0]; }
    int16_t AddPathSegment(const ads_point offset, double a) override {
        LPathNode* node = new LPathNode;
        CopyPoint3d(node->offset, offset);
        node->angle = a;
        if (!nodes.empty())
            nodes.back()->next = node;
        nodes.push_back(node);
        return 0;
    }
    int16_t RemoveLastSegment() override {
        if (nodes.empty())
            return -1;
        delete nodes.back();
        nodes.pop_back();
        if (!nodes.empty())
            nodes.back()->next = nullptr;
        return 0;
    }
    std::vector<LPathNode*> nodes;
};

LObject* MakeTestPath(int16_t family, uint16_t subtype) { return new TestPath(family, subtype); }

// An attached child: kind 1 writes the attach groups.
LObject* MakeTestChild(int16_t family, uint16_t subtype) {
    TestDuct* e = new TestDuct(family, subtype);
    e->kind = 1;
    return e;
}

class XDataTest : public JointDrawingTest {
protected:
    void InsertDuct(TestDuct& e) {
        ASSERT_EQ(e.Insert(3), 0) << host::api::lastError();
        ASSERT_FALSE(ads_name_nil(e.entity));
    }

    // Replaces the insert's XDATA with the list (taken over).
    static void Store(const ads_name insert, resbuf* xdata) {
        resbuf* list = StoredXData(insert);
        resbuf* marker = list;
        while (marker && marker->restype != -3)
            marker = marker->rbnext;
        ASSERT_NE(marker, nullptr);
        acutRelRb(marker->rbnext);
        marker->rbnext = xdata;
        ASSERT_EQ(acdbEntMod(list), RTNORM) << host::api::lastError();
        acutRelRb(list);
    }

    static std::vector<resbuf*> Groups(resbuf* list) {
        std::vector<resbuf*> all;
        for (resbuf* rb = list; rb; rb = rb->rbnext)
            all.push_back(rb);
        return all;
    }

    // The element's XDATA without the groups at the positions given.
    static resbuf* Without(LObject& e, std::vector<size_t> gone) {
        std::vector<resbuf*> all = Groups(e.WriteXData());
        resbuf* head = nullptr;
        resbuf** end = &head;
        for (size_t k = 0; k < all.size(); ++k) {
            all[k]->rbnext = nullptr;
            if (std::count(gone.begin(), gone.end(), k)) {
                acutRelRb(all[k]);
            } else {
                *end = all[k];
                end = &all[k]->rbnext;
            }
        }
        return head;
    }

    static ElementPtr Reload(const ads_name insert) { return Owned(LoadElementFromEntity(insert)); }
};

// Positions in a TestDuct's XDATA.
constexpr size_t kUserText = 2, kAirflow = 5, kFlags = 6, kFirstHandle = 8, kLastParam = 16,
                 kLabelOpen = 17;

TEST_F(XDataTest, EveryGroupInItsPlaceRoundTrips) {
    TestDuct e(1, 1);
    SetElementUserText(&e, "megjegyzés");
    e.SetFlow(750);
    e.orientation = 2;
    e.edited = 1;
    e.listingFlag = -1;
    e.GetConnector(0)->flow = 750;
    double sizes[3] = {500, 250, 1250};
    e.SetParams(sizes);
    e.SetLabelNumber(7, 0);
    e.ResizeLabelList(2, 0);
    e.SetLabelNumber(8, 1);
    // The labels name their element by its handle, so it is in the drawing
    // first.  Label entities, then lines standing in for marks and a
    // dimension.
    InsertDuct(e);
    TestEntity lines[6];
    lines[0] = Label(e.HandleText(), "0");
    lines[1] = Leader(lines[0].handle, e.HandleText());
    lines[2] = FramedLabel();
    for (int k = 3; k < 6; ++k)
        lines[k] = Line("0", k);
    ads_name_set(lines[0].name, e.GetLabel(0)->insert);
    ads_name_set(lines[1].name, e.GetLabel(0)->leader);
    ads_name_set(lines[2].name, e.GetLabel(1)->third);
    e.AddMark(lines[3].name);
    e.AddMark(lines[4].name);
    e.AddDimension(lines[5].name);
    std::vector<int> codes;
    resbuf* list = e.WriteXData();
    for (resbuf* rb : Groups(list))
        codes.push_back(rb->restype);
    acutRelRb(list);
    const std::vector<int> expected = {
        1001, 1000, 1000, 1070, 1070, 1040, 1070, 1070,  // head
        1005, 1070, 1040, 1005, 1070, 1040,              // two connectors
        1040, 1040, 1040,                                // three parameters
        1002, 1070, 1005, 1005, 1005, 1000, 1070, 1005, 1005, 1005, 1000,  // two labels
        1005, 1005, 1002, 1002, 1005, 1002};             // two marks, a dimension
    EXPECT_EQ(codes, expected);
    InsertDuct(e);
    ElementPtr back = Reload(e.entity);
    ASSERT_TRUE(back);
    EXPECT_STREQ(back->userText, "megjegyzés");
    EXPECT_EQ(back->GetFlow(), 750);
    EXPECT_EQ(back->orientation, 2);
    EXPECT_EQ(back->edited, 1);
    EXPECT_EQ(back->listingFlag, -1);
    EXPECT_STREQ(back->HandleText(), e.HandleText());
    EXPECT_STREQ(back->System().tag, "ZZ");
    EXPECT_EQ(static_cast<TestDuct*>(back.get())->values, std::vector<double>({500, 250, 1250}));
    EXPECT_EQ(back->GetConnector(0)->flow, 750);
    // Free connectors come back free, on the shared null handle.
    EXPECT_EQ(back->GetConnector(0)->neighbourHandle, NullHandleText);
    EXPECT_EQ(back->GetConnector(1)->neighbourIndex, -1);
    EXPECT_EQ(back->labelCount, 2);
    EXPECT_EQ(back->GetLabelNumber(0), 7);
    EXPECT_EQ(back->GetLabelNumber(1), 8);
    EXPECT_EQ(HandleOf(back->GetLabel(0)->insert), lines[0].handle);
    EXPECT_EQ(HandleOf(back->GetLabel(0)->leader), lines[1].handle);
    EXPECT_TRUE(ads_name_nil(back->GetLabel(0)->third));
    EXPECT_EQ(HandleOf(back->GetLabel(1)->third), lines[2].handle);
    ASSERT_EQ(back->GetMarkCount(), 2);
    EXPECT_EQ(HandleOf(back->marks[1]), lines[4].handle);
    ASSERT_EQ(back->GetDimensionCount(), 1);
    EXPECT_EQ(HandleOf(back->dimensions[0]), lines[5].handle);
}

// Family 1 subtype 1 of these tests stores the drawing's piece length as its
// last value.
LObject* MakePieceStoringDuct(int16_t family, uint16_t subtype) {
    static LTypeDescriptor row;
    row.flags = kTypeStoresPieceLength;
    row.pieceShape = kShapeRect;
    return new TestDuct(family, subtype, family == 1 && subtype == 1 ? &row : nullptr);
}

TEST_F(XDataTest, OptionalGroupsMayBeAbsentAndTheLastParameterOnlyForStraightDucts) {
    SetElementMaker(MakePieceStoringDuct);
    TestDuct e(1, 1);
    SetElementUserText(&e, "x");
    e.SetFlow(300);
    InsertDuct(e);
    state->defaults.rectPieceLength = 1250;
    Store(e.entity, Without(e, {kUserText, kAirflow}));
    ElementPtr back = Reload(e.entity);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->userText, nullptr);
    EXPECT_EQ(back->GetFlow(), 0.0);
    // Old data without the last parameter: a straight duct takes the
    // standard piece length.
    Store(e.entity, Without(e, {kLastParam}));
    back = Reload(e.entity);
    ASSERT_TRUE(back);
    EXPECT_EQ(static_cast<TestDuct*>(back.get())->Length(), 1250);
    // Without the dimension groups.
    std::vector<resbuf*> all = Groups(e.WriteXData());
    size_t n = all.size();
    acutRelRb(all[0]);
    Store(e.entity, Without(e, {n - 2, n - 1}));
    back = Reload(e.entity);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->GetDimensionCount(), 0);
    // Other types need their last parameter.
    TestDuct other(3, 1);
    InsertDuct(other);
    Store(other.entity, Without(other, {kLastParam}));
    EXPECT_FALSE(Reload(other.entity));
}

TEST_F(XDataTest, DataEndingEarlyIsRefused) {
    TestDuct e(1, 1);
    e.ResizeLabelList(2, 0);
    std::vector<resbuf*> all = Groups(e.WriteXData());
    size_t n = all.size();
    size_t labelClose = n - 3;  // no marks, no dimensions: "}" "{" "}"
    ASSERT_EQ(all[labelClose]->restype, 1002);
    acutRelRb(all[0]);
    // Cut anywhere after the subtype and before the closing "}" of the
    // label groups, the list is unreadable.
    for (size_t keep = kAirflow; keep < labelClose; ++keep) {
        std::vector<resbuf*> groups = Groups(e.WriteXData());
        acutRelRb(groups[keep]);
        groups[keep - 1]->rbnext = nullptr;
        TestDuct fresh(1, 1);
        EXPECT_EQ(fresh.ReadXData(groups[4]), -1) << "kept " << keep << " of " << n;
        acutRelRb(groups[0]);
    }
    std::vector<resbuf*> groups = Groups(e.WriteXData());
    acutRelRb(groups[labelClose + 1]);
    groups[labelClose]->rbnext = nullptr;
    TestDuct fresh(1, 1);
    EXPECT_EQ(fresh.ReadXData(groups[4]), 0);
    acutRelRb(groups[0]);
}

TEST_F(XDataTest, WrongGroupTypeGivesNoElement) {
    TestDuct e(1, 1);
    InsertDuct(e);
    for (size_t position : {kFlags, kFirstHandle, kFirstHandle + 1, kLastParam - 1}) {
        resbuf* list = e.WriteXData();
        std::vector<resbuf*> groups = Groups(list);
        // A long where another type belongs.
        resbuf* wrong = acutBuildList(1071, 5L, 0);
        wrong->rbnext = groups[position]->rbnext;
        groups[position - 1]->rbnext = wrong;
        groups[position]->rbnext = nullptr;
        acutRelRb(groups[position]);
        Store(e.entity, list);
        EXPECT_FALSE(Reload(e.entity)) << position;
    }
    // A label node without its three handles.
    Store(e.entity, Without(e, {kLabelOpen + 2, kLabelOpen + 3, kLabelOpen + 4}));
    EXPECT_FALSE(Reload(e.entity));
    // The same insert reads again once its data is whole.
    ASSERT_EQ(e.Insert(1), 0);
    EXPECT_TRUE(Reload(e.entity));
}

TEST_F(XDataTest, ErasedNeighbourReadsFree) {
    TestDuct a, b;
    InsertDuct(a);
    InsertDuct(b);
    a.Connect(&b, 1, 0);
    ASSERT_EQ(a.Insert(1), 0);
    ElementPtr back = Reload(a.entity);
    ASSERT_TRUE(back);
    EXPECT_FALSE(back->GetConnector(1)->IsFree());
    ASSERT_EQ(acdbEntDel(b.entity), RTNORM);
    back = Reload(a.entity);
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->GetConnector(1)->IsFree());
    EXPECT_EQ(back->GetConnector(1)->neighbourHandle, NullHandleText);
    EXPECT_EQ(back->GetConnector(1)->neighbourIndex, -1);
    EXPECT_TRUE(ads_name_nil(back->GetConnector(1)->neighbourEntity));
}

TEST_F(XDataTest, SixteenMarksAtMost) {
    TestDuct a;
    InsertDuct(a);
    resbuf* list = a.WriteXData();
    std::vector<resbuf*> groups = Groups(list);
    // Before the closing "}" of the label groups: twenty marks, one empty.
    resbuf* beforeClose = groups[groups.size() - 4];
    for (int k = 0; k < 20; ++k) {
        std::string h = k == 5 ? "" : Line("0", k).handle;
        resbuf* g = acutBuildList(1005, ToWide(h.c_str()).c_str(), 0);
        g->rbnext = beforeClose->rbnext;
        beforeClose->rbnext = g;
    }
    Store(a.entity, list);
    ElementPtr back = Reload(a.entity);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->GetMarkCount(), 16);
}

TEST_F(XDataTest, UnknownSystemCannotBeRebuilt) {
    TestDuct e;
    LSystemRecord other = Record("QQ");
    e.SetSystemRecord(other);
    InsertDuct(e);
    EXPECT_FALSE(Reload(e.entity));
}

TEST_F(XDataTest, AttachGroupsWithAndWithoutOptionalParts) {
    SetElementMaker(MakeTestChild);
    TestDuct parent;
    InsertDuct(parent);
    ElementPtr child = Owned(MakeTestChild(1, 1));
    TestDuct& e = *static_cast<TestDuct*>(child.get());
    e.attachPosition = 4;
    e.SetFlow(120);
    ads_name_set(parent.entity, e.parentEntity);
    InsertDuct(e);
    ElementPtr back = Reload(e.entity);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->attachPosition, 4);
    EXPECT_EQ(back->GetFlow(), 120);
    EXPECT_EQ(HandleOf(back->parentEntity), parent.HandleText());
    // Attach position alone: the airflow and the parent are optional.
    Store(e.entity, Without(e, {kLastParam + 2, kLastParam + 3}));
    back = Reload(e.entity);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->attachPosition, 4);
    EXPECT_TRUE(ads_name_nil(back->parentEntity));
    // Without the attach position the data is refused.
    Store(e.entity, Without(e, {kLastParam + 1, kLastParam + 2, kLastParam + 3}));
    EXPECT_FALSE(Reload(e.entity));
}

TEST_F(XDataTest, PathRebuiltExactly) {
    SetElementMaker(MakeTestPath);
    TestPath e(2, 2);
    ads_point v1 = {100, 0, 0}, v2 = {0, 50, 0};
    e.AddPathSegment(v1, 0.5);
    e.AddPathSegment(v2, 1.5);
    InsertDuct(e);
    ElementPtr back = Reload(e.entity);
    ASSERT_TRUE(back);
    // The stored three segments, not the default one added to them.
    std::vector<double> angles;
    for (LPathNode* node = back->GetPath(); node; node = node->next)
        angles.push_back(node->angle);
    EXPECT_EQ(angles, std::vector<double>({9.0, 0.5, 1.5}));
    EXPECT_EQ(back->GetPath()->next->offset[0], 100);
}
}  // namespace

// Label numbers live in 16-bit groups: past their range they are kept at the
// nearest end, with a message, instead of wrapping around.
TEST_F(XDataTest, LabelNumbersBeyondSixteenBitsSaturateWithAMessage) {
    const struct { int32_t number, stored; bool told; } cases[] = {
        {32767, 32767, false}, {-32768, -32768, false}, {40000, 32767, true}, {100002, 32767, true},
        {-70000, -32768, true}};
    for (const auto& c : cases) {
        TestDuct e;
        e.SetLabelNumber(c.number, 0);
        InsertDuct(e);
        host::io::captureTranscript();
        Store(e.entity, e.WriteXData());
        std::string said = host::io::takeTranscript();
        host::io::setTranscript(nullptr);
        EXPECT_EQ(said.find("label number " + std::to_string(c.number)) != std::string::npos, c.told) << said;
        ElementPtr back = Reload(e.entity);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->GetLabelNumber(0), c.stored) << c.number;
    }
}
