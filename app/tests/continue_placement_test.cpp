// Continuous placement with the real straight ducts: run lengths, piece
// lengths, "Next", and where runs start.
#include "ads_entity.h"
#include "api/host_api.h"
#include "app/command_bodies.h"
#include "app/continue_placement.h"
#include "app/dispatch.h"
#include "io/io.h"
#include "module_fixture.h"
#include "shell/progress.h"

#include <sstream>

namespace {

class ContinuePlacementTest : public PlacementTest {
protected:
    int Continue(const std::string& lines) {
        host::io::setScript(lines);
        return ContinuePlacement();
    }
    // One parameter of every stored element.
    static std::vector<double> Lengths(size_t param) {
        std::vector<double> out;
        for (const auto& s : StoredElements())
            out.push_back(s.values.at(param));
        return out;
    }
};

} // namespace

TEST(RunLength, IsTheDistanceAlongTheConnectorAxisOnEitherSide) {
    ads_point p0 = {100, 100, 0};
    ads_point ahead = {3800, 100, 0}, behind = {-3600, 100, 0}, slanted = {1100, 600, 0};
    EXPECT_EQ(RunLength(p0, ahead, 0), 3700);
    EXPECT_EQ(RunLength(p0, behind, 0), 3700);
    EXPECT_EQ(RunLength(p0, slanted, 0), 1000);
    // Across the axis, and straight above the connector: nothing along it.
    ads_point across = {100.4, 2000, 0}, above = {100, 900, 0};
    EXPECT_EQ(RunLength(p0, across, 0), 0);
    EXPECT_EQ(RunLength(p0, above, 0), 0);
    EXPECT_EQ(RunLength(p0, above, 1.5707963267948966), 800);
}

TEST_F(ContinuePlacementTest, RunFromTheStartPointIsLaidAsStandardPiecesAndARest) {
    SetStart(0, 0, 0, kShapeRect, 400, 300);
    EXPECT_EQ(Continue("3700,0\n^C\n"), 0);
    auto stored = StoredElements();
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(Lengths(2), (std::vector<double>{1500, 1500, 700}));
    EXPECT_EQ(stored[0].family, 1);
    EXPECT_EQ(stored[0].values[0], 400);
    EXPECT_EQ(stored[1].joined, 2);
    EXPECT_EQ(stored[2].joined, 1);
    // The last piece is current again, joined at one end; the start point is gone.
    EXPECT_EQ(state->startConnector, nullptr);
    EXPECT_EQ(state->selectionState, 1);
}

TEST_F(ContinuePlacementTest, ExactMultipleLaysOnlyFullPiecesAndRunsGoOnFromTheFreeEnd) {
    SetStart(0, 0, 0, kShapeRound, 250, 0);
    EXPECT_EQ(Continue("12000,0\n15000,0\n^C\n"), 0);
    EXPECT_EQ(Lengths(1), (std::vector<double>{6000, 6000, 3000}));
}

TEST_F(ContinuePlacementTest, PieceLengthsOfZeroOrLessFallBackToTheDefaults) {
    state->defaults.rectPieceLength = 0;
    SetStart(0, 0, 0, kShapeRect, 400, 300);
    EXPECT_EQ(Continue("2000,0\n^C\n"), 0);
    EXPECT_EQ(Lengths(2), (std::vector<double>{1500, 500}));
}

TEST_F(ContinuePlacementTest, OnePieceRunKeepsTheStartAZeroRunLaysNothingAndNextKeepsABaseWithOneFreeEnd) {
    SetStart(0, 0, 0, kShapeRect, 400, 300);
    // 800 along the axis: one piece; the start connector stays with it.
    EXPECT_EQ(Continue("800,0\n800,500\n^C\n"), 0);
    EXPECT_EQ(StoredElements().size(), 1u);
    EXPECT_NE(state->startConnector, nullptr);
    EXPECT_EQ(state->selectionState, 0);
    EXPECT_TRUE(Said("End point of the run or [Next]: 800,500"));
    EXPECT_EQ(Continue("1500,0\nNext\n^C\n"), 0);
    std::string said = Transcript();
    size_t next = said.find("[Next]: Next");
    ASSERT_NE(next, std::string::npos);
    EXPECT_NE(said.find("[Next]: ^C", next), std::string::npos);
    EXPECT_EQ(StoredElements().size(), 2u);
}

TEST_F(ContinuePlacementTest, AZeroRunFromTheStartPointLaysNothingAndAsksAgain) {
    // Across the start direction, or on the start point itself, the run has
    // no length: no piece of any length is laid.
    for (const char* point : {"0,1000\n", "0,0\n", "0.4,700\n"}) {
        SetStart(0, 0, 0, kShapeRect, 400, 300);
        EXPECT_EQ(Continue(std::string(point) + "^C\n"), 0) << point;
        EXPECT_TRUE(StoredElements().empty()) << point;
        std::string said = Transcript();
        size_t first = said.find("End point of the run: ");
        ASSERT_NE(first, std::string::npos) << said;
        EXPECT_NE(said.find("End point of the run: ", first + 1), std::string::npos) << said;
    }
    SetStart(0, 0, 0, kShapeRect, 400, 300);
    EXPECT_EQ(Continue("0,1000\n800,0\n^C\n"), 0);
    EXPECT_EQ(Lengths(2), (std::vector<double>{800}));
}

TEST_F(ContinuePlacementTest, WithoutStartOrCurrentElementItSaysSoAndFails) {
    EXPECT_EQ(Continue(""), -1);
    EXPECT_TRUE(Said("no current element and no start point"));
    state->selectionState = kTwoEntitiesPicked;
    EXPECT_EQ(Continue(""), -1);
}

TEST_F(ContinuePlacementTest, ModeOnFollowsPlacingCommandsAndLstartTurnsItOff) {
    SetStart(0, 0, 0, kShapeRect, 400, 300);
    Run(kLcontd, "1500,0\n^C\n");
    EXPECT_EQ(ContinuousMode(), 1);
    // The straight duct placed by "lnvl" is followed by a run.
    Run(kLnvl, "20000,0\n^C\n");
    EXPECT_GE(StoredElements().size(), 4u);
    EXPECT_TRUE(Said("[Next]: 20000,0"));
    EXPECT_EQ(ContinuousMode(), 1);
    Run(kLstart, "^C\n");
    EXPECT_EQ(ContinuousMode(), 0);
}

// A mistyped end point far away (1e14 ended in bad_alloc, 1e9 wrote a
// 1.3 GB drawing) is refused before anything is laid, from the start point
// and from a current element alike.
TEST_F(ContinuePlacementTest, RunsBeyondAnyRealNetworkAreRefusedAndNothingIsLaid) {
    SetStart(0, 0, 0, kShapeRect, 400, 300);
    EXPECT_EQ(Continue("1e14,0\n"), -1);
    EXPECT_TRUE(StoredElements().empty());
    EXPECT_TRUE(Said("A run of 1e+14 would take more than 20000 pieces: nothing was laid."));
    EXPECT_NE(state->startConnector, nullptr);
    EXPECT_EQ(Continue("3000,0\n1e9,0\n"), -1);
    EXPECT_EQ(StoredElements().size(), 2u);
    std::string said = Transcript();
    EXPECT_NE(said.find("A run of 9.99997e+08 would take more than 20000 pieces: nothing was laid."), std::string::npos) << said;
}

// Long runs show a progress meter that ends cleared.
TEST_F(ContinuePlacementTest, LongRunsShowTheirProgress) {
    std::ostringstream meter;
    host::shell::setProgressOutput(&meter);
    SetStart(0, 0, 0, kShapeRound, 250, 0);
    EXPECT_EQ(Continue("3000000,0\n^C\n"), 0);
    host::shell::setProgressOutput(nullptr);
    EXPECT_EQ(StoredElements().size(), 500u);
    std::string shown = meter.str();
    EXPECT_EQ(shown.rfind("\rLaying the run 0%", 0), 0u) << shown.substr(0, 80);
    EXPECT_NE(shown.find("\rLaying the run 50%"), std::string::npos);
    EXPECT_EQ(shown.substr(shown.size() - 4), "\r\033[K");
}

// A start connector no piece fits (a size of 0 from before the start dialog
// refused it): nothing is laid, instead of pieces of a default size laid
// from -5250 backwards.
TEST_F(ContinuePlacementTest, AStartNoPieceFitsLaysNothing) {
    SetStart(0, 0, 0, kShapeRect, 0, 300);
    EXPECT_EQ(Continue("6000,0\n"), -1);
    EXPECT_TRUE(StoredElements().empty());
    EXPECT_TRUE(Said("The element does not fit here."));
}

// A drawing with no handle left refuses the run's first piece: said, and
// nothing is laid from it (the run went on from no element and crashed).
TEST_F(ContinuePlacementTest, ARunTheDrawingHasNoHandleForSaysSoAndLaysNothing) {
    host::api::databaseOf(state->database)->raiseHandseed(UINT64_MAX);
    ASSERT_EQ(acdbRegApp(L"LASTHANDLE"), RTNORM);
    SetStart(0, 0, 0, kShapeRect, 400, 300);
    EXPECT_EQ(Continue("3700,0\n"), -1);
    EXPECT_TRUE(StoredElements().empty());
    EXPECT_TRUE(Said("could not be written to the drawing"));
}
