// The DZK terminal and its box.
#include <cmath>
#include <memory>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "elements/rcs/lrcs_dk.h"
#include "elements/rcs/rcs_family.h"
#include "elements/tests/element_drawing.h"

namespace {

using Dzk = ElementDrawingTest;

std::unique_ptr<LRCsDk> MakeDzk() {
    return std::unique_ptr<LRCsDk>(dynamic_cast<LRCsDk*>(CreateElement(kRcsFamily, 12)));
}

}  // namespace

TEST_F(Dzk, SpigotSitsOnTheBoxItIsIn) {
    auto dzk = MakeDzk();
    ASSERT_NE(dzk, nullptr);
    const LConnector* c = dzk->GetConnector(0);
    EXPECT_EQ(c->shape, kShapeRound);
    EXPECT_EQ(c->side, 5);
    EXPECT_EQ(c->a, 300);
    EXPECT_DOUBLE_EQ(c->position[0], -(400.0 + 15) / 2 - 50);
    EXPECT_DOUBLE_EQ(c->position[1], 0);
    EXPECT_DOUBLE_EQ(c->position[2], 50);
    EXPECT_DOUBLE_EQ(dzk->GetQuantity(), 3.1415926535 * 400 * 400 / 4);
    EXPECT_EQ(Description(*dzk), "DZK+VFR+KRS  D=400;  d=300;");
    // The face sizes are shown with the spigots that suit them.
    ASSERT_NE(dzk->ParamChoiceTexts(3), nullptr);
    EXPECT_STREQ(dzk->ParamChoiceTexts(3)[5], "400 (250)");
    EXPECT_STREQ(dzk->ParamChoiceTexts(0)[1], "DT+VFR");

    const double dt[] = {2, 1, 300, 400};
    dzk->SetParams(dt);
    EXPECT_DOUBLE_EQ(c->position[0], -282);
    EXPECT_DOUBLE_EQ(c->position[1], -116);
    EXPECT_DOUBLE_EQ(c->position[2], 0);
    // Half positions round away from zero.
    const double half[] = {2.5, 2.4, 250, 500};
    dzk->SetParams(half);
    EXPECT_EQ(Params(*dzk), (std::vector<double>{3, 2, 250, 500}));
    EXPECT_EQ(dzk->NameText(), "DZK+KRP+KMS");
    const double outside[] = {0, 10, 250, 500};
    dzk->SetParams(outside);
    EXPECT_EQ(dzk->NameText(), "+");
}

TEST_F(Dzk, PlanShowsBoxSpigotAndFace) {
    auto dzk = MakeDzk();
    std::vector<Primitive> above = Draw(*dzk, 0);
    ASSERT_EQ(above.size(), 11u);
    EXPECT_EQ(Count(above, "CIRCLE", "szaggatott"), 4);
    ExpectLine(above[5], "P1", -257.5, 150, -257.5, -150);
    std::vector<Primitive> below = Draw(*dzk, 3);
    ASSERT_EQ(below.size(), 11u);
    EXPECT_EQ(Count(below, "CIRCLE", "szaggatott"), 0);
    EXPECT_EQ(Count(below, "CIRCLE"), 4);
    ExpectLine(below[5], "P1", 257.5, 150, 257.5, -150);

    const double vanes[] = {1, 8, 300, 400};
    dzk->SetParams(vanes);
    std::vector<Primitive> rme = Draw(*dzk, 3);
    ASSERT_EQ(rme.size(), 7u + 1 + 8);
    ExpectLine(rme[9], "P2", 40, 0, 160, 0);  // the vane at 0 degrees
    ExpectLine(rme[15], "P2", 0, -40, 0, -160);

    const double dt[] = {2, 1, 300, 400};
    dzk->SetParams(dt);
    std::vector<Primitive> round = Draw(*dzk, 0);
    EXPECT_EQ(round[0].type, "ARC");
    EXPECT_EQ(round[0].layer, "0");
    // Outside the face list only the box is drawn.
    const double none[] = {1, 0, 300, 400};
    dzk->SetParams(none);
    EXPECT_EQ(Draw(*dzk, 0).size(), 7u);
}

TEST_F(Dzk, SideShowsBoxAndFirePlates) {
    auto dzk = MakeDzk();
    std::vector<Primitive> side = Draw(*dzk, 1);
    ASSERT_EQ(side.size(), 7u);
    ExpectLine(side[5], "P1", -257.5, -100, -257.5, 200);
    const double kmsFp[] = {1, 3, 300, 400};
    dzk->SetParams(kmsFp);
    std::vector<Primitive> plates = Draw(*dzk, 4);
    ASSERT_EQ(plates.size(), 10u);
    ExpectLine(plates[7], "P2", -170, -245, 170, -245);
    ExpectLine(plates[9], "P2", -70, -285, 70, -285);
    const double dt[] = {2, 4, 300, 400};
    dzk->SetParams(dt);
    plates = Draw(*dzk, 1);
    ASSERT_EQ(plates.size(), 10u);
    ExpectLine(plates[7], "P2", -170, -165 - 20, 170, -165 - 20);
    EXPECT_TRUE(Draw(*dzk, 2).empty());
    EXPECT_TRUE(Draw(*dzk, 5).empty());
}
