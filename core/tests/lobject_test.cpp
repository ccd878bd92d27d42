// The element base: construction, owned texts, bounded lists, moving,
// and the chain of label nodes.
#include "fixtures.h"
#include "core/insert_defaults.h"

TEST(LObject, NewElementTakesTheInsertScaleAndBoundsItsConnectors) {
    SetCurrentInsertScale(AcGeScale3d(2.0, 3.0, 1.0));
    TestElement e(1, 1, 2, 3);
    SetCurrentInsertScale(AcGeScale3d(1.0));
    EXPECT_EQ(e.labelCount, 1);
    EXPECT_EQ(e.HandleText(), NullHandleText);
    EXPECT_EQ(e.scale.sx, 2.0);
    EXPECT_EQ(e.scale.sy, 3.0);
    ASSERT_NE(e.GetConnector(1), nullptr);
    EXPECT_EQ(e.GetConnector(2), nullptr);
    EXPECT_EQ(e.GetConnector(-1), nullptr);
    TestElement bare(16, 1, 0, 0);
    EXPECT_EQ(bare.GetConnector(0), nullptr);
    EXPECT_EQ(bare.SetParamIsText(0), -1);
    EXPECT_EQ(bare.GetParamText(0), "");
}

// The two ends of a piece in a run face opposite ways; a round end has no
// second size, and an element with fewer than two connectors is left alone.
TEST(LObject, RunEndsFaceBothWaysAndBindTheirSizes) {
    for (bool round : {false, true}) {
        TestElement e(1, 1, 3, 4);
        e.SetRunEnds(round, 2, 3);
        for (int16_t i = 0; i < 2; ++i) {
            const LConnector* c = e.GetConnector(i);
            EXPECT_EQ(c->side, i == 0 ? 2 : 5) << round;
            EXPECT_EQ(c->shape, round ? kShapeRound : kShapeRect) << round;
            EXPECT_EQ(c->paramA, 2) << round;
            EXPECT_EQ(c->paramB, round ? -1 : 3) << round;
        }
        EXPECT_EQ(e.GetConnector(2)->side, 0) << "a third connector is not an end";
    }
    TestElement one(1, 1, 1, 1);
    one.SetRunEnds(true, 0, 1);
    EXPECT_EQ(one.GetConnector(0)->side, 0);
    TestElement none(1, 1, 0, 0);
    none.SetRunEnds(false, 0, 1);
}

TEST(LObject, HandleAndUserTextAreOwnedCopies) {
    TestElement* e = new TestElement(1, 1, 1, 1);
    char text[] = "1A2";
    SetElementHandle(e, text);
    text[0] = 'X';
    char out[8];
    e->GetHandle(out, sizeof out);
    EXPECT_STREQ(out, "1A2");
    char tiny[2];
    e->GetHandle(tiny, sizeof tiny);
    EXPECT_STREQ(tiny, "1");
    SetElementHandle(e, "0");
    EXPECT_EQ(e->HandleText(), NullHandleText);
    SetElementUserText(e, "remark");
    EXPECT_STREQ(e->userText, "remark");
    e->GetConnector(0)->neighbourHandle = CopyHandleText("2B");
    DestroyElement(e);  // frees handle, user text and the neighbour handle
}

TEST(LObject, ParameterTexts) {
    TestElement e(4, 1, 0, 3);
    EXPECT_EQ(e.SetParamIsText(2), 0);
    EXPECT_EQ(e.ParamIsText(2), 1);
    EXPECT_EQ(e.ParamIsText(1), 0);
    EXPECT_EQ(e.SetParamIsText(3), -1);
    EXPECT_EQ(e.SetParamText(2, "Fűtés ő"), 0);
    EXPECT_EQ(e.GetParamText(2), "Fűtés ő");
    EXPECT_EQ(e.SetParamText(3, "x"), -1);
    EXPECT_EQ(e.SetParamText(-1, "x"), -1);
    EXPECT_EQ(e.GetParamText(3), "");
    EXPECT_EQ(e.GetParamText(0), "");
}

TEST(LObject, AttachMasksAndOffsetsAreBounded) {
    TestElement e(1, 1, 0, 0);
    e.SetAttachMasks(1, 2, 0, 4, 8, 16);
    e.SetAttachOffsets(1, 2, 3, 4, 5, 6);
    EXPECT_EQ(e.GetAttachMask(4), 8);
    EXPECT_EQ(e.GetAttachMask(6), 0);
    EXPECT_EQ(e.GetAttachMask(-1), 0);
    EXPECT_EQ(e.GetAttachOffset(5), 6.0);
    EXPECT_EQ(e.GetAttachOffset(6), 0.0);
}

TEST(LObject, MoveByForgetsEntities) {
    TestElement e(1, 1, 0, 0);
    e.entity[0] = 5;
    e.firstLabel.insert[0] = 7;
    ads_name mark = {3, 4};
    e.AddMark(mark);
    e.AddDimension(mark);
    ads_point v = {1, 2, 3};
    e.MoveBy(v, 0);
    EXPECT_TRUE(ads_name_nil(e.entity));
    EXPECT_EQ(e.GetMarkCount(), 1);
    EXPECT_EQ(e.firstLabel.insert[0], 7);
    e.MoveBy(v, 1);
    EXPECT_EQ(e.insertionPoint[2], 6.0);
    EXPECT_EQ(e.GetMarkCount(), 0);
    EXPECT_EQ(e.GetDimensionCount(), 0);
    EXPECT_TRUE(ads_name_nil(e.firstLabel.insert));
}

TEST(LObject, MarkAndDimensionListsNeverOverrun) {
    TestElement e(1, 1, 0, 0);
    for (long i = 1; i <= 16; ++i) {
        ads_name mark = {i, i};
        e.AddMark(mark);
    }
    EXPECT_EQ(e.GetMarkCount(), kMaxMarks);
    EXPECT_EQ(e.marks[14][0], 15);
    for (long i = 1; i <= 130; ++i) {
        ads_name dim = {i, 0};
        e.AddDimension(dim);
    }
    EXPECT_EQ(e.GetDimensionCount(), kMaxDimensions);
    e.markCount = 200;  // a corrupt count from outside
    ads_name more = {1, 1};
    e.AddMark(more);
    EXPECT_EQ(e.markCount, 200);
}

// Numbers the labels 1, 2, ... so that a test can follow them.
static void NumberLabels(LObject& e) {
    int n = 1;
    for (LLabelNode* node = &e.firstLabel; node; node = node->next)
        node->number = n++;
}

static std::vector<int> Numbers(LObject& e) {
    std::vector<int> out;
    for (LLabelNode* node = &e.firstLabel; node; node = node->next)
        out.push_back(node->number);
    return out;
}

TEST(LabelChain, GrowingInsertsBeforeTheLast) {
    TestElement e(1, 1, 0, 0);
    e.ResizeLabelList(2, 1);
    NumberLabels(e);
    e.firstLabel.next->insert[0] = 9;
    e.ResizeLabelList(3, 1);
    EXPECT_EQ(Numbers(e), (std::vector<int>{1, -1, 2}));
    EXPECT_EQ(e.labelCount, 3);
    EXPECT_EQ(e.GetLabel(2)->insert[0], 9);
    EXPECT_TRUE(ads_name_nil(e.GetLabel(1)->insert));
    e.ResizeLabelList(5, 1);
    EXPECT_EQ(Numbers(e), (std::vector<int>{1, -1, -1, -1, 2}));
}

TEST(LabelChain, ShrinkingKeepsTheLast) {
    TestElement e(1, 1, 0, 0);
    e.ResizeLabelList(3, 0);
    NumberLabels(e);
    e.ResizeLabelList(1, 1);
    EXPECT_EQ(Numbers(e), (std::vector<int>{3}));
    EXPECT_EQ(e.labelCount, 1);
}

TEST(LabelChain, SingleLabelOnlyAppends) {
    TestElement e(1, 1, 0, 0);
    e.firstLabel.number = 4;
    e.ResizeLabelList(3, 1);
    EXPECT_EQ(Numbers(e), (std::vector<int>{4, -1, -1}));
    e.ResizeLabelList(0, 0);  // the first label always stays
    EXPECT_EQ(e.labelCount, 1);
    EXPECT_EQ(Numbers(e).size(), 3u);  // appending mode removes nothing
}

TEST(LabelChain, NumbersCarryTheSystemOffset) {
    TestElement e(1, 1, 0, 0);
    e.system.labelNumberOffset = 100;
    e.ResizeLabelList(2, 1);
    EXPECT_EQ(e.SetLabelNumber(5, 1), 0);
    EXPECT_EQ(e.GetLabel(1)->number, 105);
    EXPECT_EQ(e.GetLabelNumber(1), 5);
    EXPECT_EQ(e.GetLabelNumber(2), -1);
    EXPECT_EQ(e.SetLabelNumber(5, 2), -1);
    EXPECT_EQ(e.GetLabelNumber(-1), -1);
}

TEST(LabelChain, LongChainIsFreedWithoutRecursion) {
    TestElement* e = new TestElement(1, 1, 0, 0);
    e->ResizeLabelList(30000, 0);
    EXPECT_EQ(e->labelCount, 30000);
    DestroyElement(e);
}
