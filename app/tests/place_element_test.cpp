// The element placement command with the real classes: the start of a
// network, placement at the current element (joined, child), between two
// picked elements, and every refusal with its message.
#include <algorithm>
#include <cmath>

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

    struct End {
        int16_t shape;
        double a, b;
    };
    // A straight duct of `from` along x at y, and one of `to` starting gap
    // beyond its end (offset across), both picked.
    void PickRunsApart(double y, End from, End to, double gap, double offset) {
        SetStart(0, y, 0, from.shape, from.a, from.b);
        Place(from.shape == kShapeRound ? kLnvf : kLnvl, 1);
        ElementPtr first(LoadElementFromEntity(state->currentEntity));
        ASSERT_TRUE(first);
        double x = 0;
        for (int16_t i = 0; i < first->GetConnectorCount(); ++i) {
            ads_point p;
            first->GetConnector(i)->GetWorldPoint(p);
            x = std::max(x, p[0]);
        }
        ads_name_set(state->currentEntity, state->firstPick);
        SetStart(x + gap, y + offset, 0, to.shape, to.a, to.b);
        Place(to.shape == kShapeRound ? kLnvf : kLnvl, 1);
        ads_name_set(state->currentEntity, state->secondPick);
        state->selectionState = kTwoEntitiesPicked;
    }

    // The widest distance between the two points of a joint of the element,
    // and how many joints it has.
    static double WidestJoint(const ads_name entity, int* joints) {
        double widest = 0;
        *joints = 0;
        ElementPtr element(LoadElementFromEntity(entity));
        for (int16_t i = 0; element && i < element->GetConnectorCount(); ++i) {
            LConnector* mine = element->GetConnector(i);
            if (mine->IsFree())
                continue;
            ElementPtr other(element->LoadNeighbour(i));
            LConnector* theirs = other ? other->GetConnector(mine->neighbourIndex) : nullptr;
            if (!theirs)
                return INFINITY;
            ads_point p, q;
            mine->GetWorldPoint(p);
            theirs->GetWorldPoint(q);
            widest = std::max(widest, std::hypot(p[0] - q[0], p[1] - q[1]));
            ++*joints;
        }
        return widest;
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

// Every type that fits between two picks takes its sizes from them, and is
// judged at those sizes: it fills the gap it has at the runs' size, not the
// one it has at its own default sizes, and it is joined only where its ends
// meet the runs'.
TEST_F(PlaceElementTest, BetweenTwoPicksAFittingIsJudgedAtTheSizesItTakes) {
    const End r200{kShapeRound, 200, 200}, r250{kShapeRound, 250, 250}, rect{kShapeRect, 500, 250};
    const struct {
        int code;
        int16_t subtype;
        const char* name;
        End from, to;
        double offset, fits, refused;  // refused 0: no gap to refuse
        double meet;  // how far apart the joined ends may lie
    } cases[] = {
        {kLnvf, 1, "SPIRO", r200, r200, 0, 2500, 0, 1e-6},
        {kLnvf, 5, "VF-06", r200, r200, 0, 340, 240, 1e-6},
        {kLnvf, 6, "VF-07", r200, r200, 0, 340, 240, 1e-6},
        {kLnvf, 7, "VF-08", r200, r250, 0, 300, 60, 1e-6},  // below its two collars
        {kLnvf, 8, "VF-09", r250, r200, 25, 300, 60, 1e-6},
        {kLnvf, 9, "VF-10", r200, r200, 0, 260, 60, 1e-6},  // 60: no diameter yet
        {kLnvf, 10, "VF-11/12", r200, r200, 0, 290, 390, 1e-6},
        {kLnvf, 14, "VF-20", r200, r200, 0, 414, 272, 0.5},  // 413.55 long, fits the whole gap
        {kLnvf, 15, "VF-21", r200, r200, 0, 330, 200, 1e-6},
        {kLnvf, 16, "VF-22", r200, r200, 0, 400, 200, 1e-6},
        {kLnvl, 5, "VL-05", rect, {kShapeRect, 400, 200}, 0, 700, 0, 1e-6},
        {kLnvl, 8, "VL-08", rect, r250, 0, 700, 0, 1e-6},
    };
    double y = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PickRunsApart(y, c.from, c.to, c.fits, c.offset);
        size_t before = StoredElements().size();
        Transcript();
        Place(c.code, c.subtype);
        EXPECT_FALSE(Said("No element of this type fits"));
        EXPECT_EQ(StoredElements().size(), before + 1);
        int joints = 0;
        EXPECT_LE(WidestJoint(state->currentEntity, &joints), c.meet);
        EXPECT_EQ(joints, 2);
        y += 2000;
        if (c.refused == 0)
            continue;
        PickRunsApart(y, c.from, c.to, c.refused, c.offset);
        before = StoredElements().size();
        Place(c.code, c.subtype);
        EXPECT_TRUE(Said("No element of this type fits"));
        EXPECT_EQ(StoredElements().size(), before);
        WidestJoint(state->firstPick, &joints);
        EXPECT_EQ(joints, 0);
        WidestJoint(state->secondPick, &joints);
        EXPECT_EQ(joints, 0);
        y += 2000;
    }
}

TEST_F(PlaceElementTest, ALongGapIsLaidInWholePiecesAndAnAbsurdOneIsRefusedBeforeLaying) {
    // Pieces of 50: a gap of 80 m takes 1600 of them.  Each is an element of
    // its own; the last takes the rest, never a run of many pieces that its
    // data could not hold.
    state->defaults.rectPieceLength = 50;
    const End rect{kShapeRect, 400, 300};
    PickRunsApart(0, rect, rect, 80000, 0);
    size_t before = StoredElements().size();
    Transcript();
    Place(kLnvl, kVl01);
    EXPECT_FALSE(Said("No element of this type fits")) << Transcript();
    auto stored = StoredElements();
    ASSERT_EQ(stored.size(), before + 1600);
    int freeEnds = 0;
    for (size_t n = before; n < stored.size(); ++n) {
        EXPECT_LE(stored[n].values[2], 50) << n;
        freeEnds += 2 - stored[n].joined;
    }
    EXPECT_EQ(freeEnds, 0);
    int joints = 0;
    WidestJoint(state->secondPick, &joints);
    EXPECT_EQ(joints, 1);

    // 2000 km in pieces of 50 is no run anybody lays: refused with a word.
    PickRunsApart(5000, rect, rect, 2e6, 0);
    before = StoredElements().size();
    Transcript();
    Place(kLnvl, kVl01);
    EXPECT_TRUE(Said("would take more than 20000 pieces: nothing was laid"));
    EXPECT_FALSE(Said("No element of this type fits"));
    EXPECT_EQ(StoredElements().size(), before);
    WidestJoint(state->firstPick, &joints);
    EXPECT_EQ(joints, 0);
    WidestJoint(state->secondPick, &joints);
    EXPECT_EQ(joints, 0);
}
