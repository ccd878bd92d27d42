// Connectors: geometry by view key, the cyclic searches, fitting, joining,
// the facing test, and the symbols drawn into an element's block (end
// outlines with their extension, the filled corner of a face-on end,
// far-side marks).
#include "fixtures.h"
#include "core/placement_geometry.h"

namespace {
TEST(ConnectorGeometry, SizeByViewKey) {
    // (orientation, side) -> whether the view shows (b, a).
    const struct { int16_t o, s; bool swapped; } cases[] = {
        {0, 0, true}, {0, 1, false}, {0, 2, false}, {1, 0, false}, {1, 1, true},
        {1, 2, true}, {2, 0, true},  {2, 1, true},  {2, 2, true},  {3, 5, false},
    };
    for (const auto& c : cases) {
        TestElement e(1, 1, 1, 2);
        e.orientation = c.o;
        LConnector* k = e.GetConnector(0);
        k->side = c.s;
        k->a = 300;
        k->b = 100;
        k->paramA = 0;
        k->paramB = 1;
        double w = 0, h = 0;
        k->GetSize(&w, &h);
        EXPECT_EQ(w, c.swapped ? 100 : 300) << c.o << "/" << c.s;
        EXPECT_EQ(h, c.swapped ? 300 : 100) << c.o << "/" << c.s;
        // SetSize is the inverse: the same view size writes a and b back.
        double params[2] = {0, 0};
        int16_t flags[2] = {0, 0};
        ASSERT_EQ(k->SetSize(params, flags, w, h), 0);
        EXPECT_EQ(params[0], 300);
        EXPECT_EQ(params[1], 100);
    }
    LConnector round;
    round.shape = kShapeRound;
    round.a = 250;
    double w = 0, h = 0;
    round.GetSize(&w, &h);
    EXPECT_EQ(w, 250);
    EXPECT_EQ(h, 250);
}

TEST(ConnectorGeometry, DirectionAngles) {
    const double pi = kPi, half = kHalfPi;
    const struct { int16_t o, s; double turn, second, expected; } cases[] = {
        {0, 2, 0, 0, 0},           {0, 5, 0, 0, pi},          {0, 1, 0, 0, 4.71238898025},
        {0, 4, 0, 0, half},        {0, 1, 0.1, 0, 4.71238898025 + 0.1},
        {3, 1, 0.1, 0, 4.71238898025 - 0.1},  // key 1 drops the base; the turn is subtracted
        {1, 0, 0, 0.2, half - 0.2}, {4, 0, 0, 0.2, half + 0.2}, {1, 3, 0, 0.2, half - 0.2 + pi},
        {1, 2, 0, 0, 0},           {1, 5, 0, 0, pi},           {2, 1, 0, 0, pi},
        {5, 1, 0, 0, 2 * pi},      {0, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        TestElement e(1, 1, 1, 0);
        e.orientation = c.o;
        LConnector* k = e.GetConnector(0);
        k->side = c.s;
        k->angle = c.turn;
        k->secondAngle = c.second;
        EXPECT_NEAR(k->GetAngle(), c.expected, 1e-12) << c.o << "/" << c.s;
    }
    LConnector alone;
    alone.angle = 1.25;
    EXPECT_EQ(alone.GetAngle(), 1.25);
}

TEST(ConnectorGeometry, OffsetAndWorldPoint) {
    TestElement e(1, 1, 1, 0);
    LConnector* k = e.GetConnector(0);
    SetPoint3d(k->position, 10, 20, 30);
    ads_point p;
    const struct { int16_t o; double x, y; } cases[] = {{0, 10, 20}, {1, 10, 30}, {2, 20, 30}, {3, -10, 20},
                                                        {4, -10, 30}, {5, -20, 30}};
    for (const auto& c : cases) {
        e.orientation = c.o;
        k->GetOffset(p);
        EXPECT_EQ(p[0], c.x);
        EXPECT_EQ(p[1], c.y);
    }
    e.orientation = 0;
    e.SetRotation(kHalfPi);
    ads_point at = {100, 100, 0};
    e.SetInsertionPoint(at);
    k->GetWorldPoint(p);
    ExpectXY(p, 80, 110, 1e-6);
    LConnector alone;
    SetPoint3d(p, 7, 7, 7);
    alone.GetWorldPoint(p);
    EXPECT_EQ(p[0], 7);  // untouched without an owner
}

TEST(ConnectorSearch, CyclicOrderTriesStartLast) {
    TestElement e(1, 5, 3, 2);  // three rectangular connectors on side 1
    for (int16_t i = 0; i < 3; ++i)
        e.GetConnector(i)->side = 1;
    e.GetConnector(1)->neighbourHandle = CopyHandleText("1A");
    EXPECT_EQ(e.NextFreeConnector(-1, -1), 0);
    EXPECT_EQ(e.NextFreeConnector(0, -1), 2);
    EXPECT_EQ(e.NextFreeConnector(2, -1), 0);
    EXPECT_EQ(e.NextConnectedConnector(-1, -1), 1);
    EXPECT_EQ(e.CountFreeConnectors(-1), 2);
    EXPECT_EQ(e.CountConnectedConnectors(kShapeRect), 1);
    EXPECT_EQ(e.CountFreeConnectors(kShapeRound), 0);
    e.GetConnector(0)->neighbourHandle = CopyHandleText("1B");
    e.GetConnector(2)->neighbourHandle = CopyHandleText("1C");
    e.GetConnector(1)->Clear();
    EXPECT_EQ(e.NextFreeConnector(1, -1), 1);
    // A connector on the orientation axis is free only for the any-axis search.
    e.GetConnector(1)->side = 3;
    EXPECT_EQ(e.NextFreeConnector(-1, -1), -1);
    EXPECT_EQ(e.NextFreeConnectorAnyAxis(-1, -1), 1);
    TestElement none(1, 1, 0, 0);
    EXPECT_EQ(none.NextFreeConnector(-1, -1), -1);
}

using JointTest = JointDrawingTest;

TEST_F(JointTest, FitToElementTakesSizeAndPlace) {
    TestDuct a, b;
    double sizes[3] = {300, 150, 1000};
    a.SetParams(sizes);
    ads_point at = {100, 50, 0};
    a.SetInsertionPoint(at);
    a.SetRotation(0.5);
    ASSERT_EQ(b.FitToElement(&a, 0, 1), 0);
    EXPECT_EQ(b.values[0], 300);
    EXPECT_EQ(b.values[1], 150);
    ads_point pa, pb;
    a.GetConnector(1)->GetWorldPoint(pa);
    b.GetConnector(0)->GetWorldPoint(pb);
    ExpectXY(pa, pb[0], pb[1], 1e-6);
    EXPECT_EQ(CheckConnectorsFacing(0, &a, &b, 1, 0), 0);
    // A round target, or a connector on the axis, is refused unchanged.
    double before = b.GetRotation();
    a.GetConnector(1)->shape = kShapeRound;
    EXPECT_EQ(b.FitToElement(&a, 0, 1), -1);
    a.GetConnector(1)->shape = kShapeRect;
    a.orientation = 2;
    EXPECT_EQ(b.FitToElement(&a, 0, 1), -1);
    EXPECT_EQ(b.GetRotation(), before);
}

TEST_F(JointTest, FitToStandAloneConnector) {
    TestDuct e;
    LConnector start;
    start.shape = kShapeRect;
    start.a = 400;
    start.b = 200;
    start.angle = kHalfPi;
    start.flow = 900;
    SetPoint3d(start.position, 10, 20, 0);
    ASSERT_EQ(e.FitToConnector(&start, 0), 0);
    EXPECT_EQ(e.values[0], 400);
    EXPECT_EQ(e.values[1], 200);
    EXPECT_EQ(e.GetConnector(0)->flow, 900);
    EXPECT_EQ(e.GetConnector(1)->flow, 900);
    ads_point p;
    e.GetConnector(0)->GetWorldPoint(p);
    ExpectXY(p, 10, 20);
    start.shape = kShapeRound;
    EXPECT_EQ(e.FitToConnector(&start, 0), -1);
}

TEST_F(JointTest, ConnectAndDisconnectBothWays) {
    TestDuct a, b;
    SetElementHandle(&a, "2A");
    SetElementHandle(&b, "2B");
    b.GetConnector(0)->flow = 400;
    a.GetConnector(1)->flow = 400;
    EXPECT_EQ(a.Connect(&b, 1, 0), 0);
    EXPECT_STREQ(a.GetConnector(1)->neighbourHandle, "2B");
    EXPECT_EQ(a.GetConnector(1)->neighbourIndex, 0);
    EXPECT_EQ(a.GetConnector(1)->neighbour, &b);
    EXPECT_STREQ(b.GetConnector(0)->neighbourHandle, "2A");
    EXPECT_EQ(b.GetConnector(0)->neighbourIndex, 1);
    EXPECT_EQ(a.GetConnector(0)->flow, 400);
    EXPECT_EQ(a.GetFlow(), 400);
    // Separating a free connector does nothing, not even on the other side.
    EXPECT_EQ(a.Disconnect(&b, 0, 0), 0);
    EXPECT_FALSE(b.GetConnector(0)->IsFree());
    EXPECT_EQ(a.Disconnect(&b, 1, 0), 0);
    EXPECT_TRUE(a.GetConnector(1)->IsFree());
    EXPECT_TRUE(b.GetConnector(0)->IsFree());
    EXPECT_EQ(b.GetConnector(0)->neighbourIndex, -1);
    EXPECT_EQ(b.GetConnector(0)->neighbour, nullptr);
}

// A fitting of three ends put between two runs is joined twice: the air
// it took at the first joint stays when it is joined at the second, and its
// free end waits for the user's split.
TEST_F(JointTest, ASecondJointKeepsTheAirOfTheFirst) {
    TestElement tee(2, 5, 3, 0);
    TestDuct up, down;
    SetElementHandle(&tee, "2A");
    SetElementHandle(&up, "2B");
    SetElementHandle(&down, "2C");
    up.GetConnector(1)->flow = 600;
    down.GetConnector(0)->flow = 450;
    tee.GetConnector(2)->flow = 150;
    EXPECT_EQ(tee.Connect(&up, 0, 1), 0);
    EXPECT_EQ(tee.Connect(&down, 1, 0), 0);
    EXPECT_EQ(tee.GetConnector(0)->flow, 600);
    EXPECT_EQ(tee.GetConnector(1)->flow, 450);
    EXPECT_EQ(tee.GetConnector(2)->flow, 0);
}

TEST_F(JointTest, FacingWithinAThousandthOfPi) {
    TestDuct a, b;
    ads_point ahead = {1500, 0, 0};
    b.SetInsertionPoint(ahead);
    const struct { double turn; int16_t result; } cases[] = {
        {0.9 * kPi / 1000, 0}, {-0.9 * kPi / 1000, 0}, {-1.1 * kPi / 1000, -1}, {0.0, 0}, {0.5, -1}};
    for (const auto& c : cases) {
        b.SetRotation(c.turn);
        EXPECT_EQ(CheckConnectorsFacing(0, &a, &b, 1, 0), c.result) << c.turn;
    }
    b.SetRotation(0);
    EXPECT_EQ(CheckConnectorsFacing(1, &a, &b, 1, 0), 0);
    EXPECT_EQ(CheckConnectorsFacing(2, &a, &b, 1, 0), -1);
    int16_t i = -1, j = -1;
    ASSERT_EQ(FindFacingFreeConnectors(&a, &b, &i, &j), 0);
    EXPECT_EQ(i, 1);
    EXPECT_EQ(j, 0);
    // Behind a's end the pair faces but does not lie in front.
    ads_point behind = {500, 0, 0};
    b.SetInsertionPoint(behind);
    EXPECT_EQ(CheckConnectorsFacing(0, &a, &b, 1, 0), 0);
    EXPECT_EQ(CheckConnectorsFacing(1, &a, &b, 1, 0), -1);
    EXPECT_EQ(FindFacingFreeConnectors(&a, &b, &i, &j), -1);
}

class SymbolTest : public JointDrawingTest {
protected:
    void SetUp() override {
        JointDrawingTest::SetUp();
        AddLinetype(L"SZAGGATOTT");  // the marks' linetype
    }

    // Draws into a new block; keeps its entities and their types.
    template <class Drawing>
    void Draw(Drawing draw) {
        ads_point o = {0, 0, 0};
        char name[kBlockNameSize] = "";
        BeginAnonymousBlock(o);
        draw();
        ASSERT_EQ(EndAnonymousBlock(name, sizeof name), RTNORM);
        drawn = BlockEntities(name);
        types.clear();
        for (const BlockEntity& e : drawn)
            types.push_back(e.type);
    }

    std::vector<BlockEntity> drawn;
    std::vector<std::string> types;
};

TEST_F(SymbolTest, RoundEdgeOnEndExtendedAbove800) {
    TestDuct e;
    LConnector* c = e.GetConnector(0);
    c->shape = kShapeRound;
    for (double d : {800.0, 801.0}) {
        c->a = d;
        Draw([&] { c->DrawEnd(50, 0); });
        ASSERT_EQ(types, std::vector<std::string>({"LINE"}));
        EXPECT_NEAR(drawn[0].length, d > 800 ? d + 100 : d, 1e-9);
    }
}

TEST_F(SymbolTest, FaceOnEndsAndFarSideMarks) {
    TestDuct e;
    e.GetConnector(0)->side = 0;  // towards the viewer
    e.GetConnector(1)->side = 3;  // the far side
    Draw([&] { e.DrawConnectorEnds(20, 1); });
    // Inner outline, filled corner, outer outline; then the far-side mark.
    ASSERT_EQ(types.size(), 11u);
    EXPECT_EQ(types[4], "SOLID");
    EXPECT_EQ(types[9], "LINE");
    Draw([&] { e.DrawConnectorSymbols(20, 0, 0); });
    EXPECT_EQ(types.size(), 8u);  // no solid, no mark
    e.GetConnector(1)->shape = kShapeRound;
    Draw([&] { e.GetConnector(1)->DrawMark(); });
    EXPECT_EQ(types, std::vector<std::string>({"ELLIPSE"}));
    e.GetConnector(1)->neighbourHandle = CopyHandleText("2F");
    Draw([&] { e.GetConnector(1)->DrawMark(); });
    EXPECT_TRUE(types.empty());  // a joined round end has no mark
}
}  // namespace

namespace {
TEST_F(SymbolTest, RoundEndsAtAnySlantStillDrawTheirEllipses) {
    // The cosine of the slant is the ellipse's ratio: near and past a right
    // angle it is nearly 0 or negative, which the host does not hold as it is.
    TestDuct e;
    LConnector* c = e.GetConnector(0);
    c->shape = kShapeRound;
    c->side = 0;
    c->a = 250;
    for (double slant : {0.3, kPi / 2 - 1e-9, kPi / 2, 2.0}) {
        c->angle = slant;
        Draw([&] { c->DrawEnd(20, 1); });
        EXPECT_EQ(types, std::vector<std::string>({"ELLIPSE", "ELLIPSE"})) << slant;
    }
}
}  // namespace
