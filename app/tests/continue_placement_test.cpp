// Continuous placement with the real straight ducts: run lengths, piece
// lengths, "Next", and where runs start.
#include <gtest/gtest.h>

#include "app/command_bodies.h"
#include "app/continue_placement.h"
#include "app/dispatch.h"
#include "placement_fixture.h"

namespace {

using ContinuePlacementTest = PlacementTest;

std::vector<double> Lengths(const std::vector<PlacementTest::Stored>& stored, size_t param) {
    std::vector<double> out;
    for (const auto& s : stored)
        out.push_back(s.values.at(param));
    return out;
}

} // namespace

TEST(RunLength, IsTheDistanceAlongTheConnectorAxisOnEitherSide) {
    ads_point p0 = {100, 100, 0};
    ads_point ahead = {3800, 100, 0}, behind = {-3600, 100, 0};
    EXPECT_EQ(RunLength(p0, ahead, 0), 3700);
    EXPECT_EQ(RunLength(p0, behind, 0), 3700);
    ads_point slanted = {1100, 600, 0};
    EXPECT_EQ(RunLength(p0, slanted, 0), 1000);
    // Across the axis, and straight above the connector: nothing along it.
    ads_point across = {100.4, 2000, 0};
    EXPECT_EQ(RunLength(p0, across, 0), 0);
    ads_point above = {100, 900, 0};
    EXPECT_EQ(RunLength(p0, above, 0), 0);
    EXPECT_EQ(RunLength(p0, above, 1.5707963267948966), 800);
}

TEST_F(ContinuePlacementTest, RunFromTheStartPointIsLaidAsStandardPiecesAndARest) {
    SetStart(0, 0, 0, kShapeRect, 400, 300);
    EXPECT_EQ(ContinuePlacementAnswering("3700,0\n^C\n"), 0);
    auto stored = StoredElements();
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(Lengths(stored, 2), (std::vector<double>{1500, 1500, 700}));
    EXPECT_EQ(stored[0].family, 1);
    EXPECT_EQ(stored[0].values[0], 400);
    EXPECT_EQ(stored[1].joined, 2);
    EXPECT_EQ(stored[2].joined, 1);
    // The last piece is current again (rebuilt for the prompt that was
    // cancelled), joined at one end; the start point is gone.
    EXPECT_EQ(state->startConnector, nullptr);
    EXPECT_EQ(state->selectionState, 1);
}

TEST_F(ContinuePlacementTest, ExactMultipleLaysOnlyFullPiecesAndRunsGoOnFromTheFreeEnd) {
    SetStart(0, 0, 0, kShapeRound, 250, 0);
    EXPECT_EQ(ContinuePlacementAnswering("12000,0\n15000,0\n^C\n"), 0);
    auto stored = StoredElements();
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(Lengths(stored, 1), (std::vector<double>{6000, 6000, 3000}));
}

TEST_F(ContinuePlacementTest, OnePieceRunKeepsTheStartAndAZeroRunLaysNothing) {
    SetStart(0, 0, 0, kShapeRect, 400, 300);
    // 800 along the axis: one piece; the start connector stays with it.
    EXPECT_EQ(ContinuePlacementAnswering("800,0\n800,500\n^C\n"), 0);
    EXPECT_EQ(StoredElements().size(), 1u);
    EXPECT_NE(state->startConnector, nullptr);
    EXPECT_EQ(state->selectionState, 0);
    std::string said = Transcript();
    EXPECT_NE(said.find("End point of the run or [Next]: 800,500"), std::string::npos);
}

TEST_F(ContinuePlacementTest, PieceLengthsOfZeroOrLessFallBackToTheDefaults) {
    state->defaults.rectPieceLength = 0;
    SetStart(0, 0, 0, kShapeRect, 400, 300);
    EXPECT_EQ(ContinuePlacementAnswering("2000,0\n^C\n"), 0);
    EXPECT_EQ(Lengths(StoredElements(), 2), (std::vector<double>{1500, 500}));
}

TEST_F(ContinuePlacementTest, NextAtAPieceWithOneFreeConnectorKeepsTheBase) {
    SetStart(0, 0, 0, kShapeRect, 400, 300);
    EXPECT_EQ(ContinuePlacementAnswering("1500,0\n3000,0\nNext\n^C\n"), 0);
    std::string said = Transcript();
    size_t next = said.find("[Next]: Next");
    ASSERT_NE(next, std::string::npos);
    EXPECT_NE(said.find("[Next]: ^C", next), std::string::npos);
    EXPECT_EQ(StoredElements().size(), 2u);
}

TEST_F(ContinuePlacementTest, WithoutStartOrCurrentElementItSaysSoAndFails) {
    EXPECT_EQ(ContinuePlacementAnswering(""), -1);
    EXPECT_NE(Transcript().find("no current element and no start point"), std::string::npos);
    state->selectionState = kTwoEntitiesPicked;
    EXPECT_EQ(ContinuePlacementAnswering(""), -1);
}

TEST_F(ContinuePlacementTest, ModeOnFollowsPlacingCommandsAndLstartTurnsItOff) {
    SetStart(0, 0, 0, kShapeRect, 400, 300);
    Run(kLcontd, "1500,0\n^C\n");
    EXPECT_EQ(ContinuousMode(), 1);
    // The straight duct placed by "lnvl" is followed by a run.
    Run(kLnvl, "20000,0\n^C\n");
    EXPECT_GE(StoredElements().size(), 4u);
    EXPECT_NE(Transcript().find("[Next]: 20000,0"), std::string::npos);
    EXPECT_EQ(ContinuousMode(), 1);
    Run(kLstart, "^C\n");
    EXPECT_EQ(ContinuousMode(), 0);
}
