// The element placement command with the real classes: the start of a
// network, placement at the current element (joined, child), between two
// picked elements, and every refusal with its message.
#include "ads_entity.h"
#include "app/place_support.h"
#include "core/element_load.h"
#include "core/system_erase.h"
#include "core/system_store.h"
#include "module_fixture.h"

namespace {

enum Subtype : int16_t { kVl01 = 1, kCsd = 1, kTsd = 4, kVt32 = 1 };

class PlaceElementTest : public PlacementTest {
protected:
    // Two ducts 20000 apart facing each other, picked; their inserts.
    void PickTwoDucts(ads_name a, ads_name b) {
        SetStart(0, 0, 0, kShapeRect, 400, 300);
        Place(kLnvl, kVl01);
        ads_name_set(state->currentEntity, a);
        SetStart(20000, 0, 3.141592653589793, kShapeRect, 400, 300);
        Place(kLnvl, kVl01);
        ads_name_set(state->currentEntity, b);
        ads_name_set(a, state->firstPick);
        ads_name_set(b, state->secondPick);
        state->selectionState = kTwoEntitiesPicked;
    }
};

} // namespace

TEST_F(PlaceElementTest, WithoutStartOrCurrentElementNothingIsAskedAndACancelledChooserChangesNothing) {
    Place(kLnvl, -1);  // a cancelled chooser says nothing: the message shows it did not come
    EXPECT_TRUE(Said("no current element and no start point"));
    EXPECT_TRUE(StoredElements().empty());
    SetStart(0, 0, 0, kShapeRect, 400, 300);
    Place(kLnvl, -1);
    EXPECT_TRUE(StoredElements().empty());
    EXPECT_NE(state->startConnector, nullptr);
}

TEST_F(PlaceElementTest, FirstElementAtTheStartKeepsTheStartAndTheNextContinuesAtTheFreeEnd) {
    SetStart(0, 0, 0, kShapeRect, 400, 300);
    Place(kLnvl, kVl01);
    ASSERT_EQ(StoredElements().size(), 1u);
    EXPECT_EQ(state->selectionState, 0);
    EXPECT_NE(state->startConnector, nullptr);
    int16_t atStart = state->currentConnector;
    EXPECT_NE(atStart, -1);
    EXPECT_EQ(state->defaults.hasElements, 1);
    Place(kLnvl, kVl01);
    auto stored = StoredElements();
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[0].joined, 1);
    EXPECT_EQ(stored[1].joined, 1);
    EXPECT_EQ(stored[1].values[0], 400);
    EXPECT_GT(stored[1].x, stored[0].x);  // on past the first, not back at the start
    EXPECT_EQ(state->startConnector, nullptr);
    EXPECT_NE(state->neighbour, nullptr);
    EXPECT_EQ(state->neighbourConnector, 1 - atStart);
}

TEST_F(PlaceElementTest, OnlyOrdinaryElementsStartANetworkAndTheShapeMustMatch) {
    SetStart(0, 0, 0, kShapeRect, 400, 300);
    Place(kLracs, kCsd);  // a grille sits on a duct: refused, and the user told so
    EXPECT_TRUE(StoredElements().empty());
    EXPECT_TRUE(Said("does not fit here"));
    SetStart(0, 0, 0, kShapeRound, 250, 0);
    Place(kLnvl, kVl01);
    EXPECT_TRUE(Said("no free connector that matches"));
    EXPECT_TRUE(StoredElements().empty());
    EXPECT_NE(state->startConnector, nullptr);
}

TEST_F(PlaceElementTest, ElementThatFitsNoOrientationIsRefused) {
    SetStart(0, 0, 0, kShapeRect, 4000, 3000);  // beyond every damper casing
    Place(kLtuzv, kVt32);
    EXPECT_TRUE(Said("does not fit here"));
    EXPECT_TRUE(StoredElements().empty());
    EXPECT_EQ(state->selectionState, kNoCurrentElement);
}

TEST_F(PlaceElementTest, GrillesSitOnTheirDuctAndBecomeCurrent) {
    SetStart(0, 0, 0, kShapeRect, 400, 300);
    Place(kLnvl, kVl01);
    Place(kLracs, kCsd);
    auto stored = StoredElements();
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[1].family, 3);
    EXPECT_EQ(state->current, nullptr);  // released; rebuilt from the grille next time
    EXPECT_EQ(state->startConnector, nullptr);
    LObject* grille = LoadElementFromEntity(state->currentEntity);
    ASSERT_NE(grille, nullptr);
    EXPECT_EQ(grille->GetFamily(), 3);
    DestroyElement(grille);
    // A round grille finds no attach position on a rectangular duct.
    SetStart(0, 3000, 0, kShapeRect, 400, 300);
    Place(kLnvl, kVl01);
    Transcript();
    Place(kLracs, kTsd);
    EXPECT_EQ(StoredElements().size(), 3u);
    EXPECT_TRUE(Said("does not fit here"));
}

TEST_F(PlaceElementTest, CurrentElementWithoutAFreeConnectorIsRefused) {
    SetStart(0, 0, 0, kShapeRect, 400, 300);
    Place(kLnvl, kVl01);
    Place(kLnvl, kVl01);
    Place(kLnvl, kVl01);
    // The middle duct, joined at both ends, made current again.
    ads_name e;
    ASSERT_EQ(acdbEntNext(nullptr, e), RTNORM);
    ReleaseCurrentElement();
    LObject* first = LoadElementFromEntity(e);
    ASSERT_NE(first, nullptr);
    ads_name_set(first->GetConnector(1)->neighbourEntity, state->currentEntity);
    if (first->GetConnector(1)->IsFree())
        ads_name_set(first->GetConnector(0)->neighbourEntity, state->currentEntity);
    DestroyElement(first);
    Transcript();
    Place(kLnvl, kVl01);
    EXPECT_TRUE(Said("current element has no free connector"));
    EXPECT_EQ(StoredElements().size(), 3u);
}

TEST_F(PlaceElementTest, BetweenTwoPicksTheGapIsFilledOrRefused) {
    ads_name a, b;
    PickTwoDucts(a, b);
    size_t before = StoredElements().size();
    Place(kLnvl, kVl01);
    EXPECT_EQ(state->selectionState, 2);
    auto stored = StoredElements();
    ASSERT_GT(stored.size(), before);
    // One closed run: only its two outer ends are free.
    int ends = 0;
    for (const auto& s : stored)
        ends += s.joined == 1 ? 1 : 0;
    EXPECT_EQ(ends, 2);
    // Now both picks are joined: no facing free connectors.
    state->selectionState = kTwoEntitiesPicked;
    Place(kLnvl, kVl01);
    EXPECT_TRUE(Said("no free connectors facing each other"));
}

TEST_F(PlaceElementTest, PicksThatAreNotElementsOrWhereNothingFitsAreRefused) {
    ads_point p0 = {0, 0, 0}, p1 = {10, 0, 0};
    resbuf* line = acutBuildList(RTDXF0, L"LINE", 10, p0, 11, p1, 0);
    ASSERT_EQ(acdbEntMake(line), RTNORM);
    acutRelRb(line);
    ads_name lineName;
    acdbEntLast(lineName);
    ads_name_set(lineName, state->firstPick);
    ads_name_set(lineName, state->secondPick);
    state->selectionState = kTwoEntitiesPicked;
    Place(kLnvl, kVl01);
    EXPECT_TRUE(Said("not a LurakCAD element"));
    ads_name a, b;
    PickTwoDucts(a, b);
    size_t before = StoredElements().size();
    Place(kLracs, kCsd);
    EXPECT_TRUE(Said("No element of this type fits"));
    EXPECT_EQ(StoredElements().size(), before);
    EXPECT_EQ(state->selectionState, kTwoEntitiesPicked);
}

TEST_F(PlaceElementTest, NothingIsPlacedOnACurrentSystemThatIsNoLongerListed) {
    // A network started on HV1; then HV1 is deleted from the list, as the
    // systems dialog does, while it is still the current system.
    SetStart(0, 0, 0, kShapeRect, 400, 300);
    Place(kLnvl, kVl01);
    ASSERT_EQ(StoredElements().size(), 1u);
    LSystemRecord exhaust = AddTestSystem("BB", "Exhaust");
    DeleteSystem(state->systemList, &state->currentSystem);
    EraseSystemEntities(state->systemList, state->database);
    ASSERT_TRUE(StoredElements().empty());
    SetStart(0, 0, 0, kShapeRect, 400, 300);
    Transcript();
    Place(kLnvl, kVl01);
    Run(kLcontd, "3000,0\n");
    EXPECT_TRUE(StoredElements().empty());
    std::string said = Transcript();
    size_t first = said.find("Choose the tag of an air system.");
    ASSERT_NE(first, std::string::npos) << said;
    EXPECT_NE(said.find("Choose the tag of an air system.", first + 1), std::string::npos) << said;
    // Once the user chooses a system, placement goes on, on that system.
    state->currentSystem = exhaust;
    Place(kLnvl, kVl01);
    ASSERT_EQ(StoredElements().size(), 1u);
    ElementPtr placed(LoadElementFromEntity(state->currentEntity));
    ASSERT_TRUE(placed);
    EXPECT_STREQ(placed->System().tag, "BB");
}
