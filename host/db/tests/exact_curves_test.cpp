// Curves answered as the curves they are, at any size and any scale they
// are placed at: picks just outside a huge circle, an ellipse made by an
// uneven scale, the far side of a bulge, a hatch's arc edge, the band of a
// tapered, negative or cornered polyline (no mitre after a bulge), a
// window that a closing bulge sticks out of, a spline seen enlarged, and
// extents by extreme points (a spline's too, rational or not).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "db/drawn_shapes.h"
#include "test_blocks.h"

using namespace host::db;

namespace {

constexpr double kPickBox = 3;  // the shell's default pick box

class ExactCurves : public ::testing::Test {
protected:
    std::unique_ptr<Database> db = Database::createDefault();
    Slot ms() const { return db->modelSpace(); }
    Slot add(Slot in, const char* type, GroupList groups) {
        return test_drawing::addEntity(*db, in, type, std::move(groups));
    }
    Slot insert(Slot in, const std::string& name, double sx, double sy, double degrees = 0) {
        return add(in, "INSERT",
                   {Group::text(2, name), Group::point(10, 0, 0, 0), Group::real(41, sx), Group::real(42, sy),
                    Group::real(43, 1), Group::real(50, degrees)});
    }
    bool picked(Slot entity, double x, double y, double radius = kPickBox) const {
        return pick(*db, x, y, radius) == entity;
    }
    bool window(Slot entity, double x1, double y1, double x2, double y2, bool crossing) const {
        std::vector<Slot> found = selectWindow(*db, x1, y1, x2, y2, crossing);
        return found.size() == 1 && found[0] == entity;
    }
    // An LWPOLYLINE through (x, y, bulge, start width, end width) rows.
    Slot polyline(Slot in, const std::vector<std::array<double, 5>>& rows, bool closed) {
        return test_drawing::addLwPolyline(*db, in, rows, closed);
    }
};

// Half a 4096th of a turn past a quarter: where chords of a circle cut at
// 4096 a turn run farthest inside it.
const double kBetweenChords = M_PI / 2 + M_PI / 4096;

TEST_F(ExactCurves, HugeCirclesArcsAndEllipsesAreTakenWithinThePickBoxAndNoFarther) {
    const double R = 1e6;
    // In model space, and in a block placed 2^20 times larger (radius 1e12).
    Slot own = add(ms(), "CIRCLE", {Group::point(10, 0, 0, 0), Group::real(40, R)});
    for (double scale : {1.0, 1048576.0}) {
        SCOPED_TRACE(scale);
        Slot entity = own;
        if (scale != 1) {
            db->setErased(own, true);
            add(test_drawing::addBlock(*db, "BIG"), "CIRCLE", {Group::point(10, 0, 0, 0), Group::real(40, R)});
            entity = insert(ms(), "BIG", scale, scale);
        }
        const double r = R * scale, c = std::cos(kBetweenChords), s = std::sin(kBetweenChords);
        EXPECT_TRUE(picked(entity, r * c, r * s));
        EXPECT_TRUE(picked(entity, (r + 2.8) * c, (r + 2.8) * s));
        EXPECT_FALSE(picked(entity, (r + 3.2) * c, (r + 3.2) * s));
        EXPECT_FALSE(picked(entity, (r - 3.2) * c, (r - 3.2) * s));
        EXPECT_FALSE(picked(entity, 0, 0));
        // A window exactly round it holds it; one a unit short of its top does not.
        EXPECT_TRUE(window(entity, -r, -r, r, r, false));
        EXPECT_FALSE(window(entity, -r, -r, r, r - 1, false));
        EXPECT_TRUE(window(entity, -10, r - 1, 10, r + 1, true));
        EXPECT_FALSE(window(entity, -10, r + 1, 10, r + 2, true));
        Extents box;
        ASSERT_TRUE(worldExtents(*db, entity, box));
        EXPECT_EQ(box.max.y, r);
        EXPECT_EQ(box.min.x, -r);
    }
    // Beside a ray (whose box is its start), a circle in a block is still
    // bounded by its extreme points.
    Slot withRay = test_drawing::addBlock(*db, "WITHRAY");
    add(withRay, "CIRCLE", {Group::point(10, 0, 0, 0), Group::real(40, R)});
    add(withRay, "RAY", {Group::point(10, 0, 0, 0), Group::point(11, 1, 0, 0)});
    Slot rayed = insert(ms(), "WITHRAY", 1, 1);
    Extents rayBox;
    ASSERT_TRUE(worldExtents(*db, rayed, rayBox));
    EXPECT_EQ(rayBox.max.y, R);
    EXPECT_EQ(rayBox.min.y, -R);
    db->setErased(rayed, true);
    // An arc from 10 to 80 degrees: beyond its ends nothing, on it all.
    Slot arc = add(ms(), "ARC",
                   {Group::point(10, 0, 0, 0), Group::real(40, R), Group::real(50, 10), Group::real(51, 80)});
    const double at = 45 * M_PI / 180, beyond = 81 * M_PI / 180;
    EXPECT_TRUE(picked(arc, (R + 2.8) * std::cos(at), (R + 2.8) * std::sin(at)));
    EXPECT_FALSE(picked(arc, R * std::cos(beyond), R * std::sin(beyond)));
    Extents box;
    ASSERT_TRUE(worldExtents(*db, arc, box));
    EXPECT_EQ(box.max.x, R * std::cos(10 * M_PI / 180));
    EXPECT_EQ(box.max.y, R * std::sin(80 * M_PI / 180));
    // A circle in a block scaled unevenly is an ellipse: 1e6 wide, 3e6 high,
    // and 2^20 times that; turned 30 degrees.
    db->setErased(arc, true);
    add(test_drawing::addBlock(*db, "UNEVEN"), "CIRCLE", {Group::point(10, 0, 0, 0), Group::real(40, 1)});
    for (double size : {R, R * 1048576}) {
        Slot ellipse = insert(ms(), "UNEVEN", size, 3 * size, 30);
        // Its point at parameter t moved `off` along its unit normal there.
        auto on = [&](double t, double off, double& x, double& y) {
            double cs = std::cos(M_PI / 6), sn = std::sin(M_PI / 6);
            double px = size * std::cos(t), py = 3 * size * std::sin(t), nx = 3 * size * std::cos(t),
                   ny = size * std::sin(t);
            double n = std::hypot(nx, ny);
            px += off * nx / n;
            py += off * ny / n;
            x = cs * px - sn * py;
            y = sn * px + cs * py;
        };
        for (double t : {0.3, 1.9, 4.0}) {
            double x, y;
            on(t, 2.8, x, y);
            EXPECT_TRUE(picked(ellipse, x, y)) << size << " " << t;
            on(t, -3.2, x, y);
            EXPECT_FALSE(picked(ellipse, x, y)) << size << " " << t;
        }
        db->setErased(ellipse, true);
    }
    // An ELLIPSE's extents by its extreme points: its major axis 3R long at
    // 60 degrees, its minor R: x reaches sqrt((3R cos 60)^2 + (R sin 60)^2).
    const double turn = M_PI / 3;
    Slot drawn = add(ms(), "ELLIPSE",
                     {Group::point(10, 0, 0, 0), Group::point(11, 3 * R * std::cos(turn), 3 * R * std::sin(turn), 0),
                      Group::real(40, 1.0 / 3), Group::real(41, 0), Group::real(42, 2 * M_PI)});
    ASSERT_TRUE(worldExtents(*db, drawn, box));
    const double reachX = std::hypot(3 * R * std::cos(turn), R * std::sin(turn)),
                 reachY = std::hypot(3 * R * std::sin(turn), R * std::cos(turn));
    EXPECT_NEAR(box.max.x, reachX, 1e-9 * R);
    EXPECT_NEAR(box.min.x, -reachX, 1e-9 * R);
    EXPECT_NEAR(box.max.y, reachY, 1e-9 * R);
}

TEST_F(ExactCurves, BulgesAndHatchArcsAreTheirArcs) {
    // A bulge of 1e9 over a chord of 100,000: nearly a whole circle of
    // radius some 2.5e13, its far side 5e13 from the chord.
    const double bulge = 1e9, chord = 1e5;
    Slot p = polyline(ms(), {{{0, 0, bulge, 0, 0}}, {{chord, 0, 0, 0, 0}}}, false);
    const double radius = chord / 2 * (1 + bulge * bulge) / (2 * bulge);
    // Its centre lies below the chord's middle; it leaves the chord's small
    // arc out, its far side is at the bottom.
    const double centreY = (chord / 2) * (1 - bulge * bulge) / (2 * bulge);
    EXPECT_TRUE(picked(p, chord / 2, centreY - radius - 2.8));
    EXPECT_FALSE(picked(p, chord / 2, centreY - radius - 3.2));
    EXPECT_FALSE(picked(p, chord / 2, -20));
    EXPECT_TRUE(picked(p, chord / 2 + radius, centreY));
    db->setErased(p, true);

    // A closed square whose closing bulge sticks out 50 to the left: a
    // window round its vertices alone does not hold it.
    Slot square = polyline(ms(), {{{0, 0, 0, 0, 0}}, {{100, 0, 0, 0, 0}}, {{100, 100, 0, 0, 0}}, {{0, 100, 1, 0, 0}}},
                           true);
    EXPECT_FALSE(window(square, -1, -1, 101, 101, false));
    EXPECT_FALSE(window(square, -49, -1, 101, 101, false));
    EXPECT_TRUE(window(square, -51, -1, 101, 101, false));
    EXPECT_TRUE(window(square, -52, 45, -49, 55, true));
    EXPECT_FALSE(window(square, -54, 45, -51, 55, true));
    db->setErased(square, true);

    // A hatch of one circular edge of radius 1e6 placed 2^20 times larger:
    // filled inside (by the even-odd rule across its arc), exact at its edge.
    Slot b = test_drawing::addBlock(*db, "HATCHED");
    add(b, "HATCH",
        {Group::point(10, 0, 0, 0), Group::text(2, "SOLID"), Group::integer(70, 1), Group::integer(91, 1),
         Group::integer(92, 1), Group::integer(93, 1), Group::integer(72, 2), Group::point(10, 0, 0, 0),
         Group::real(40, 1e6), Group::real(50, 0), Group::real(51, 360), Group::integer(73, 1),
         Group::integer(97, 0), Group::integer(75, 0), Group::integer(76, 1), Group::integer(98, 0)});
    Slot hatch = insert(ms(), "HATCHED", 1048576, 1048576);
    const double r = 1e6 * 1048576, c = std::cos(kBetweenChords), s = std::sin(kBetweenChords);
    EXPECT_TRUE(picked(hatch, 0, 0));
    EXPECT_TRUE(picked(hatch, 0.3 * r, -0.2 * r));
    EXPECT_TRUE(picked(hatch, (r + 2.8) * c, (r + 2.8) * s));
    EXPECT_FALSE(picked(hatch, (r + 3.2) * c, (r + 3.2) * s));
    EXPECT_TRUE(window(hatch, -10, -10, 10, 10, true));
    db->setErased(hatch, true);
    // A half disc: an arc edge from -90 to 90 degrees and a line back.
    Slot half = test_drawing::addBlock(*db, "HALF");
    add(half, "HATCH",
        {Group::point(10, 0, 0, 0), Group::text(2, "SOLID"), Group::integer(70, 1), Group::integer(91, 1),
         Group::integer(92, 1), Group::integer(93, 2), Group::integer(72, 2), Group::point(10, 0, 0, 0),
         Group::real(40, 1e6), Group::real(50, -90), Group::real(51, 90), Group::integer(73, 1),
         Group::integer(72, 1), Group::point(10, 0, 1e6, 0), Group::point(11, 0, -1e6, 0), Group::integer(97, 0),
         Group::integer(75, 0), Group::integer(76, 1), Group::integer(98, 0)});
    Slot halfDisc = insert(ms(), "HALF", 1048576, 1048576);
    EXPECT_TRUE(picked(halfDisc, 0.5 * r, 0));
    EXPECT_TRUE(picked(halfDisc, 0.9 * r, 0.3 * r));
    EXPECT_FALSE(picked(halfDisc, -0.5 * r, 0));
    // Where the other half of the circle would be, nothing; just outside
    // the drawn half, between where its chords would be, it is taken.
    EXPECT_FALSE(picked(halfDisc, r * std::cos(0.75 * M_PI), r * std::sin(0.75 * M_PI)));
    const double right = kBetweenChords - M_PI;  // just past -90 degrees
    EXPECT_TRUE(picked(halfDisc, (r + 2.8) * std::cos(right), (r + 2.8) * std::sin(right)));
    EXPECT_FALSE(picked(halfDisc, (r + 3.2) * std::cos(right), (r + 3.2) * std::sin(right)));
}

TEST_F(ExactCurves, BandsOfWidePolylines) {
    // An arc segment of a half turn, radius 100 about (0, 0), tapering from
    // width 0 to 20 (going from (100, 0) over the top to (-100, 0)): at its
    // middle (the top) the band runs from radius 95 to 105.
    for (double sign : {1.0, -1.0}) {  // a negative width is drawn as its size
        SCOPED_TRACE(sign);
        Slot tapered = polyline(ms(), {{{100, 0, 1, 0, sign * 20}}, {{-100, 0, 0, 0, 0}}}, false);
        EXPECT_TRUE(picked(tapered, 0, 104.6, 0.1));
        EXPECT_FALSE(picked(tapered, 0, 105.6, 0.1));
        EXPECT_TRUE(picked(tapered, 0, 95.4, 0.1));
        EXPECT_FALSE(picked(tapered, 0, 94.4, 0.1));
        // A quarter of the way along, a width of 5.
        const double q = M_PI / 4;
        EXPECT_TRUE(picked(tapered, 102.3 * std::cos(q), 102.3 * std::sin(q), 0.1));
        EXPECT_FALSE(picked(tapered, 102.9 * std::cos(q), 102.9 * std::sin(q), 0.1));
        // Wider at its end than at its start.
        EXPECT_TRUE(picked(tapered, -109.5, 0, 0.1));
        EXPECT_FALSE(picked(tapered, 100.5, 0, 0.1));
        db->setErased(tapered, true);
    }
    // Straight segments of width 10 meeting at right angles, turning left
    // and right: the mitre fills each outer corner, and nothing fills the
    // inner one.
    Slot left = polyline(ms(), {{{0, 0, 0, 10, 10}}, {{100, 0, 0, 10, 10}}, {{100, 100, 0, 10, 10}}}, false);
    EXPECT_TRUE(picked(left, 104, -4, 0.1));
    EXPECT_FALSE(picked(left, 93, 7, 0.1));
    db->setErased(left, true);
    Slot right = polyline(ms(), {{{0, 0, 0, 10, 10}}, {{100, 0, 0, 10, 10}}, {{100, -100, 0, 10, 10}}}, false);
    EXPECT_TRUE(picked(right, 104, 4, 0.1));
    EXPECT_FALSE(picked(right, 93, -7, 0.1));
    db->setErased(right, true);
    // A polyline that comes back to its start is joined there as if closed.
    Slot back = polyline(ms(),
                         {{{0, 0, 0, 10, 10}},
                          {{100, 0, 0, 10, 10}},
                          {{100, 100, 0, 10, 10}},
                          {{0, 100, 0, 10, 10}},
                          {{0, 0, 0, 10, 10}}},
                         false);
    EXPECT_TRUE(picked(back, -4, -4, 0.1));
    EXPECT_FALSE(picked(back, 50, 50, 0.1));
}

// A band 10 wide whose half turn of bulge from (0, 0) under (50, -50) to
// (100, 0) ends heading up, followed by a straight segment heading off at
// 150 degrees (and the same drawn backwards): the joint turns 60 degrees
// to the left, and nothing fills its outer side, where a mitre of the
// bulge's chord would reach out to (118.66, -5).  Picks there, 6 to 9
// units from the band, are not taken; inside the band beside the joint
// they are.
TEST_F(ExactCurves, NoMitreJoinsABulgeToAStraightSegment) {
    const double ex = 100 + 100 * std::cos(5 * M_PI / 6), ey = 100 * std::sin(5 * M_PI / 6);
    for (bool backwards : {false, true}) {
        SCOPED_TRACE(backwards);
        Slot band = backwards ? polyline(ms(), {{{ex, ey, 0, 10, 10}}, {{100, 0, -1, 10, 10}}, {{0, 0, 0, 10, 10}}}, false)
                              : polyline(ms(), {{{0, 0, 1, 10, 10}}, {{100, 0, 0, 10, 10}}, {{ex, ey, 0, 10, 10}}}, false);
        // 6.17, 7.10, 8.13 and 7.03 units from the band.
        for (auto [x, y] : {std::pair{111.0, -4.5}, {112.0, -3.5}, {113.0, -4.0}, {112.0, -2.0}})
            EXPECT_FALSE(picked(band, x, y, 0.5)) << x << " " << y;
        EXPECT_TRUE(picked(band, 103, -2, 0.5));
        EXPECT_TRUE(picked(band, 95, 5, 0.5));
        EXPECT_TRUE(picked(band, 50, -54, 0.5));
        db->setErased(band, true);
    }
}

// The cubic B-spline with uniform knots through control points x = 250 i,
// y 0 and 250 by turns (clamped at its ends): far from its ends, its point
// and unit normal a 16th of the way along the span from control point i
// to i + 1, where it turns fastest, between the points chords of it would
// have.
struct Zigzag {
    int count;
    GroupList groups() const {
        GroupList g = {Group::integer(70, 8), Group::integer(71, 3), Group::integer(72, count + 4),
                       Group::integer(73, count)};
        for (int j = 0; j < count + 4; ++j) g.push_back(Group::real(40, std::clamp(j - 3, 0, count - 3)));
        for (int i = 0; i < count; ++i) g.push_back(Group::point(10, 250.0 * i, i % 2 ? 250 : 0, 0));
        return g;
    }
    void near(int i, double& x, double& y, double& nx, double& ny) const {
        const double t = 1.0 / 16 + 1.0 / 2048, u = 1 - t;
        const double b[4] = {u * u * u / 6, (3 * t * t * t - 6 * t * t + 4) / 6, (-3 * t * t * t + 3 * t * t + 3 * t + 1) / 6,
                             t * t * t / 6};
        const double d[4] = {-u * u / 2, (3 * t * t - 4 * t) / 2, (-3 * t * t + 2 * t + 1) / 2, t * t / 2};
        x = y = 0;
        double tx = 0, ty = 0;
        for (int k = 0; k < 4; ++k) {
            int j = i - 1 + k;
            double px = 250.0 * j, py = j % 2 ? 250.0 : 0.0;
            x += b[k] * px;
            y += b[k] * py;
            tx += d[k] * px;
            ty += d[k] * py;
        }
        double length = std::hypot(tx, ty);
        nx = -ty / length;
        ny = tx / length;
    }
};

TEST_F(ExactCurves, SplinesAreRefinedWhereThePickIs) {
    // 3,000 control points 250 apart, in model space: picks 2.8 off its
    // curve on either side taken, 3.5 off not.
    const Zigzag zigzag{3000};
    Slot spline = add(ms(), "SPLINE", zigzag.groups());
    for (int i : {11, 1500, 2987}) {
        double x, y, nx, ny;
        zigzag.near(i, x, y, nx, ny);
        EXPECT_TRUE(picked(spline, x + 2.8 * nx, y + 2.8 * ny)) << i;
        EXPECT_TRUE(picked(spline, x - 2.8 * nx, y - 2.8 * ny)) << i;
        EXPECT_FALSE(picked(spline, x + 3.5 * nx, y + 3.5 * ny)) << i;
    }
    db->setErased(spline, true);
    // A small one in a block placed 1e5 times larger, and turned: a point
    // of it is on it; 2.8 beside it is taken, 3.5 not.
    const Zigzag small{12};
    add(test_drawing::addBlock(*db, "CURVE"), "SPLINE", small.groups());
    const double scale = 1e5, turn = 0.4;
    Slot placed = insert(ms(), "CURVE", scale, scale, turn * 180 / M_PI);
    for (int i : {4, 6}) {
        double x, y, nx, ny;
        small.near(i, x, y, nx, ny);
        for (auto [off, taken] : {std::pair{0.0, true}, {2.8, true}, {-2.8, true}, {3.5, false}}) {
            double px = x * scale + off * nx, py = y * scale + off * ny;
            double wx = std::cos(turn) * px - std::sin(turn) * py, wy = std::sin(turn) * px + std::cos(turn) * py;
            EXPECT_EQ(picked(placed, wx, wy), taken) << i << " " << off;
            EXPECT_EQ(window(placed, wx - 1, wy - 1, wx + 1, wy + 1, true), taken && std::fabs(off) < 1) << i;
        }
    }
}

// A line whose squared length overflows the doubles (its ends 1e300
// apart) is still measured along it, in model space and in a block,
// turned or not: a pick at its finite end, or along it near there, takes
// it, and one beside it does not.
TEST_F(ExactCurves, LinesLongerThanTheirSquareHoldsArePickedAlongThem) {
    Slot line = add(ms(), "LINE", {Group::point(10, 1e300, 1e300, 0), Group::point(11, 0, 0, 0)});
    EXPECT_TRUE(picked(line, 0, 0));
    EXPECT_TRUE(picked(line, 50, 52));
    EXPECT_FALSE(picked(line, 50, 60));
    Slot far = test_drawing::addBlock(*db, "FAR");
    add(far, "LINE", {Group::point(10, -1e300, 0, 0), Group::point(11, 0, 0, 0)});
    Slot along = insert(ms(), "FAR", 1, 1);
    EXPECT_TRUE(picked(along, -1000, 1));
    EXPECT_FALSE(picked(along, -1000, 10));
    Slot turned = insert(ms(), "FAR", 1, 1, 90);
    EXPECT_TRUE(picked(turned, 1, -1000));
    EXPECT_FALSE(picked(turned, 10, -1000));
}

// A SPLINE's groups: degree, knots, control points with their weights.
GroupList splineGroups(int degree, const std::vector<double>& knots, const std::vector<std::array<double, 2>>& control,
                       const std::vector<double>& weights = {}) {
    GroupList g = {Group::integer(70, weights.empty() ? 8 : 12), Group::integer(71, degree),
                   Group::integer(72, static_cast<int>(knots.size())),
                   Group::integer(73, static_cast<int>(control.size()))};
    for (double k : knots) g.push_back(Group::real(40, k));
    for (double w : weights) g.push_back(Group::real(41, w));
    for (const auto& c : control) g.push_back(Group::point(10, c[0], c[1], 0));
    return g;
}

bool nearRelative(double got, double want) { return std::fabs(got - want) <= 1e-9 * std::fabs(want); }

// The extents a save writes: blocks by their boxes alone.
Extents savedExtents(const Database& db, Slot entity) {
    BlockTree tree(db, false);
    std::vector<Slot> records;
    for (Slot record : db.records(Table::BlockRecord))
        if (record != db.modelSpace() && record != db.paperSpace()) records.push_back(record);
    tree.buildAll(records, [](size_t n, const std::function<void(size_t)>& work) {
        for (size_t i = 0; i < n; ++i) work(i);
    });
    const std::vector<Slot>& entities = db.block(db.modelSpace())->entities;
    EntityDrawer drawer(db);
    Drawing scratch;
    Extents box;
    size_t at = std::find(entities.begin(), entities.end(), entity) - entities.begin();
    EXPECT_TRUE(entityExtents(tree, drawer, scratch, entities, at, box));
    return box;
}

TEST_F(ExactCurves, SplinesReachTheirExtremePoints) {
    // A clamped cubic whose least and greatest x and y all lie inside its
    // spans, where its chords run up to 0.04 short of them (worked out
    // from its curve sampled densely and refined).
    const GroupList cubic = splineGroups(3, {0, 0, 0, 0, 1, 2, 3, 4, 5, 5, 5, 5},
                                         {{{28, 0}}, {{70, 98}}, {{-84, 154}}, {{56, 217}}, {{147, 182}},
                                          {{238, 77}}, {{105, -42}}, {{175, -21}}});
    const double x1 = -25.10156787280468, x2 = 195.01896100288425, y1 = -25.341964713034933,
                 y2 = 201.6807064562169;
    Slot spline = add(ms(), "SPLINE", cubic);
    // A window whose edge runs 0.005 inside any extreme leaves it; one a
    // hair outside all of them takes it.
    const double in = 0.005, out = 1e-6;
    EXPECT_TRUE(window(spline, x1 - out, y1 - out, x2 + out, y2 + out, false));
    EXPECT_FALSE(window(spline, x1 + in, y1 - out, x2 + out, y2 + out, false));
    EXPECT_FALSE(window(spline, x1 - out, y1 + in, x2 + out, y2 + out, false));
    EXPECT_FALSE(window(spline, x1 - out, y1 - out, x2 - in, y2 + out, false));
    EXPECT_FALSE(window(spline, x1 - out, y1 - out, x2 + out, y2 - in, false));
    // A crossing strip over what sticks out past each edge finds it, one
    // beyond it not; so does a fine pick there.
    EXPECT_TRUE(window(spline, x1 - 1, y1, x1 + in, y2, true));
    EXPECT_TRUE(window(spline, x1, y1 - 1, x2, y1 + in, true));
    EXPECT_TRUE(window(spline, x2 - in, y1, x2 + 1, y2, true));
    EXPECT_TRUE(window(spline, x1, y2 - in, x2, y2 + 1, true));
    EXPECT_FALSE(window(spline, x1, y2 + out, x2, y2 + 1, true));
    Extents box;
    ASSERT_TRUE(worldExtents(*db, spline, box));
    const double tops[4] = {x1, y1, x2, y2};
    auto reaches = [&](const Extents& b, double scale) {
        EXPECT_TRUE(nearRelative(b.min.x, scale * tops[0])) << b.min.x;
        EXPECT_TRUE(nearRelative(b.min.y, scale * tops[1])) << b.min.y;
        EXPECT_TRUE(nearRelative(b.max.x, scale * tops[2])) << b.max.x;
        EXPECT_TRUE(nearRelative(b.max.y, scale * tops[3])) << b.max.y;
    };
    reaches(box, 1);
    reaches(savedExtents(*db, spline), 1);
    // Its top is at x = 64.18840471966686.
    EXPECT_TRUE(picked(spline, 64.19, y2 + 0.005, 0.01));
    EXPECT_FALSE(picked(spline, 64.19, y2 + 0.02, 0.01));
    db->setErased(spline, true);
    // In a block placed 10,000 times larger: its extents are its extreme
    // points scaled, whether asked alone or as a save asks.
    add(test_drawing::addBlock(*db, "CUBIC"), "SPLINE", cubic);
    Slot placed = insert(ms(), "CUBIC", 1e4, 1e4);
    ASSERT_TRUE(worldExtents(*db, placed, box));
    reaches(box, 1e4);
    reaches(savedExtents(*db, placed), 1e4);
    db->setErased(placed, true);
    // Beside a ray, which adds only its start.
    Slot rayed = test_drawing::addBlock(*db, "RAYED");
    add(rayed, "SPLINE", cubic);
    add(rayed, "RAY", {Group::point(10, 50, 50, 0), Group::point(11, 1, 0, 0)});
    placed = insert(ms(), "RAYED", 1, 1);
    ASSERT_TRUE(worldExtents(*db, placed, box));
    reaches(box, 1);
    reaches(savedExtents(*db, placed), 1);
    db->setErased(placed, true);
    // Rational: a circle of radius 100 about (500, 200) as nine weighted
    // points turned 30 degrees, so that each extreme lies inside a span;
    // and a quadratic whose weights pull it unevenly.
    std::vector<std::array<double, 2>> ring;
    std::vector<double> weights;
    const double c = std::cos(M_PI / 6), s = std::sin(M_PI / 6);
    const double corners[9][2] = {{1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}, {1, -1}, {1, 0}};
    for (int i = 0; i < 9; ++i) {
        ring.push_back({{500 + 100 * (c * corners[i][0] - s * corners[i][1]),
                         200 + 100 * (s * corners[i][0] + c * corners[i][1])}});
        weights.push_back(i % 2 ? std::sqrt(0.5) : 1);
    }
    Slot circle = add(ms(), "SPLINE", splineGroups(2, {0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 4}, ring, weights));
    ASSERT_TRUE(worldExtents(*db, circle, box));
    EXPECT_TRUE(nearRelative(box.min.x, 400) && nearRelative(box.max.x, 600)) << box.min.x << " " << box.max.x;
    EXPECT_TRUE(nearRelative(box.min.y, 100) && nearRelative(box.max.y, 300)) << box.min.y << " " << box.max.y;
    db->setErased(circle, true);
    const std::vector<std::array<double, 2>> pulling = {{{0, 0}}, {{20, 40}}, {{60, -60}}, {{80, 50}}, {{120, 0}}};
    Slot pulled = add(ms(), "SPLINE", splineGroups(2, {0, 0, 0, 1, 2, 3, 3, 3}, pulling, {1, 6, 0.3, 4, 1}));
    ASSERT_TRUE(worldExtents(*db, pulled, box));
    EXPECT_TRUE(nearRelative(box.max.y, 45.554306642178474)) << box.max.y;
    EXPECT_EQ(box.min.y, 0);
    EXPECT_EQ(box.max.x, 120);
}

} // namespace
