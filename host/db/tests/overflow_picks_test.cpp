// Picks and windows where numbers run out of range: a bulge so thin that
// its arc's radius overflows where it is placed, a spline swinging 1e150
// wide, weights of 1e300 placed at 2^60.  What is drawn there is found;
// where nothing can be decided the entity is left undecided and the cause
// is told (numbers out of range, a curve too close to tell, work that ran
// out among nested copies), never a silent no.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "db/drawn_shapes.h"
#include "db/geometry.h"
#include "test_blocks.h"

using namespace host::db;

namespace {

constexpr double kPickBox = 3;  // the shell's default pick box

struct Drawing : test_drawing::Drawing {
    Slot scaled(const std::string& name, double scale, double x = 0, double y = 0) {
        return insert(ms(), name, x, y,
                      {Group::real(41, scale), Group::real(42, scale), Group::real(43, scale), Group::real(50, 0)});
    }
    // The one entity a pick takes (kNoSlot for none), and those it left
    // undecided with their causes.
    struct Picked {
        Slot slot;
        std::vector<Slot> undecided;
        std::vector<Doubt> why;
    };
    Picked picked(double x, double y, double radius = kPickBox) const {
        Picked p;
        p.slot = pick(*db, x, y, radius, &p.undecided, &p.why);
        return p;
    }
    std::vector<Slot> crossing(double x1, double y1, double x2, double y2) const {
        return selectWindow(*db, x1, y1, x2, y2, true);
    }
    // A SPLINE of the degree over control points, with weights (none: all
    // 1), its knots clamped and uniform.
    Slot spline(Slot in, int degree, const std::vector<std::array<double, 2>>& control,
                const std::vector<double>& weights = {}) {
        const int n = static_cast<int>(control.size());
        GroupList g = {Group::integer(70, weights.empty() ? 8 : 12), Group::integer(71, degree),
                       Group::integer(72, n + degree + 1), Group::integer(73, n)};
        for (int j = 0; j < n + degree + 1; ++j) g.push_back(Group::real(40, std::clamp(j - degree, 0, n - degree)));
        for (double w : weights) g.push_back(Group::real(41, w));
        for (const auto& c : control) g.push_back(Group::point(10, c[0], c[1], 0));
        return add(in, "SPLINE", std::move(g));
    }
    // The circle of radius r about (x, y) as an exact rational spline: four
    // quarters of degree 2, their middle weights sqrt(2)/2.
    Slot nurbsCircle(Slot in, double x, double y, double r) {
        GroupList g = {Group::integer(70, 8 + 4), Group::integer(71, 2), Group::integer(72, 12),
                       Group::integer(73, 9)};
        for (double k : {0.0, 0.0, 0.0, 0.25, 0.25, 0.5, 0.5, 0.75, 0.75, 1.0, 1.0, 1.0})
            g.push_back(Group::real(40, k));
        const double xs[9] = {1, 1, 0, -1, -1, -1, 0, 1, 1}, ys[9] = {0, 1, 1, 1, 0, -1, -1, -1, 0};
        for (int i = 0; i < 9; ++i) g.push_back(Group::point(10, x + r * xs[i], y + r * ys[i], 0));
        for (int i = 0; i < 9; ++i) g.push_back(Group::real(41, i % 2 ? M_SQRT1_2 : 1.0));
        return add(in, "SPLINE", std::move(g));
    }
};

// A thin polyline (0,0)-(1,0)-(1,1) whose bulges of 1e-300 make arcs of
// radius 1e299, in an insert at 1e9: their radius overflows there, and each
// segment is its chord.  A bulge of 1e-8 is straight too, where its arc's
// would overflow; one of 1.1e-8 stays an arc, which placed at 1e301 can
// be answered nowhere near its ends: left undecided for its numbers.
TEST(OverflowPicks, ThinSegmentsWithBulgesOf1e8OrLessAreStraightAndOverflowingArcsAreUndecided) {
    Drawing d;
    test_drawing::addLwPolyline(*d.db, d.block("THIN"),
                                {{{0, 0, 1e-300, 0, 0}, {1, 0, -1e-300, 0, 0}, {1, 1, 0, 0, 0}}}, false);
    Slot thin = d.scaled("THIN", 1e9);
    EXPECT_EQ(d.picked(0.5, 0).slot, thin);
    EXPECT_EQ(d.picked(1e9 - 1, 5e8).slot, thin);
    EXPECT_EQ(d.picked(5e8, 5).slot, kNoSlot);
    EXPECT_EQ(d.crossing(4e8, -1, 4e8 + 1, 1), std::vector<Slot>{thin});
    EXPECT_TRUE(d.crossing(4e8, 4, 4e8 + 1, 5).empty());
    d.db->setErased(thin, true);

    for (double bulge : {1e-8, -1e-8}) {
        SCOPED_TRACE(bulge);
        Drawing far;
        test_drawing::addLwPolyline(*far.db, far.block("B"), {{{0, 0, bulge, 0, 0}, {1, 0, 0, 0, 0}}}, false);
        Slot straight = far.scaled("B", 1e301);
        Drawing::Picked on = far.picked(5e300, 0);
        EXPECT_EQ(on.slot, straight);
        EXPECT_TRUE(on.undecided.empty());
    }
    Drawing bent;
    test_drawing::addLwPolyline(*bent.db, bent.block("B"), {{{0, 0, 1.1e-8, 0, 0}, {1, 0, 0, 0, 0}}}, false);
    Slot arc = bent.scaled("B", 1e301);
    Drawing::Picked off = bent.picked(5e300, 0);
    EXPECT_EQ(off.slot, kNoSlot);
    EXPECT_EQ(off.undecided, std::vector<Slot>{arc});
    EXPECT_EQ(off.why, std::vector<Doubt>{Doubt::Overflow});
    // Its end is still found.
    EXPECT_EQ(bent.picked(1, 1).slot, arc);

    // A circle of radius 5e307 through the block's origin, placed at scale
    // 4 beside a pick 10 from where it passes: its centre and radius
    // overflow there, and the corners of its box too (no box may turn it
    // down for a part it leaves out).
    Drawing huge;
    huge.circle(huge.block("HUGE"), 5e307, 0, 5e307);
    Slot circle = huge.insert(huge.ms(), "HUGE", -10, 0, {Group::real(41, 4), Group::real(42, 4), Group::real(43, 4)});
    Drawing::Picked beside = huge.picked(0, 0);
    EXPECT_EQ(beside.slot, kNoSlot);
    EXPECT_EQ(beside.undecided, std::vector<Slot>{circle});
    EXPECT_EQ(beside.why, std::vector<Doubt>{Doubt::Overflow});
}

// A cubic spline over 3,000 control points at x = 0, 1, 2 ... alternating
// between y = 1e150 and -1e150: it crosses y = 0 a little right of its
// first control point, within the pick box of 0,0, and never lies left of
// x = 0.  Its pieces, and lines, are measured where they pass, far from
// their points, and in their own scale.
TEST(OverflowPicks, ASplineSwinging1e150WideIsFoundWhereItPasses) {
    Drawing d;
    std::vector<std::array<double, 2>> control;
    for (int i = 0; i < 3000; ++i) control.push_back({static_cast<double>(i), i % 2 ? -1e150 : 1e150});
    Slot swing = d.spline(d.ms(), 3, control);
    Drawing::Picked on = d.picked(0, 0);
    EXPECT_EQ(on.slot, swing);
    EXPECT_TRUE(on.undecided.empty());
    Drawing::Picked left = d.picked(-5, 0);
    EXPECT_EQ(left.slot, kNoSlot);
    EXPECT_TRUE(left.undecided.empty());
    d.db->setErased(swing, true);

    // A construction line and a ray from 0,0 along (1,1) in a block placed
    // at scale 1e200, where their direction's square overflows: picked on
    // them 1e10 out, not 4 off them.
    for (const char* type : {"XLINE", "RAY"}) {
        SCOPED_TRACE(type);
        Drawing far;
        far.add(far.block("LINE"), type, {Group::point(10, 0, 0, 0), Group::point(11, 1, 1, 0)});
        Slot line = far.scaled("LINE", 1e200);
        EXPECT_EQ(far.picked(1e10, 1e10).slot, line);
        EXPECT_EQ(far.picked(1e10 + 3, 1e10 - 3).slot, kNoSlot);
    }
}

// A rational cubic whose second control point (1,2) weighs 1e300 and its
// fourth 1e150, in an insert at 2^60: the curve leaves (0,0) straight for
// (1,2) times 2^60 (as drawn by other programs too).  Its weights times its
// coordinates there overflow; the curve is found on that line, and not
// 5.4 off it.
TEST(OverflowPicks, WeightsOf1e300PlacedAt2To60AreFoundWhereTheCurveIs) {
    Drawing d;
    d.spline(d.block("RAT"), 3, {{0, 0}, {1, 2}, {2, -1}, {3, 1}, {4, 0}}, {1, 1e300, 1, 1e150, 1});
    Slot rat = d.scaled("RAT", std::ldexp(1.0, 60));
    const double x = std::ldexp(1.0, 46), y = 2 * x;  // on the line, 2^-14 of the way
    Drawing::Picked on = d.picked(x, y);
    EXPECT_EQ(on.slot, rat);
    Drawing::Picked beside = d.picked(x + 6, y);
    EXPECT_EQ(beside.slot, kNoSlot);
    EXPECT_TRUE(beside.undecided.empty());
    EXPECT_EQ(d.crossing(x - 100, y + 100, x + 100, y + 200), std::vector<Slot>{rat});
    EXPECT_TRUE(d.crossing(x - 100, y - 400, x + 100, y - 300).empty());
}

// Weights more than the doubles' range of exponents apart in one span: a
// line from (0,0) to (100,0) weighing 1e-200 and 1e200, and a quadratic
// through (0,0), (50,40) and (100,0) weighing 1e-300, 1e300 and 1e-300,
// which runs along its control points' legs.  Brought to a largest weight
// of 1, the smallest would be 0: each is picked at its start and along
// it, held by a window round it and no smaller, and bounded as drawn.
TEST(OverflowPicks, WeightsFarApartInOneSpanKeepTheirCurve) {
    Drawing d;
    Slot line = d.spline(d.ms(), 1, {{0, 0}, {100, 0}}, {1e-200, 1e200});
    Slot bend = d.spline(d.ms(), 2, {{0, 0}, {50, 40}, {100, 0}}, {1e-300, 1e300, 1e-300});
    for (auto [slot, top] : {std::pair{line, 0.0}, std::pair{bend, 40.0}}) {
        Extents box;
        ASSERT_TRUE(worldExtents(*d.db, slot, box));
        EXPECT_NEAR(box.min.x, 0, 1e-9);
        EXPECT_NEAR(box.max.x, 100, 1e-9);
        EXPECT_NEAR(box.max.y, top, 1e-9);
    }
    Drawing::Picked start = d.picked(0, 0);
    EXPECT_EQ(start.slot, bend);
    EXPECT_TRUE(start.undecided.empty());
    EXPECT_EQ(d.picked(75, 0.5).slot, line);
    EXPECT_EQ(d.picked(25, 20).slot, bend);
    EXPECT_EQ(d.picked(75, 20).slot, bend);
    Drawing::Picked inside = d.picked(50, 20);
    EXPECT_EQ(inside.slot, kNoSlot);
    EXPECT_TRUE(inside.undecided.empty());
    EXPECT_EQ(selectWindow(*d.db, -1, -1, 101, 41, false), (std::vector<Slot>{line, bend}));
    EXPECT_EQ(selectWindow(*d.db, -1, -1, 101, 39, false), std::vector<Slot>{line});
}

// A quadratic over (100,100), (50,0) and (-50,200) weighing 1e200, 1e197
// and 1e-200 runs along its control points' legs, within 1e-195 of their
// corner, but by its own parameter all of its second leg lies within
// 1e-397 of the span's end.  It is found along both legs and at the
// corner, not 4 beyond it, and a window takes it only where it reaches
// y = 0.  So with weights 1e170, 1e167, 1e-170, with 6.3e298, 3.8e245,
// 1.9e-254 (whose first leg lies within 1e-53 of the start), and with
// 1e100, 1e60, 1e-100, which lie within the doubles' range.
TEST(OverflowPicks, WeightsFarApartAtASpansEndsKeepItsWholeCurve) {
    for (auto w : {std::array{1e200, 1e197, 1e-200}, {1e170, 1e167, 1e-170}, {6.3e298, 3.8e245, 1.9e-254},
                   {1e100, 1e60, 1e-100}}) {
        SCOPED_TRACE(w[0]);
        Drawing d;
        Slot legs = d.spline(d.ms(), 2, {{100, 100}, {50, 0}, {-50, 200}}, {w[0], w[1], w[2]});
        for (auto [x, y] : {std::pair{50.0, 0.0}, {55.0, 10.0}, {75.0, 50.0}, {40.0, 20.0}, {0.0, 100.0}}) {
            Drawing::Picked on = d.picked(x, y);
            EXPECT_EQ(on.slot, legs) << x << "," << y;
        }
        Drawing::Picked beyond = d.picked(50, -4);
        EXPECT_EQ(beyond.slot, kNoSlot);
        EXPECT_TRUE(beyond.undecided.empty());
        EXPECT_TRUE(selectWindow(*d.db, -60, 5, 110, 210, false).empty());
        EXPECT_EQ(selectWindow(*d.db, -60, -1, 110, 210, false), std::vector<Slot>{legs});
        EXPECT_EQ(d.crossing(45, -1, 55, 1), std::vector<Slot>{legs});
        Extents box;
        ASSERT_TRUE(worldExtents(*d.db, legs, box));
        EXPECT_NEAR(box.min.y, 0, 1e-9);
    }
}

// Where a placement overflows only in z, a question in plan is answered
// as before: a circle of radius 10 in a block at z = 1e300, inserted with
// a z scale of 1e10, alone and in an array of 20 x 20 copies 100 apart
// (asked of its lattice).
TEST(OverflowPicks, APlanQuestionNeedsNoZ) {
    Drawing d;
    d.add(d.block("HIGH"), "CIRCLE", {Group::point(10, 0, 0, 1e300), Group::real(40, 10)});
    GroupList deep = {Group::real(41, 1), Group::real(42, 1), Group::real(43, 1e10)};
    Slot high = d.insert(d.ms(), "HIGH", 0, 0, deep);
    EXPECT_EQ(selectWindow(*d.db, -11, -11, 11, 11, false), std::vector<Slot>{high});
    EXPECT_EQ(d.crossing(9, -1, 11, 1), std::vector<Slot>{high});
    auto pickedOnlyOnTheCircle = [&](Slot slot, double x, double y) {
        Drawing::Picked on = d.picked(x + 10, y), centre = d.picked(x, y);
        EXPECT_EQ(on.slot, slot);
        EXPECT_TRUE(on.undecided.empty());
        EXPECT_EQ(centre.slot, kNoSlot);
        EXPECT_TRUE(centre.undecided.empty());
    };
    pickedOnlyOnTheCircle(high, 0, 0);
    d.db->setErased(high, true);
    for (Group g : {Group::integer(70, 20), Group::integer(71, 20), Group::real(44, 100), Group::real(45, 100)})
        deep.push_back(g);
    pickedOnlyOnTheCircle(d.insert(d.ms(), "HIGH", 0, 0, deep), 500, 700);
}

// A segment of length 2e10 with a bulge of 1e-7 (an arc of radius 5e16,
// whose centre's rounding puts its computed ends units off its vertices),
// slanted, from near 1e11 and from the origin: a pick within the pick box
// of either vertex takes it; so one near a vertex of copy (3, 4) of a
// 20 x 20 array of it 1e11 apart, beside a point far off that puts enough
// copies in reach for the array to be asked of its lattice.
TEST(OverflowPicks, AVertexOfANearlyStraightBulgeIsPickedWithinThePickBox) {
    const double run = 2e10 / std::sqrt(2.0);
    for (double from : {1e11, 0.0}) {
        SCOPED_TRACE(from);
        Drawing d;
        Slot thin = test_drawing::addLwPolyline(
            *d.db, d.ms(), {{{from, from, 1e-7, 0, 0}, {from + run, from + run, 0, 0, 0}}}, false);
        for (double at : {from, from + run})
            for (auto [dx, dy] : {std::pair{0.0, 0.0}, {2.9, 0.0}, {2.05, -2.05}, {-2.9, 0.0}, {0.0, 2.9}})
                EXPECT_EQ(d.picked(at + dx, at + dy).slot, thin) << at << " " << dx << " " << dy;
    }
    Drawing d;
    Slot thin = d.block("THIN");
    test_drawing::addLwPolyline(*d.db, thin, {{{1e9, 1e9, 1e-7, 0, 0}, {1e9 + run, 1e9 + run, 0, 0, 0}}}, false);
    d.add(thin, "POINT", {Group::point(10, -5e11, -5e11, 0)});  // widens its box over 25 copies
    Slot copies = d.insert(d.ms(), "THIN", 0, 0,
                           {Group::integer(70, 20), Group::integer(71, 20), Group::real(44, 1e11), Group::real(45, 1e11)});
    EXPECT_EQ(d.picked(3e11 + (1e9 + run) + 1, 4e11 + (1e9 + run)).slot, copies);
}

// 200 rational circles of radius 3 + 1e-10 round a pick at their centre
// lie nearer the pick's reach than its search can tell: left undecided as
// too close, not as nested copies.  Beside a line through the pick in
// another block of the same insert, such a circle no longer hides the
// line.  A cross nested nine levels deep, ten copies a level, whose boxes
// all hold a pick between its arms, runs out of work among its copies.
TEST(OverflowPicks, TheUndecidedAreToldWhy) {
    Drawing d;
    std::vector<Slot> circles;
    for (int i = 0; i < 200; ++i) circles.push_back(d.nurbsCircle(d.ms(), 0, 0, kPickBox + 1e-10));
    Drawing::Picked centre = d.picked(0, 0);
    EXPECT_EQ(centre.slot, kNoSlot);
    EXPECT_EQ(centre.undecided.size(), circles.size());
    EXPECT_EQ(centre.why, std::vector<Doubt>(circles.size(), Doubt::Close));
    for (Slot c : circles) d.db->setErased(c, true);

    d.nurbsCircle(d.block("ROUND"), 0, 0, kPickBox + 1e-10);
    d.line(d.block("LINE"), -10, 0, 10, 0);
    Slot both = d.block("BOTH");
    d.insert(both, "LINE", 0, 0);
    d.insert(both, "ROUND", 0, 0);  // looked at first
    Slot insert = d.insert(d.ms(), "BOTH", 0, 0);
    Drawing::Picked line = d.picked(0, 0);
    EXPECT_EQ(line.slot, insert);
    EXPECT_TRUE(line.undecided.empty());
    d.db->setErased(insert, true);

    const double far = 1e7;
    Slot arms = d.block("L0");
    d.line(arms, -far, 0, far, 0);
    d.line(arms, 0, -far, 0, far);
    for (int level = 1; level < 10; ++level) {
        Slot b = d.block("L" + std::to_string(level));
        for (int j = 0; j < 10; ++j) {
            double o = j * std::pow(10.0, -level);
            d.insert(b, "L" + std::to_string(level - 1), o, o / 2);
        }
    }
    Slot nest = d.insert(d.ms(), "L9", 0, 0);
    Drawing::Picked between = d.picked(far / 2, far / 2);
    EXPECT_EQ(between.slot, kNoSlot);
    EXPECT_EQ(between.undecided, std::vector<Slot>{nest});
    EXPECT_EQ(between.why, std::vector<Doubt>{Doubt::Work});
}

} // namespace
