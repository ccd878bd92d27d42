// Path elements placed at the current element and between two picks, the
// corner closing, and connector-0 elements, with the test elements.
#include <cmath>

#include "app/place_path.h"
#include "core/element_load.h"
#include "core/anonymous_block.h"
#include "core/draw_neutral.h"
#include "core/element_factory.h"
#include "module_fixture.h"

namespace {

// Test elements for the placement kinds the real classes do not have yet: a
// flexible duct whose path is entered point by point (kind 4), and an element
// fitted by its connector 0 (kind 8).  Both are round, of one diameter.
class RoundTestElement : public LObject {
public:
    RoundTestElement(uint16_t f, uint16_t s, int16_t connectorTotal) : LObject(f, s, connectorTotal, 1, nullptr) {
        for (int i = 0; i < connectorCount; ++i) {
            connectors[i] = new LConnector;
            connectors[i]->owner = this;
            connectors[i]->shape = kShapeRound;
            connectors[i]->paramA = 0;
            connectors[i]->a = diameter;
        }
        connectors[0]->side = 5;
    }
    int16_t MakeBlock(char* name) override {
        ads_point o = {0, 0, 0}, p = {diameter, 0, 0};
        BeginAnonymousBlock(o);
        MakeLine(o, p);
        return EndAnonymousBlock(name, kBlockNameSize) == RTNORM ? 0 : -1;
    }
    int16_t MarkFixedParams(int16_t*) override { return -1; }
    int16_t GetParams(double** out) override {
        *out = new double[1]{diameter};
        return 0;
    }
    int16_t SetParams(const double* in) override {
        if (in[0] > 0)
            diameter = in[0];
        for (int i = 0; i < connectorCount; ++i)
            connectors[i]->a = diameter;
        return 0;
    }
    double GetDimensionOffset() override { return 0; }
    int16_t UpdateLabel() override { return 0; }
    double diameter = 250;
};

// The path turns at most a right angle from the element's x axis and
// refuses empty segments; closing at a point is accepted while
// acceptClosing holds.
class TestFlexDuct : public RoundTestElement {
public:
    TestFlexDuct() : RoundTestElement(2, 2, 2) {
        kind = kKindPath;
        connectors[1]->side = 2;
    }
    ~TestFlexDuct() override { while (RemoveLastSegment() == 0) {} }
    LPathNode* GetPath() override { return head; }
    int16_t AddPathSegment(const ads_point offset, double angle) override {
        if (std::hypot(offset[0], offset[1]) < 1e-6 || std::fabs(std::remainder(angle, 2 * M_PI)) > M_PI / 2 + 1e-9)
            return -1;
        LPathNode* node = new LPathNode;
        node->angle = angle;
        for (int k = 0; k < 3; ++k)
            node->offset[k] = offset[k];
        LPathNode** link = &head;
        while (*link)
            link = &(*link)->next;
        *link = node;
        return 0;
    }
    int16_t AddPathPoint(const ads_point target, double) override {
        return acceptClosing ? AddPathSegment(target, 0) : -1;
    }
    int16_t RemoveLastSegment() override {
        if (!head)
            return -1;
        LPathNode** link = &head;
        while ((*link)->next)
            link = &(*link)->next;
        delete *link;
        *link = nullptr;
        return 0;
    }
    int Segments() const {
        int n = 0;
        for (LPathNode* p = head; p; p = p->next)
            ++n;
        return n;
    }
    static inline bool acceptClosing = true;
    LPathNode* head = nullptr;
};

class TestCap : public RoundTestElement {
public:
    TestCap() : RoundTestElement(2, 3, 1) { kind = 8; }
};

// The real classes, and the test elements as round subtypes 2 and 3.
LObject* MakeWithTestElements(int16_t family, uint16_t subtype) {
    if (family == 2 && subtype == 2)
        return new TestFlexDuct;
    if (family == 2 && subtype == 3)
        return new TestCap;
    return CreateElement(family, subtype);
}

enum : int16_t { kSpiro = 1, kFlex = 2, kCap = 3 };

class PlacePathTest : public PlacementTest {
protected:
    void SetUp() override {
        PlacementTest::SetUp();
        SetElementMaker(MakeWithTestElements);
        TestFlexDuct::acceptClosing = true;
    }
    void Place(int16_t subtype, const std::string& lines = "") { PlacementTest::Place(kLnvf, subtype, lines); }
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
    // Next: the second spiral duct has no other free connector; the same
    // point again (an empty segment) and a turn back are refused.
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

TEST_F(PlacePathTest, APointThePathCannotStoreIsRefusedAndThePathKeepsWhatItHas) {
    // Every node takes room in the element's data; past what the drawing
    // stores for one element, a point is refused with a word, and the path
    // in the drawing and the one laid on are the same.
    ads_name spiro;
    Spiro(0, 0, 0, spiro);
    std::string points;
    const int given = 500;
    for (int i = 0; i < given; ++i)
        points += std::to_string(10000 + 100 * i) + "," + std::to_string(i % 2 * 50) + "\n";
    Transcript();
    Place(kFlex, points + "^C\n");
    std::string said = Transcript();
    size_t refused = Count(said, "that point is refused");
    EXPECT_GT(refused, 0u) << said;
    ads_name path;
    ads_name_set(state->currentEntity, path);
    int stored = PathSegments(path);
    // The first point laid a segment; each further one was laid or refused.
    EXPECT_EQ(static_cast<size_t>(stored) + refused, Count(said, "Next point of the path: "));
    EXPECT_GT(stored, 400);
    ASSERT_NE(state->current, nullptr);
    EXPECT_EQ(static_cast<TestFlexDuct*>(state->current)->Segments(), stored);
}
