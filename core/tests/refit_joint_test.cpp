// Fitting the current element between two fixed connectors: stretched to
// the gap, or laid as standard pieces; the piece rule and the rounding it
// uses.
#include "fixtures.h"
#include "core/refit_joint.h"
#include "core/rounding.h"
#include "core/run_split.h"

namespace {
// The row of a straight piece laid in the drawing's rectangular pieces.
LTypeDescriptor* PieceRow() {
    static LTypeDescriptor row;
    row.flags = kTypeStandardPiece;
    row.pieceShape = kShapeRect;
    row.lengthParam = 2;
    return &row;
}

class RefitTest : public JointDrawingTest {
protected:
    void SetUp() override {
        JointDrawingTest::SetUp();
        a = std::make_unique<TestDuct>();
        b = std::make_unique<TestDuct>();
        owned = std::make_unique<TestDuct>(1, 1, PieceRow());
        current = owned.get();
    }
    void TearDown() override {
        a.reset();
        b.reset();
        owned.reset();
        JointDrawingTest::TearDown();
    }

    // a at the origin (its end at 1000), b's start at (x, y), both turned.
    void Place(double x, double y, double turn = 0) {
        a->SetRotation(turn);
        ads_point at = {x, y, 0};
        b->SetInsertionPoint(at);
        b->SetRotation(turn);
        ASSERT_EQ(a->Insert(15), 0) << host::api::lastError();
        ASSERT_EQ(b->Insert(15), 0) << host::api::lastError();
    }

    // Lengths of the elements met walking from a's end to b through the
    // drawing, read back from each insert.
    std::vector<double> Chain() {
        std::vector<double> lengths;
        LObject* at = LoadElementFromEntity(a->entity);
        int16_t out = 1;
        std::string bHandle = b->HandleText();
        for (int guard = 0; at && guard < 20; ++guard) {
            LObject* next = at->LoadNeighbour(out);
            DestroyElement(at);
            at = next;
            if (!at || bHandle == at->HandleText())
                break;
            lengths.push_back(static_cast<TestDuct*>(at)->Length());
        }
        DestroyElement(at);
        return lengths;
    }

    std::unique_ptr<TestDuct> a, b, owned;
    TestDuct* current = nullptr;
};

TEST_F(RefitTest, LongDuctLaidAsStandardPieces) {
    state->defaults.rectPieceLength = 1500;
    Place(5000, 0);
    ASSERT_EQ(RefitJoint(1, current, a.get(), b.get(), 1, 0, 0, 1), 0);
    EXPECT_EQ(current->Length(), 1000);
    EXPECT_EQ(Chain(), std::vector<double>({1500, 1500, 1000}));
    EXPECT_STREQ(b->GetConnector(0)->neighbourHandle, current->HandleText());
}

TEST_F(RefitTest, RemainderEqualToThePieceStops) {
    state->defaults.rectPieceLength = 1500;
    Place(4000, 0);
    ASSERT_EQ(RefitJoint(1, current, a.get(), b.get(), 1, 0, 0, 1), 0);
    EXPECT_EQ(Chain(), std::vector<double>({1500, 1500}));
}

TEST_F(RefitTest, PieceLengthOfZeroTakesTheDefaultPiece) {
    state->defaults.rectPieceLength = 0;
    Place(5000, 0);
    ASSERT_EQ(RefitJoint(1, current, a.get(), b.get(), 1, 0, 0, 1), 0);
    EXPECT_EQ(Chain(), std::vector<double>({1500, 1500, 1000}));
}

TEST_F(RefitTest, TypeWithoutPiecesIsStretched) {
    current->descriptor = nullptr;
    Place(5000, 0);
    ASSERT_EQ(RefitJoint(1, current, a.get(), b.get(), 1, 0, 0, 1), 0);
    EXPECT_EQ(current->Length(), 4000);
}

TEST_F(RefitTest, StretchedBetweenTheConnectors) {
    Place(1010.5, 0);
    ASSERT_EQ(current->Insert(15), 0);  // re-fitting works on an element in the drawing
    ASSERT_EQ(RefitJoint(0, current, a.get(), b.get(), 1, 0, 0, 1), 0);
    EXPECT_EQ(current->Length(), 11);  // whole numbers, halves away from zero
    EXPECT_EQ(Chain(), std::vector<double>({11}));
    EXPECT_STREQ(a->GetConnector(1)->neighbourHandle, current->HandleText());
    EXPECT_EQ(b->GetConnector(0)->neighbourIndex, 1);
}

TEST_F(RefitTest, VerticalGapTakenAlongItsLength) {
    Place(0, 3000, kHalfPi);
    ASSERT_EQ(RefitJoint(0, current, a.get(), b.get(), 1, 0, 0, 1), 0);
    EXPECT_EQ(current->Length(), 2000);
}

TEST_F(RefitTest, RefusalsChangeNothing) {
    Place(5000, 0);
    current->GetConnector(0)->shape = kShapeRound;
    EXPECT_EQ(RefitJoint(1, current, a.get(), b.get(), 1, 0, 0, 1), -1);
    current->GetConnector(0)->shape = kShapeRect;
    Place(5000, 300);  // a sideways offset the duct cannot bridge
    EXPECT_EQ(RefitJoint(1, current, a.get(), b.get(), 1, 0, 0, 1), -1);
    EXPECT_TRUE(ads_name_nil(current->entity));
    EXPECT_TRUE(a->GetConnector(1)->IsFree());
    EXPECT_EQ(RefitJoint(1, current, a.get(), b.get(), 1, 0, 0, 7), -1);
}
}  // namespace

TEST(PieceRule, WholePiecesAndRoundedRestNothingCutByBadLengths) {
    // A run of more pieces than a joint is laid with stays uncut: a stored
    // length of 1e9 or a piece of next to nothing gives one piece, never
    // thousands of labels.
    const struct { double length, piece; int pieces, rest; bool uncut; } cases[] = {
        {4000, 1500, 2, 1000, false}, {3000.5, 1500, 2, 1, false}, {1499.4, 1500, 0, 1499, false},
        {4000, 0, 0, 4000, false}, {4000, -1500, 0, 4000, false}, {4000, NAN, 0, 4000, false},
        {4000, INFINITY, 0, 4000, false}, {-5, 1500, 0, -5, false}, {NAN, 1500, 0, 0, false},
        {kMaxPieces * 1500.0 + 49, 1500, kMaxPieces, 49, false},
        {(kMaxPieces + 1) * 1500.0, 1500, 0, INT16_MAX, true},
        {1e12, 1, 0, INT16_MAX, true}, {1e9, 1500, 0, INT16_MAX, true},
        {6000, 4.9e-324, 0, 6000, true}, {6000, 1e-300, 0, 6000, true}};
    for (const auto& c : cases) {
        PieceSplit s = SplitIntoPieces(c.length, c.piece);
        EXPECT_EQ(s.pieces, c.pieces) << c.length << " by " << c.piece;
        EXPECT_EQ(s.rest, c.rest) << c.length << " by " << c.piece;
        EXPECT_EQ(s.uncut, c.uncut) << c.length << " by " << c.piece;
    }
}

TEST(Rounding, HalvesGoAwayFromZeroAndShortsStayInRange) {
    const struct { double value, rounded; } doubles[] = {{2.5, 3}, {-2.5, -3}, {2.4, 2}, {-0.6, -1}, {-0.4, 0}};
    for (const auto& c : doubles)
        EXPECT_EQ(RoundToDouble(c.value), c.rounded) << c.value;
    const struct { double value; int16_t rounded; } shorts[] = {
        {10.5, 11}, {-10.5, -11}, {1e9, INT16_MAX}, {-1e9, INT16_MIN}, {NAN, 0}, {32767.4, 32767}};
    for (const auto& c : shorts)
        EXPECT_EQ(RoundToShort(c.value), c.rounded) << c.value;
}

TEST(GlobalMode, OnlyRelabelIsSpecial) {
    EXPECT_EQ(GetGlobalMode(), kModeNormal);
    SetGlobalMode(129);
    EXPECT_EQ(GetGlobalMode(), 129);
    SetGlobalMode(5);
    EXPECT_EQ(GetGlobalMode(), 128);
}
