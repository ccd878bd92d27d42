// The BLD and RLD grilles.
#include <memory>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "elements/rcs/lrcs_bld.h"
#include "elements/rcs/rcs_family.h"
#include "elements/tests/element_drawing.h"

namespace {

using SlotGrilles = ElementDrawingTest;

template <class T>
std::unique_ptr<T> Make(int16_t id) {
    return std::unique_ptr<T>(dynamic_cast<T*>(CreateElement(kRcsFamily, id)));
}

}  // namespace

TEST_F(SlotGrilles, NewBldAndItsTexts) {
    auto bld = Make<LRCsBLD>(39);
    ASSERT_NE(bld, nullptr);
    EXPECT_EQ(bld->GetKind(), 1);
    EXPECT_EQ(bld->parentParams[0], 1);
    EXPECT_EQ(bld->parentParams[1], 2);
    EXPECT_EQ(bld->GetQuantity(), 300.0 * 200);
    EXPECT_EQ(Description(*bld), "BLD  L=300;  H=200;");
    bld->SetSystemRecord(Pens());
    bld->SetFlow(510);
    host::io::setScript("100,100\n");
    EXPECT_EQ(bld->UpdateLabel(), 0);
    EXPECT_EQ(LabelTexts(*bld), (std::vector<std::string>{"BLD", "300 x 200", "510 m3/h"}));
    EXPECT_EQ(bld->GetFlow(), 510);  // no connector to take it from
    struct Case {
        double variant, accessory, knn, fkn;
        const char* name;
    };
    const Case cases[] = {{1, 2, 1, 1, "BLD+KNN+AZN+FKN"}, {2, 1, 0, 1, "BLI+FKN"},
                          {2, 2, 0, 0, "BLI+AZN"}, {3, 3, 1, 0, "+KNN"}};
    for (const Case& c : cases) {
        const double v[] = {c.variant, 500, 100, c.accessory, c.knn, c.fkn};
        bld->SetParams(v);
        EXPECT_EQ(bld->NameText(), c.name) << c.variant << "/" << c.accessory;
    }
    auto rld = Make<LRCsBLD>(40);
    ASSERT_NE(rld, nullptr);
    const double v[] = {2, 700, 100, 2, 1, 0};
    rld->SetParams(v);
    EXPECT_EQ(Description(*rld), "RLI+KNN+AZN  L=700;  H=100;");
}

TEST_F(SlotGrilles, OnlyRldHasAShortestLength) {
    auto bld = Make<LRCsBLD>(39);
    auto rld = Make<LRCsBLD>(40);
    const double cases[][2] = {{250, 250}, {1725, 1725}};
    for (const auto& c : cases) {
        const double v[] = {1, c[0], 200, 1, 0, 0};
        bld->SetParams(v);
        rld->SetParams(v);
        EXPECT_EQ(bld->L, c[1]);
        EXPECT_EQ(rld->L, c[0] < 300 ? 300 : c[1]);
    }
    EXPECT_EQ(rld->GetTypeDesc()->kinds[1], kParamFree);
    EXPECT_EQ(bld->GetTypeDesc()->kinds[1], kParamList);
}

TEST_F(SlotGrilles, FramedFaceInPlanNeckAndFlangeFromTheSide) {
    auto bld = Make<LRCsBLD>(39);
    std::vector<Primitive> plan = Draw(*bld, 0);
    ASSERT_EQ(plan.size(), 6u);
    ExpectLine(plan[0], "P2", -176, 126, 176, 126);
    ExpectLine(plan[2], "P2", 176, -126, -176, -126);
    EXPECT_EQ(Count(Draw(*bld, 3), "LINE", "szaggatott"), 6);
    std::vector<Primitive> side = Draw(*bld, 1);
    ASSERT_EQ(side.size(), 4u);
    ExpectLine(side[2], "P2", -195, 52, 195, 52);
    ExpectLine(side[3], "P2", -195, 97, 195, 97);
    EXPECT_DOUBLE_EQ(Draw(*bld, 5)[0].x1, -100);
}
