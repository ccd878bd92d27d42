// Networks laid in a drawing whose insertion scale is not 1: every element
// keeps its real sizes and is drawn scaled, so the same input given at the
// scale lays what it lays at full size, drawn that many times as large.
#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "ads_entity.h"
#include "app/command_bodies.h"
#include "app/continue_placement.h"
#include "app/place_support.h"
#include "core/element_load.h"
#include "core/insert_defaults.h"
#include "io/io.h"
#include "module_fixture.h"

namespace {

enum Subtype : int16_t { kVl01 = 1, kVl02 = 2, kCsd = 1, kSpiro = 1, kFlex = 2 };

constexpr double kScales[] = {1.0, 0.02, 2.0};

// How far apart two points that meet may lie: the turns of the element
// core's rounded angle constants leave some millionths at full size.
double Tolerance(double s) { return 1e-5 * std::max(1.0, s); }

// A point of the drawing as an input line.
std::string At(double x, double y) {
    std::ostringstream out;
    out.precision(17);
    out << x << ',' << y << '\n';
    return out.str();
}

// What a drawing holds, with its points taken back to full size.
struct Laid {
    std::vector<int> types;  // family * 100 + subtype
    std::vector<std::vector<double>> values;
    std::vector<double> x, y;
};

class InsertScaleTest : public PlacementTest {
protected:
    // A fresh session and drawing, holding no element, at the scale.
    void StartAgain(double s) {
        TearDown();
        SetUp();
        state->defaults.insertScale = AcGeScale3d(s, s, s);
        SetCurrentInsertScale(state->defaults.insertScale);
    }
    int Continue(const std::string& lines) {
        host::io::setScript(lines);
        return ContinuePlacement();
    }
    // The world point and direction of the free connector that the next
    // placement at the current element takes.
    void NextFreeEnd(ads_point p, double* direction) {
        LObject* current = state->current;
        ASSERT_NE(current, nullptr);
        int16_t n = current->NextFreeConnector(ConnectorSearchStart(), -1);
        ASSERT_NE(n, -1);
        ConnectorPoint(current, n, p);
        *direction = ConnectorDirection(current, n);
    }
    // A continuous run of `drawn` drawing units from the current element's
    // free end, straight on.
    void RunOn(double drawn) {
        ads_point p0;
        double c = 0;
        NextFreeEnd(p0, &c);
        EXPECT_EQ(Continue(At(p0[0] + drawn * std::cos(c), p0[1] + drawn * std::sin(c)) + "^C\n"), 0);
    }
    // The drawing's elements with their points taken back to full size.
    static Laid TakeBack(double s) {
        Laid laid;
        for (const auto& e : StoredElements()) {
            laid.types.push_back(e.family * 100 + e.subtype);
            laid.values.push_back(e.values);
            laid.x.push_back(e.x / s);
            laid.y.push_back(e.y / s);
        }
        return laid;
    }
    // The sum of one value over the stored elements from `first` on.
    static double SumOf(size_t param, size_t first) {
        double sum = 0;
        auto stored = StoredElements();
        for (size_t k = first; k < stored.size(); ++k)
            sum += stored[k].values.at(param);
        return sum;
    }
};

// Every element of the drawing, loaded, in drawing order.
std::vector<ElementPtr> DrawnElements() {
    std::vector<ElementPtr> out;
    ads_name e;
    for (int status = acdbEntNext(nullptr, e); status == RTNORM;) {
        if (LObject* read = LoadElementFromEntity(e))
            out.emplace_back(read);
        ads_name next;
        status = acdbEntNext(e, next);
        ads_name_set(next, e);
    }
    return out;
}

double Distance(const ads_point p, const ads_point q) { return std::hypot(p[0] - q[0], p[1] - q[1]); }

// The widest gap between the two world points of any joint of the drawing
// (each joint seen from both of its elements), and how many were seen.
double WidestJointGap(int* joints) {
    double widest = 0;
    *joints = 0;
    for (const ElementPtr& e : DrawnElements()) {
        for (int16_t i = 0; i < e->GetConnectorCount(); ++i) {
            LConnector* mine = e->GetConnector(i);
            if (!mine || mine->IsFree())
                continue;
            ElementPtr other(e->LoadNeighbour(i));
            LConnector* theirs = other ? other->GetConnector(mine->neighbourIndex) : nullptr;
            if (!theirs)
                return INFINITY;
            ads_point p = {0, 0, 0}, q = {0, 0, 0};
            mine->GetWorldPoint(p);
            theirs->GetWorldPoint(q);
            widest = std::max(widest, Distance(p, q));
            ++*joints;
        }
    }
    return widest;
}

// The drawing at scale s is the one at scale 1, drawn s times as large.
void ExpectSameAsFullSize(const Laid& full, const Laid& scaled, double s) {
    ASSERT_EQ(scaled.types, full.types) << "scale " << s;
    EXPECT_EQ(scaled.values, full.values) << "scale " << s;
    for (size_t k = 0; k < full.x.size(); ++k) {
        EXPECT_NEAR(scaled.x[k], full.x[k], 1e-6) << "scale " << s << ", element " << k;
        EXPECT_NEAR(scaled.y[k], full.y[k], 1e-6) << "scale " << s << ", element " << k;
    }
}

} // namespace

// From the start point: a run, an elbow, a run on from the elbow and a
// grille on the last piece.
TEST_F(InsertScaleTest, RunsFittingsAndGrillesAreTheFullSizeNetworkDrawnAtTheScale) {
    Laid full;
    for (double s : kScales) {
        SCOPED_TRACE(testing::Message() << "scale " << s);
        StartAgain(s);
        SetStart(0, 0, 0, kShapeRect, 400, 300);
        ASSERT_EQ(Continue(At(3700 * s, 0) + "^C\n"), 0);
        // The run holds the drawn distance divided by the scale.
        EXPECT_EQ(SumOf(2, 0), 3700);
        EXPECT_EQ(StoredElements().size(), 3u);
        // Its first piece starts at the start point.
        {
            auto drawn = DrawnElements();
            ASSERT_FALSE(drawn.empty());
            LObject* first = drawn.front().get();
            int16_t free = first->NextFreeConnector(-1, -1);
            ASSERT_NE(free, -1);
            ads_point p = {1, 1, 1}, origin = {0, 0, 0};
            first->GetConnector(free)->GetWorldPoint(p);
            EXPECT_LT(Distance(p, origin), 1e-9);
        }
        Place(kLnvl, kVl02);
        size_t before = StoredElements().size();
        RunOn(2000 * s);
        EXPECT_EQ(SumOf(2, before), 2000);
        Place(kLracs, kCsd);
        int joints = 0;
        EXPECT_LT(WidestJointGap(&joints), Tolerance(s));
        EXPECT_EQ(joints, 2 * 5);  // 3 pieces, the elbow, 2 pieces: 5 joints
        Laid laid = TakeBack(s);
        if (s == 1.0)
            full = laid;
        else
            ExpectSameAsFullSize(full, laid, s);
    }
}

// A single element at the start point, then one fitted to it: both meet.
TEST_F(InsertScaleTest, PlacedElementsMeetTheStartPointAndEachOther) {
    for (double s : kScales) {
        SCOPED_TRACE(testing::Message() << "scale " << s);
        StartAgain(s);
        SetStart(100 * s, 50 * s, 1.5707963267948966, kShapeRect, 400, 300);
        Place(kLnvl, kVl01);
        Place(kLnvl, kVl02);
        auto drawn = DrawnElements();
        ASSERT_EQ(drawn.size(), 2u);
        int16_t free = drawn[0]->NextFreeConnector(-1, -1);
        ASSERT_NE(free, -1);
        ads_point p, start = {100 * s, 50 * s, 0};
        drawn[0]->GetConnector(free)->GetWorldPoint(p);
        EXPECT_LT(Distance(p, start), 1e-9);
        int joints = 0;
        EXPECT_LT(WidestJointGap(&joints), Tolerance(s));
        EXPECT_EQ(joints, 2);
    }
}

// Two ducts facing each other across a gap, picked, and a duct placed
// between them: the gap is filled with pieces that meet both.
TEST_F(InsertScaleTest, AnElementPlacedBetweenTwoPicksFillsTheGap) {
    Laid full;
    for (double s : kScales) {
        SCOPED_TRACE(testing::Message() << "scale " << s);
        StartAgain(s);
        SetStart(0, 0, 0, kShapeRect, 400, 300);
        Place(kLnvl, kVl01);
        ads_name a, b;
        ads_name_set(state->currentEntity, a);
        SetStart(8000 * s, 0, 3.141592653589793, kShapeRect, 400, 300);
        Place(kLnvl, kVl01);
        ads_name_set(state->currentEntity, b);
        ads_point ends[2];
        {
            auto drawn = DrawnElements();
            ASSERT_EQ(drawn.size(), 2u);
            for (int k = 0; k < 2; ++k) {
                int16_t free = drawn[k]->NextFreeConnector(0, -1);
                ASSERT_NE(free, -1);
                drawn[k]->GetConnector(free)->GetWorldPoint(ends[k]);
            }
        }
        ads_name_set(a, state->firstPick);
        ads_name_set(b, state->secondPick);
        state->selectionState = kTwoEntitiesPicked;
        Place(kLnvl, kVl01);
        EXPECT_EQ(state->selectionState, 2);
        // Whatever the picked ducts' length, the new ones fill what lay between.
        EXPECT_NEAR(SumOf(2, 2), Distance(ends[0], ends[1]) / s, 0.5);
        EXPECT_GT(StoredElements().size(), 3u);  // pieces and the rest
        int joints = 0;
        EXPECT_LT(WidestJointGap(&joints), Tolerance(s));
        EXPECT_EQ(joints, 2 * (static_cast<int>(StoredElements().size()) - 1));
        Laid laid = TakeBack(s);
        if (s == 1.0)
            full = laid;
        else
            ExpectSameAsFullSize(full, laid, s);
    }
}

// A flexible duct laid along picked points from a spiral duct's end, and
// one laid between two picked spiral ducts: each follows the points and
// meets its neighbours.
TEST_F(InsertScaleTest, FlexibleDuctsFollowThePickedPoints) {
    Laid full;
    for (double s : kScales) {
        SCOPED_TRACE(testing::Message() << "scale " << s);
        StartAgain(s);
        SetStart(0, 0, 0, kShapeRound, 250, 0);
        Place(kLnvf, kSpiro);
        ads_point p0;
        double c = 0;
        NextFreeEnd(p0, &c);
        // Two points ahead of the duct, given in its direction.
        auto ahead = [&](double along, double across, ads_point out) {
            out[0] = p0[0] + s * (along * std::cos(c) - across * std::sin(c));
            out[1] = p0[1] + s * (along * std::sin(c) + across * std::cos(c));
            out[2] = 0;
        };
        ads_point bend, end;
        ahead(700, 700, bend);
        ahead(2000, 700, end);
        Place(kLnvf, kFlex, At(bend[0], bend[1]) + At(end[0], end[1]) + "^C\n");
        {
            auto drawn = DrawnElements();
            ASSERT_EQ(drawn.size(), 2u);
            LObject* flex = drawn[1].get();
            ASSERT_EQ(flex->GetSubtype(), kFlex);
            ads_point last = {0, 0, 0};
            flex->GetConnector(1)->GetWorldPoint(last);
            EXPECT_LT(Distance(last, end), Tolerance(s));
        }
        // Across a gap between two picked spiral ducts, through a point.
        SetStart(0, 5000 * s, 0, kShapeRound, 250, 0);
        Place(kLnvf, kSpiro);
        ads_name a, b;
        ads_name_set(state->currentEntity, a);
        SetStart(16000 * s, 6500 * s, 3.141592653589793, kShapeRound, 250, 0);
        Place(kLnvf, kSpiro);
        ads_name_set(state->currentEntity, b);
        ads_name_set(a, state->firstPick);
        ads_name_set(b, state->secondPick);
        state->selectionState = kTwoEntitiesPicked;
        Place(kLnvf, kFlex, At(6700 * s, 5700 * s) + "^C\n");
        int joints = 0;
        EXPECT_LT(WidestJointGap(&joints), Tolerance(s));
        EXPECT_EQ(joints, 2 * 3);
        Laid laid = TakeBack(s);
        ASSERT_EQ(laid.types.size(), 5u);
        if (s == 1.0)
            full = laid;
        else
            ExpectSameAsFullSize(full, laid, s);
    }
}

// Edits of a joined element: picking two joined ducts for "lins" keeps
// their joint (its two ends lie together at any scale), and the middle duct
// turned into another plane is refitted between its neighbours.
TEST_F(InsertScaleTest, EditsOfJoinedElementsKeepTheirJoints) {
    enum : int { kLcur = 9, kLplane = 11, kLins = 20 };
    for (double s : kScales) {
        SCOPED_TRACE(testing::Message() << "scale " << s);
        StartAgain(s);
        SetStart(0, 0, 0, kShapeRect, 400, 300);
        std::vector<std::string> handles;
        for (int k = 0; k < 3; ++k) {
            Place(kLnvl, kVl01);
            ElementPtr placed(LoadElementFromEntity(state->currentEntity));
            ASSERT_TRUE(placed);
            handles.push_back(placed->HandleText());
        }
        Run(kLins, "#" + handles[0] + "\n#" + handles[1] + "\n");
        EXPECT_NE(state->selectionState, kTwoEntitiesPicked);
        int joints = 0;
        EXPECT_LT(WidestJointGap(&joints), Tolerance(s));
        EXPECT_EQ(joints, 4);
        Run(kLcur, "#" + handles[1] + "\n");
        Run(kLplane);
        EXPECT_LT(WidestJointGap(&joints), Tolerance(s));
        EXPECT_EQ(joints, 4);
        EXPECT_EQ(SumOf(2, 0), 3 * 1500);
    }
}

// The run's length is that of its pieces: the drawn distance divided by the
// scale, made whole after the division.
TEST(RunLengthAtAScale, IsTheDrawnDistanceDividedByTheScaleThenMadeWhole) {
    ads_point p0 = {10, 10, 0}, ahead = {84.01, 10, 0}, behind = {-64, 10, 0};
    EXPECT_EQ(RunLength(p0, ahead, 0, AcGeScale3d(0.02)), 3701);  // 3700.5
    EXPECT_EQ(RunLength(p0, behind, 0, AcGeScale3d(0.02)), 3700);
    EXPECT_EQ(RunLength(p0, ahead, 0, AcGeScale3d(2)), 37);  // 37.005
    // An unusable factor measures at full size rather than without end.
    EXPECT_EQ(RunLength(p0, ahead, 0, AcGeScale3d(0)), 74);
}
