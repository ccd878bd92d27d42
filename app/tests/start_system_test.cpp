// "C:lstart": the start connector from the picked point, direction and the
// start dialog, the system taken or defined, and every way to cancel.
#include <cmath>

#include "core/lconnector.h"
#include "core/system_list.h"
#include "module_fixture.h"

namespace {

using StartSystemTest = PlacementTest;

const char* kRectStart =
    "100,200\n90\n1016=400\n1017=300\n1014=3000\n?\n1009=HV1\nok\n";

} // namespace

TEST_F(StartSystemTest, ListedSystemIsTakenAndTheDialogShowsTheVelocity) {
    state->currentSystem = LSystemRecord();
    Run(kLstart, kRectStart);
    LConnector* c = state->startConnector;
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->position[0], 100);
    EXPECT_EQ(c->position[1], 200);
    EXPECT_NEAR(c->angle, M_PI / 2, 1e-12);
    EXPECT_EQ(c->side, 2);
    EXPECT_EQ(c->shape, kShapeRect);
    EXPECT_EQ(c->a, 400);
    EXPECT_EQ(c->b, 300);
    EXPECT_EQ(c->flow, 3000);
    EXPECT_STREQ(state->currentSystem.tag, "HV1");
    // 3000 m3/h through 0.12 m2: 277 * 3000 / 120000 = 6.9 m/s.
    std::string said = Transcript();
    EXPECT_NE(said.find("1015 edit \"6.9\""), std::string::npos) << said;
    EXPECT_EQ(said.find("Dialog 130"), std::string::npos);
}

TEST_F(StartSystemTest, NewTagIsDefinedInTheSystemDialogAndAdded) {
    Run(kLstart, "0,0\n0\n1023=1\n1022=315\n1014=1200\n1009=zz9\nok\n1001=Return\nok\n");
    ASSERT_NE(state->startConnector, nullptr);
    EXPECT_EQ(state->startConnector->shape, kShapeRound);
    EXPECT_EQ(state->startConnector->a, 315);
    EXPECT_STREQ(state->currentSystem.tag, "ZZ9");
    // The dialog proposed its layer from the tag as stored, not as typed.
    EXPECT_STREQ(state->currentSystem.penLayer[0], "LURAK-ZZ9");
    EXPECT_STREQ(state->currentSystem.labelLayer, "LURAK-ZZ9-100");
    char tag[] = "ZZ9";
    EXPECT_NE(FindSystem(state->systemList, tag), nullptr);
}

TEST_F(StartSystemTest, EveryCancelLeavesTheStateAsItWas) {
    Run(kLstart, kRectStart);
    LConnector* first = state->startConnector;
    ASSERT_NE(first, nullptr);
    for (const char* lines : {"^C\n", "0,0\n^C\n", "0,0\n0\ncancel\n",
                              "0,0\n0\n1009=NEW\nok\ncancel\n"}) {
        Run(kLstart, lines);
        EXPECT_EQ(state->startConnector, first) << lines;
    }
    char tag[] = "NEW";
    EXPECT_EQ(FindSystem(state->systemList, tag), nullptr);
}

TEST_F(StartSystemTest, SecondStartReplacesTheFirstAndTheCurrentElement) {
    Run(kLstart, kRectStart);
    chosenSubtype = 1;
    Run(kLnvl);
    ASSERT_NE(state->current, nullptr);
    Run(kLstart, "5000,0\n0\n1016=200\n1017=200\n1009=HV1\nok\n");
    ASSERT_NE(state->startConnector, nullptr);
    EXPECT_EQ(state->startConnector->position[0], 5000);
    EXPECT_EQ(state->current, nullptr);
    EXPECT_EQ(state->selectionState, kNoCurrentElement);
}

// A width or height of 0 was taken, stored as the piece's default 150 and
// the run laid backwards; the dialog now stays open until the size is one.
TEST_F(StartSystemTest, AZeroSizeKeepsTheDialogOpenUntilItIsGiven) {
    Run(kLstart, "0,0\n0\n1016=0\n1017=300\n1009=HV1\nok\n1016=400\n1017=0\nok\n1017=300\nok\n");
    std::string said = Transcript();
    size_t first = said.find("Give the cross-section a size above zero.");
    ASSERT_NE(first, std::string::npos) << said;
    EXPECT_NE(said.find("Give the cross-section a size above zero.", first + 1), std::string::npos) << said;
    ASSERT_NE(state->startConnector, nullptr);
    EXPECT_EQ(state->startConnector->a, 400);
    EXPECT_EQ(state->startConnector->b, 300);
    // On the round tab only the diameter counts.
    Run(kLstart, "0,0\n0\n1023=1\n1022=315\n1009=HV1\nok\n");
    EXPECT_EQ(Transcript().find("size above zero"), std::string::npos);
}
