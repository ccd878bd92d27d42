// Path elements placed at the current element and between two picks, the
// corner closing, and connector-0 elements, with the test elements.
#include <gtest/gtest.h>

#include <cmath>

#include "app/place_path.h"
#include "core/element_load.h"
#include "path_test_family.h"
#include "placement_fixture.h"

namespace {

enum : int16_t { kSpiro = 1, kFlex = 2, kCap = 3 };

class PlacePathTest : public PlacementTest {
protected:
    void SetUp() override {
        PlacementTest::SetUp();
        SetElementMaker(MakeWithTestElements);
        TestFlexDuct::acceptClosing = true;
    }
    void Place(int16_t subtype, const std::string& lines = "") {
        chosenSubtype = subtype;
        Run(kLnvf, lines);
    }
    // A spiral duct started at (x, y) facing angle; its insert.
    void Spiro(double x, double y, double angle, ads_name out) {
        SetStart(x, y, angle, kShapeRound, 250, 0);
        Place(kSpiro);
        ads_name_set(state->currentEntity, out);
    }
    int PathSegments(const ads_name insert) {
        LObject* e = LoadElementFromEntity(insert);
        int n = e && e->GetKind() == kKindPath ? static_cast<TestFlexDuct*>(e)->Segments() : -1;
        if (e)
            DestroyElement(e);
        return n;
    }
    int Joined(const ads_name insert) {
        LObject* e = LoadElementFromEntity(insert);
        int n = e ? e->CountConnectedConnectors(-1) : -1;
        if (e)
            DestroyElement(e);
        return n;
    }
    static size_t Count(const std::string& text, const std::string& what) {
        size_t n = 0;
        for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
            ++n;
        return n;
    }
};

} // namespace

TEST(CornerOffset, MeetsTheAxisAlsoForVerticalDirectionsAndRefusesParallelOnes) {
    ads_point q = {0, 0, 0}, p1 = {100, 50, 0}, corner;
    ASSERT_EQ(CornerOffset(q, M_PI / 4, p1, M_PI, corner), 0);
    EXPECT_NEAR(corner[0], 50, 1e-9);
    EXPECT_NEAR(corner[1], 50, 1e-9);
    ASSERT_EQ(CornerOffset(q, M_PI / 2, p1, 0, corner), 0);  // tan of the first is infinite
    EXPECT_NEAR(corner[0], 0, 1e-9);
    EXPECT_NEAR(corner[1], 50, 1e-9);
    EXPECT_EQ(CornerOffset(q, 0, p1, M_PI, corner), -1);
    EXPECT_EQ(CornerOffset(q, M_PI / 2, p1, -M_PI / 2, corner), -1);
}

TEST_F(PlacePathTest, PathAtTheCurrentElementIsEnteredPointByPoint) {
    ads_name first, spiro;
    Spiro(0, 0, 0, first);
    Place(kSpiro);
    ads_name_set(state->currentEntity, spiro);
    Transcript();
    // Next: the second spiral duct has no other free connector; the same point again
    // is an empty segment (refused); a turn back is refused.
    Place(kFlex, "Next\n20000,0\n20000,3000\n20000,3000\n5000,3000\n^C\n");
    std::string said = Transcript();
    EXPECT_EQ(Count(said, "End point of the run or [Next]: "), 2u) << said;
    EXPECT_EQ(Count(said, "cannot turn that way"), 2u);
    EXPECT_EQ(Count(said, "Next point of the path: "), 4u);
    ads_name path;
    ads_name_set(state->currentEntity, path);
    EXPECT_FALSE(ads_name_equal(path, spiro));
    EXPECT_EQ(PathSegments(path), 2);
    EXPECT_EQ(Joined(path), 1);
    EXPECT_EQ(Joined(spiro), 2);
    EXPECT_EQ(StoredElements().size(), 3u);
}

TEST_F(PlacePathTest, NextMovesTheFirstPointToAnotherFreeRoundConnector) {
    ads_name spiro;
    Spiro(0, 0, 0, spiro);  // free at both ends: the start end is no joint
    Place(kFlex, "Next\n-5000,0\n^C\n");
    EXPECT_EQ(state->neighbourConnector, 0);
    EXPECT_EQ(StoredElements().size(), 2u);
    LObject* e = LoadElementFromEntity(spiro);
    ASSERT_NE(e, nullptr);
    EXPECT_FALSE(e->GetConnector(0)->IsFree());
    EXPECT_TRUE(e->GetConnector(1)->IsFree());
    DestroyElement(e);
}

TEST_F(PlacePathTest, PathCancelledAtItsFirstPointInsertsNothing) {
    ads_name spiro;
    Spiro(0, 0, 0, spiro);
    Place(kFlex, "^C\n");
    EXPECT_EQ(StoredElements().size(), 1u);
    EXPECT_TRUE(ads_name_equal(state->currentEntity, spiro));
    ASSERT_NE(state->current, nullptr);
    EXPECT_EQ(state->current->GetKind(), kKindPath);
}

class PathBetweenTest : public PlacePathTest {
protected:
    void SetUp() override {
        PlacePathTest::SetUp();
        Spiro(0, 0, 0, first);
        Spiro(30000, 6000, M_PI, second);
        ads_name_set(first, state->firstPick);
        ads_name_set(second, state->secondPick);
        state->selectionState = kTwoEntitiesPicked;
        Transcript();
    }
    ads_name first, second;
};

TEST_F(PathBetweenTest, ClosedStraightAtTheSecondElement) {
    Place(kFlex, "8000,0\n9000,1000\n^C\n");
    ads_name path;
    ads_name_set(state->currentEntity, path);
    EXPECT_EQ(PathSegments(path), 3);
    EXPECT_EQ(Joined(path), 2);
    // The picks were free at both ends (they start their networks).
    EXPECT_EQ(Joined(first), 1);
    EXPECT_EQ(Joined(second), 1);
    EXPECT_EQ(state->selectionState, 1);
}

TEST_F(PathBetweenTest, CancelAtOnceClosesAtOnceOrInsertsNothing) {
    TestFlexDuct::acceptClosing = false;
    Place(kFlex, "^C\n");
    EXPECT_EQ(StoredElements().size(), 2u);
    EXPECT_EQ(state->selectionState, kTwoEntitiesPicked);
    TestFlexDuct::acceptClosing = true;
    Place(kFlex, "^C\n");
    EXPECT_EQ(StoredElements().size(), 3u);
    EXPECT_EQ(Joined(state->currentEntity), 2);
}

TEST_F(PathBetweenTest, RefusedClosingTurnsAtTheCornerOnTheSecondAxis) {
    TestFlexDuct::acceptClosing = false;
    // The last segment runs at 45 degrees from (8000, 0); it meets the
    // second duct's axis (y = 6000) at (14000, 6000): 6000 on in x and y.
    Place(kFlex, "8000,0\n9000,1000\n^C\n");
    ads_name path;
    ads_name_set(state->currentEntity, path);
    EXPECT_EQ(PathSegments(path), 3);
    EXPECT_EQ(Joined(path), 2);
    EXPECT_EQ(Joined(second), 1);
    LObject* e = LoadElementFromEntity(path);
    ASSERT_NE(e, nullptr);
    LPathNode* n = e->GetPath()->next;
    EXPECT_NEAR(n->offset[0], 6000, 1e-3);
    EXPECT_NEAR(n->offset[1], 6000, 1e-3);
    DestroyElement(e);
}

TEST_F(PathBetweenTest, DegenerateCornerIsRefusedAndThePathStaysOpen) {
    TestFlexDuct::acceptClosing = false;
    // The last segment parallel to the second duct's axis: no corner.
    Place(kFlex, "8000,0\n^C\n");
    EXPECT_NE(Transcript().find("cannot turn that way"), std::string::npos);
    ads_name path;
    ads_name_set(state->currentEntity, path);
    EXPECT_EQ(PathSegments(path), 1);
    EXPECT_EQ(Joined(path), 1);
    EXPECT_EQ(Joined(second), 0);
}

TEST_F(PlacePathTest, ConnectorZeroElementIsTurnedOntoAFreeConnector) {
    ads_name spiro;
    Spiro(0, 0, 0, spiro);
    Place(kSpiro);  // a second duct: the current one now has one free end
    ads_name duct;
    ads_name_set(state->currentEntity, duct);
    Place(kCap);
    EXPECT_EQ(StoredElements().size(), 3u);
    EXPECT_EQ(Joined(duct), 2);
    EXPECT_EQ(Joined(state->currentEntity), 1);
    EXPECT_EQ(state->current, nullptr);
    // Nothing left free on the cap: the next one finds no connector.
    Place(kCap);
    EXPECT_NE(Transcript().find("no free connector"), std::string::npos);
}
