// Numbers the labels 1, 2, ... so that a test can follow them.
#include "fixtures.h"

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
