// Picks, windows and crossings checked against the true geometry where a
// slip of one comparison in the curve and copy code would change the
// answer: arrays whose block places other blocks, the even-odd fill over
// clockwise arcs, an arc met only by one edge of a window, straight spline
// pieces, endless lines in an indexed block, turned inserts against a
// window, the far side of a ring of arcs and filled triangles in arrays;
// windows over the first spans of a spline, a spline after lines in an
// indexed block placed large, a large ellipse's nearest and farthest
// points from its ring's centre, and the ends of arcs and lines in dense
// arrays.  Margins are a few tenths of a unit, well inside what each case
// tells.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "db/drawn_shapes.h"
#include "test_blocks.h"

using namespace host::db;

namespace {

struct Drawing : test_drawing::Drawing {
    bool picks(Slot entity, double x, double y, double radius) const { return pick(*db, x, y, radius) == entity; }
    bool crosses(Slot entity, double x1, double y1, double x2, double y2) const {
        return selectWindow(*db, x1, y1, x2, y2, true) == std::vector<Slot>{entity};
    }
    bool holds(Slot entity, double x1, double y1, double x2, double y2) const {
        return selectWindow(*db, x1, y1, x2, y2, false) == std::vector<Slot>{entity};
    }
};

GroupList array(int columns, int rows, double columnSpacing, double rowSpacing) {
    return {Group::integer(70, columns), Group::integer(71, rows), Group::real(44, columnSpacing),
            Group::real(45, rowSpacing)};
}

GroupList turned(double degrees, double sx = 1, double sy = 1) {
    return {Group::real(41, sx), Group::real(42, sy), Group::real(43, 1), Group::real(50, degrees)};
}

GroupList joined(GroupList a, const GroupList& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// (x, y) turned about the origin by `degrees`.
std::pair<double, double> turn(double x, double y, double degrees) {
    double a = degrees * M_PI / 180, c = std::cos(a), s = std::sin(a);
    return {c * x - s * y, s * x + c * y};
}

// An array's copies look inside the blocks their block places: a leaf
// line placed twice (once turned a quarter), beside a line of the block's
// own, in a few copies (asked copy by copy) and in 400 beside a point far
// off (its own runs asked of the lattice, the placed blocks copy by copy);
// and a block placing an array of its own, in an array.
TEST(ArraysPlacingBlocks, EveryCopyOfEveryPlacedBlockAnswers) {
    Drawing d;
    d.line(d.block("LEAF"), 0, 0, 10, 0);
    Slot pair = d.block("PAIR");
    d.line(pair, 0, 5, 10, 5);
    d.insert(pair, "LEAF", 0, 0);
    d.insert(pair, "LEAF", 0, 20, turned(90));  // (0, 20) to (0, 30)
    Slot few = d.insert(d.ms(), "PAIR", 0, 0, array(3, 2, 100, 50));
    // Copy (2, 1) lies at (200, 50).
    EXPECT_TRUE(d.picks(few, 205, 50.5, 1));
    EXPECT_TRUE(d.picks(few, 200.5, 75, 1));
    EXPECT_FALSE(d.picks(few, 201.5, 75, 1));
    EXPECT_FALSE(d.picks(few, 205, 52.5, 1));  // between the leaf and the own line
    EXPECT_FALSE(d.picks(few, 211.5, 50, 1));
    EXPECT_TRUE(d.crosses(few, 199, 74, 201, 76));
    EXPECT_FALSE(d.crosses(few, 200.5, 74, 203, 76));
    // The top leaf of the second row ends at y = 80, the last column at x = 210.
    EXPECT_TRUE(d.holds(few, -0.1, -0.1, 210.1, 80.1));
    EXPECT_FALSE(d.holds(few, -0.1, -0.1, 210.1, 79.9));
    EXPECT_FALSE(d.holds(few, -0.1, -0.1, 209.9, 80.1));
    EXPECT_FALSE(d.holds(few, 0.1, -0.1, 210.1, 80.1));
    EXPECT_FALSE(d.holds(few, -0.1, 0.1, 210.1, 80.1));
    d.db->setErased(few, true);

    // The same with a point far off, which widens the block's box so that
    // some 300 copies are in reach of each question.
    Slot wide = d.block("WIDE");
    d.line(wide, 0, 5, 10, 5);
    d.insert(wide, "LEAF", 0, 0);
    d.insert(wide, "LEAF", 0, 20, turned(90));
    d.add(wide, "POINT", {Group::point(10, -3000, -3000, 0)});
    Slot many = d.insert(d.ms(), "WIDE", 0, 0, array(20, 20, 100, 100));
    // Copy (2, 2) lies at (200, 200).
    EXPECT_TRUE(d.picks(many, 200.5, 225, 1));
    EXPECT_FALSE(d.picks(many, 201.5, 225, 1));
    EXPECT_TRUE(d.picks(many, 205, 200.5, 1));
    EXPECT_TRUE(d.picks(many, 205, 205.5, 1));  // its own line, asked of the lattice
    EXPECT_FALSE(d.picks(many, 205, 202.5, 1));
    EXPECT_TRUE(d.crosses(many, 199, 224, 201, 226));
    EXPECT_FALSE(d.crosses(many, 200.5, 224, 203, 226));
    EXPECT_FALSE(d.crosses(many, 250, 250, 290, 290));  // between copies
    d.db->setErased(many, true);

    // TWO places LEAF 2 x 3 times, 15 and 4 apart: lines from x 0 to 10 and
    // 15 to 25, at y 0, 4 and 8.
    d.insert(d.block("TWO"), "LEAF", 0, 0, array(2, 3, 15, 4));
    Slot nested = d.insert(d.ms(), "TWO", 0, 0, array(20, 20, 100, 100));
    // Copy (13, 7) lies at (1300, 700).
    EXPECT_TRUE(d.picks(nested, 1320, 708.5, 1));
    EXPECT_FALSE(d.picks(nested, 1312.5, 708, 1));
    EXPECT_FALSE(d.picks(nested, 1320, 706, 1));
    EXPECT_FALSE(d.picks(nested, 1320, 709.5, 1));
    EXPECT_TRUE(d.crosses(nested, 1324, 707, 1326, 709));
    EXPECT_FALSE(d.crosses(nested, 1325.5, 707, 1327, 709));
}

// A solid HATCH: a disc of radius 50 about (0, 0) without the wedge from
// -45 to 45 degrees, its arc a clockwise bulge from -45 down to 45 - 360
// degrees; and a hole, a circle of radius 10 about (-20, 0) cut by the
// chord x = -20 - 10 cos 45, its arc a clockwise arc edge from 135 down
// to -135 degrees.  Both arcs hold both turning points in y.
GroupList clockwiseHatch() {
    const double r = 50, corner = r * std::cos(M_PI / 4), bulge = -std::tan(3 * M_PI / 8);
    const double hx = -20 - 10 * std::cos(M_PI / 4), hy = 10 * std::sin(M_PI / 4);
    return {Group::text(100, "AcDbHatch"), Group::point(10, 0, 0, 0), Group::text(2, "SOLID"), Group::integer(70, 1),
            Group::integer(71, 0), Group::integer(91, 2),
            // The outline, a polyline path.
            Group::integer(92, 3), Group::integer(72, 1), Group::integer(73, 1), Group::integer(93, 3),
            Group::point(10, corner, -corner, 0), Group::real(42, bulge), Group::point(10, corner, corner, 0),
            Group::real(42, 0), Group::point(10, 0, 0, 0), Group::real(42, 0), Group::integer(97, 0),
            // The hole, an edge path: the arc (file angles mirrored), then the chord back.
            Group::integer(92, 0), Group::integer(93, 2), Group::integer(72, 2), Group::point(10, -20, 0, 0),
            Group::real(40, 10), Group::real(50, 225), Group::real(51, 495), Group::integer(73, 0),
            Group::integer(72, 1), Group::point(10, hx, -hy, 0), Group::point(11, hx, hy, 0), Group::integer(97, 0),
            Group::integer(75, 0), Group::integer(76, 1), Group::integer(98, 0)};
}

TEST(ClockwiseArcFill, InsideOutsideAndTheHole) {
    Drawing d;
    Slot own = d.add(d.ms(), "HATCH", clockwiseHatch());
    d.add(d.block("HATCHED"), "HATCH", clockwiseHatch());
    // The same in a block, mirrored in x and placed at (500, 0): clockwise
    // there is counter-clockwise in the world.
    Slot mirrored = d.insert(d.ms(), "HATCHED", 500, 0, turned(0, -1, 1));
    for (auto [hatch, sign, dx] : {std::tuple{own, 1.0, 0.0}, {mirrored, -1.0, 500.0}}) {
        SCOPED_TRACE(sign);
        auto at = [&, s = sign, o = dx](double x, double y, double radius) {
            return d.picks(hatch, o + s * x, y, radius);
        };
        auto crossing = [&, s = sign, o = dx](double x1, double y1, double x2, double y2) {
            return d.crosses(hatch, o + std::min(s * x1, s * x2), y1, o + std::max(s * x1, s * x2), y2);
        };
        // Filled, at least a unit from every edge.
        EXPECT_TRUE(at(-45, 5, 0.5));
        EXPECT_TRUE(at(10, 30, 0.5));
        EXPECT_TRUE(at(-20, 12, 0.5));
        EXPECT_TRUE(at(-29, 0, 0.5));  // the circle beyond the hole's chord
        EXPECT_TRUE(at(-35, -30, 0.5));
        // Just inside the outline's arc, at its top, bottom and far left.
        EXPECT_TRUE(at(0, 49.6, 0.1));
        EXPECT_TRUE(at(0, -49.6, 0.1));
        EXPECT_TRUE(at(-49.6, 0, 0.1));
        EXPECT_FALSE(at(0, 50.6, 0.5));
        EXPECT_FALSE(at(0, -50.6, 0.5));
        // Outside the arc between it and the level of its ends (35.36).
        EXPECT_FALSE(at(33, 40, 0.5));
        EXPECT_FALSE(at(33, -40, 0.5));
        // The hole, and the wedge left out.
        EXPECT_FALSE(at(-20, 0, 0.5));
        EXPECT_FALSE(at(-15, 5, 0.5));
        EXPECT_FALSE(at(-20, -8, 0.5));
        EXPECT_FALSE(at(40, 0, 0.5));
        EXPECT_FALSE(at(20, 10, 0.5));
        // A crossing wholly inside the fill meets it; one inside the hole does not.
        EXPECT_TRUE(crossing(-42, -2, -38, 2));
        EXPECT_FALSE(crossing(-22, -2, -18, 2));
        EXPECT_FALSE(crossing(38, -2, 42, 2));
    }
    d.db->setErased(own, true);
    d.db->setErased(mirrored, true);

    // Beside a filled square over part of it in one block, each area fills
    // on its own: where they overlap is filled.
    Slot both = d.block("BOTH");
    d.add(both, "HATCH", clockwiseHatch());
    d.add(both, "SOLID",
          {Group::point(10, -45, -5, 0), Group::point(11, -35, -5, 0), Group::point(12, -45, 5, 0),
           Group::point(13, -35, 5, 0)});
    Slot overlapping = d.insert(d.ms(), "BOTH", 0, 0);
    EXPECT_TRUE(d.picks(overlapping, -40, 0, 0.5));
    EXPECT_TRUE(d.crosses(overlapping, -41, -1, -39, 1));
    EXPECT_FALSE(d.picks(overlapping, -20, 0, 0.5));
    d.db->setErased(overlapping, true);

    // A square of side 100 whose left side is a clockwise arc edge bowed in
    // to (30, 50) (centre (-80/3, 50), radius 170/3): nothing is drawn along
    // the chord x = 0 it stands in for.
    const double radius = 170.0 / 3, reach = std::atan2(50, 80.0 / 3) * 180 / M_PI;
    Slot notched = d.add(
        d.ms(), "HATCH",
        {Group::text(100, "AcDbHatch"), Group::point(10, 0, 0, 0), Group::text(2, "SOLID"), Group::integer(70, 1),
         Group::integer(71, 0), Group::integer(91, 1), Group::integer(92, 1), Group::integer(93, 4),
         Group::integer(72, 1), Group::point(10, 0, 0, 0), Group::point(11, 100, 0, 0), Group::integer(72, 1),
         Group::point(10, 100, 0, 0), Group::point(11, 100, 100, 0), Group::integer(72, 1),
         Group::point(10, 100, 100, 0), Group::point(11, 0, 100, 0), Group::integer(72, 2),
         Group::point(10, -80.0 / 3, 50, 0), Group::real(40, radius), Group::real(50, 360 - reach),
         Group::real(51, reach), Group::integer(73, 0), Group::integer(97, 0), Group::integer(75, 0),
         Group::integer(76, 1), Group::integer(98, 0)});
    EXPECT_TRUE(d.picks(notched, 50, 50, 0.1));
    EXPECT_TRUE(d.picks(notched, 30.4, 50, 0.1));
    EXPECT_TRUE(d.picks(notched, 10, 5, 0.1));  // the arc is at x = 7.78 there
    EXPECT_FALSE(d.picks(notched, 29.5, 50, 0.3));
    EXPECT_FALSE(d.picks(notched, 0.3, 50, 0.5));
    EXPECT_FALSE(d.picks(notched, -0.3, 50, 0.5));
    EXPECT_FALSE(d.picks(notched, 5, 20, 0.5));
}

// An arc met by one edge of a window alone: the lower half of a circle of
// radius 10 about (0, 20), its lowest point (0, 10), met by a crossing's
// top edge; the same turned half a turn in a block, met by the bottom
// edge; halves met by the right and the left edge.  And the arc of a circle of radius 10 about (0, 0) from 200 to 340
// degrees, lowest at (0, -10), its ends at (+-9.397, -3.420): a window
// holds it only when its bottom edge lies below that point.
TEST(ArcsAtAWindowsEdges, CrossingsAndWindowsFollowTheCurve) {
    Drawing d;
    Slot lower = d.add(d.ms(), "ARC",
                       {Group::point(10, 0, 20, 0), Group::real(40, 10), Group::real(50, 180), Group::real(51, 360)});
    EXPECT_TRUE(d.crosses(lower, -20, 0, 20, 10.3));
    EXPECT_FALSE(d.crosses(lower, -20, 0, 20, 9.9));
    // A top edge at 11 meets the arc at x = +-4.36, its side x = -5 at y = 11.34.
    EXPECT_FALSE(d.crosses(lower, -20, 0, -5, 11));
    EXPECT_TRUE(d.crosses(lower, -20, 0, -4.2, 11));
    d.db->setErased(lower, true);

    d.add(d.block("LOWER"), "ARC",
          {Group::point(10, 0, 20, 0), Group::real(40, 10), Group::real(50, 180), Group::real(51, 360)});
    Slot upright = d.insert(d.ms(), "LOWER", 1000, 0);
    Slot upside = d.insert(d.ms(), "LOWER", 0, 0, turned(180));  // the upper half about (0, -20), top (0, -10)
    EXPECT_TRUE(d.crosses(upright, 980, 0, 1020, 10.3));
    EXPECT_TRUE(selectWindow(*d.db, 980, 0, 1020, 9.9, true).empty());
    EXPECT_TRUE(d.crosses(upside, -20, -10.3, 20, 0));
    EXPECT_TRUE(selectWindow(*d.db, -20, -9.9, 20, 0, true).empty());
    d.db->setErased(upright, true);
    d.db->setErased(upside, true);
    // Halves facing left and right, their nearest points (10, 0) and (-10, 0),
    // met only by a crossing's right and left edge.
    Slot left = d.add(d.ms(), "ARC",
                      {Group::point(10, 20, 0, 0), Group::real(40, 10), Group::real(50, 90), Group::real(51, 270)});
    EXPECT_TRUE(d.crosses(left, 0, -20, 10.3, 20));
    EXPECT_TRUE(selectWindow(*d.db, 0, -20, 9.9, 20, true).empty());
    d.db->setErased(left, true);
    Slot right = d.add(d.ms(), "ARC",
                       {Group::point(10, -20, 0, 0), Group::real(40, 10), Group::real(50, -90), Group::real(51, 90)});
    EXPECT_TRUE(d.crosses(right, -10.3, -20, 0, 20));
    EXPECT_TRUE(selectWindow(*d.db, -9.9, -20, 0, 20, true).empty());
    d.db->setErased(right, true);

    const double end = 10 * std::cos(20 * M_PI / 180);  // 9.397
    Slot dipping = d.add(d.ms(), "ARC",
                         {Group::point(10, 0, 0, 0), Group::real(40, 10), Group::real(50, 200), Group::real(51, 340)});
    EXPECT_TRUE(d.holds(dipping, -end - 0.05, -10.05, end + 0.05, -3));
    EXPECT_FALSE(d.holds(dipping, -end - 0.05, -9.95, end + 0.05, -3));
    EXPECT_FALSE(d.holds(dipping, -end + 0.05, -10.05, end + 0.05, -3));
    EXPECT_FALSE(d.holds(dipping, -end - 0.05, -10.05, end - 0.05, -3));
    d.db->setErased(dipping, true);
    d.add(d.block("DIP"), "ARC",
          {Group::point(10, 0, 0, 0), Group::real(40, 10), Group::real(50, 200), Group::real(51, 340)});
    Slot placed = d.insert(d.ms(), "DIP", 500, 0);
    EXPECT_TRUE(d.holds(placed, 500 - end - 0.05, -10.05, 500 + end + 0.05, -3));
    EXPECT_FALSE(d.holds(placed, 500 - end - 0.05, -9.95, 500 + end + 0.05, -3));
    // Turned a quarter: its lowest point is its rightmost, at (510, 0).
    d.db->setErased(placed, true);
    Slot quarter = d.insert(d.ms(), "DIP", 500, 0, turned(90));
    EXPECT_TRUE(d.holds(quarter, 503, -end - 0.05, 510.05, end + 0.05));
    EXPECT_FALSE(d.holds(quarter, 503, -end - 0.05, 509.95, end + 0.05));
    d.db->setErased(quarter, true);
    // A bulge below its chord from (-10, 0) to (10, 0), 5 deep.
    Slot bulged = d.add(d.ms(), "LWPOLYLINE",
                        {Group::integer(90, 2), Group::integer(70, 0), Group::point(10, -10, 0, 0),
                         Group::real(42, 0.5), Group::point(10, 10, 0, 0)});
    EXPECT_TRUE(d.holds(bulged, -10.05, -5.05, 10.05, 0.05));
    EXPECT_FALSE(d.holds(bulged, -10.05, -4.95, 10.05, 0.05));
    EXPECT_TRUE(d.crosses(bulged, -1, -5.2, 1, -4.8));
    EXPECT_FALSE(d.crosses(bulged, -1, -5.4, 1, -5.1));
}

// A SPLINE of degree `degree` with clamped knots (a single span) through
// the control points.
GroupList spline(int degree, const std::vector<std::pair<double, double>>& control) {
    const int count = static_cast<int>(control.size());
    GroupList g = {Group::integer(70, 8), Group::integer(71, degree), Group::integer(72, 2 * count),
                   Group::integer(73, count)};
    for (int k = 0; k < 2 * count; ++k) g.push_back(Group::real(40, k < count ? 0 : 1));
    for (auto [x, y] : control) g.push_back(Group::point(10, x, y, 0));
    return g;
}

// Splines that are straight: of degree 1 from (0, 0) to (300, 100), and a
// cubic whose control points lie on the line from (0, 200) to (300, 300);
// each met by a crossing across its middle that holds neither end, and
// not by one beside it inside the box of its control points.
TEST(StraightSplinePieces, AreMetWhereTheyRun) {
    Drawing d;
    Slot b = d.block("STRAIGHT");
    d.add(b, "SPLINE", spline(1, {{0, 0}, {300, 100}}));
    d.add(b, "SPLINE", spline(3, {{0, 200}, {60, 220}, {210, 270}, {300, 300}}));
    Slot straight = d.insert(d.ms(), "STRAIGHT", 0, 0);
    for (double base : {0.0, 200.0}) {
        SCOPED_TRACE(base);
        // At x = 150 the line is at base + 50.
        EXPECT_TRUE(d.crosses(straight, 149, base + 49.5, 151, base + 50.5));
        EXPECT_FALSE(d.crosses(straight, 149, base + 51, 151, base + 53));
        EXPECT_FALSE(d.crosses(straight, 149, base + 47, 151, base + 49));
        // 0.9 above it in y is 0.854 from it; 1.2 above, 1.138.
        EXPECT_TRUE(d.picks(straight, 150, base + 50.9, 1));
        EXPECT_FALSE(d.picks(straight, 150, base + 51.2, 1));
        EXPECT_FALSE(d.picks(straight, 150, base + 48.8, 1));
    }
    EXPECT_TRUE(d.holds(straight, -0.1, -0.1, 300.1, 300.1));
    EXPECT_FALSE(d.holds(straight, -0.1, -0.1, 300.1, 299.9));
}

// An XLINE in a block of more than four pieces is looked at with every
// copy, whatever box the question has: picked and crossed a million units
// along it either way; and one placed five times by a block (its placed
// blocks indexed), crossed ten million units away.
TEST(EndlessLinesInIndexedBlocks, AreFoundFarAlongThem) {
    Drawing d;
    Slot b = d.block("XB");
    for (int i = 0; i < 5; ++i) d.line(b, 20.0 * i, -50, 20.0 * i + 5, -50);
    d.add(b, "XLINE", {Group::point(10, 0, 0, 0), Group::point(11, 1, 1, 0)});
    Slot x = d.insert(d.ms(), "XB", 100, 0);  // through (100 + t, t)
    EXPECT_TRUE(d.picks(x, 100 + 1e6, 1e6 + 0.5, 1));
    EXPECT_FALSE(d.picks(x, 100 + 1e6, 1e6 + 2, 1));
    EXPECT_TRUE(d.picks(x, 100 - 1e6, -1e6 - 0.5, 1));
    EXPECT_FALSE(d.picks(x, 100 - 1e6, -1e6 + 2, 1));
    EXPECT_TRUE(d.crosses(x, 99 + 1e6, 1e6 - 1, 101 + 1e6, 1e6 + 1));
    EXPECT_FALSE(d.crosses(x, 101.5 + 1e6, 1e6 - 1, 103 + 1e6, 1e6 + 1));
    EXPECT_TRUE(selectWindow(*d.db, -1e7, -1e7, 1e7, 1e7, false).empty());  // never held
    // Each short line is found through the block's tree of boxes.
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(d.picks(x, 100 + 20.0 * i + 2.5, -49.5, 1)) << i;
        EXPECT_FALSE(d.picks(x, 100 + 20.0 * i + 7, -49.5, 1)) << i;
    }
    d.db->setErased(x, true);

    d.add(d.block("XL"), "XLINE", {Group::point(10, 0, 0, 0), Group::point(11, 1, 0, 0)});
    Slot p = d.block("XP");
    for (int i = 0; i < 5; ++i) d.insert(p, "XL", 0, 10.0 * i);
    Slot lines = d.insert(d.ms(), "XP", 0, 0);
    EXPECT_TRUE(d.picks(lines, 1e7, 20.5, 1));
    EXPECT_FALSE(d.picks(lines, 1e7, 25, 1));
    EXPECT_FALSE(d.picks(lines, -1e7, 41.5, 1));
    EXPECT_TRUE(d.crosses(lines, -1e7 - 1, 39, -1e7 + 1, 41));
    EXPECT_FALSE(d.crosses(lines, -1e7 - 1, 41, -1e7 + 1, 49));
}

// A pentagon placed turned 25 degrees by a block that is itself placed
// turned back: in the world it stands as drawn, from x 0 to 100 and y -20
// to 40 about (500, 500), though the box of the inner block turned back
// is far larger.  A window holds it exactly when it holds the pentagon;
// so for the pentagon placed turned 40 degrees, and for three copies of
// the turned pair in an array along the turned axes.
TEST(TurnedInserts, AreHeldExactlyWhenTheirContentFits) {
    Drawing d;
    const std::vector<std::pair<double, double>> pentagon = {{0, 0}, {60, -20}, {100, 10}, {70, 40}, {10, 30}};
    GroupList outline = {Group::integer(90, 5), Group::integer(70, 1)};
    for (auto [x, y] : pentagon) outline.push_back(Group::point(10, x, y, 0));
    d.add(d.block("PENT"), "LWPOLYLINE", outline);
    d.insert(d.block("MID"), "PENT", 0, 0, turned(25));
    Slot upright = d.insert(d.ms(), "MID", 500, 500, turned(-25));
    EXPECT_TRUE(d.holds(upright, 499.9, 479.9, 600.1, 540.1));
    EXPECT_FALSE(d.holds(upright, 500.1, 479.9, 600.1, 540.1));
    EXPECT_FALSE(d.holds(upright, 499.9, 480.1, 600.1, 540.1));
    EXPECT_FALSE(d.holds(upright, 499.9, 479.9, 599.9, 540.1));
    EXPECT_FALSE(d.holds(upright, 499.9, 479.9, 600.1, 539.9));
    d.db->setErased(upright, true);

    // The box of vertices turned by `degrees` and moved by (ox, oy), for
    // each offset given.
    auto box = [&](double degrees, const std::vector<std::pair<double, double>>& offsets, double out[4]) {
        out[0] = out[1] = INFINITY;
        out[2] = out[3] = -INFINITY;
        for (auto [ox, oy] : offsets)
            for (auto [x, y] : pentagon) {
                auto [tx, ty] = turn(x, y, degrees);
                out[0] = std::min(out[0], ox + tx);
                out[1] = std::min(out[1], oy + ty);
                out[2] = std::max(out[2], ox + tx);
                out[3] = std::max(out[3], oy + ty);
            }
    };
    auto heldOnlyWhole = [&](Slot entity, const double b[4]) {
        EXPECT_TRUE(d.holds(entity, b[0] - 0.1, b[1] - 0.1, b[2] + 0.1, b[3] + 0.1));
        for (int side = 0; side < 4; ++side) {
            double w[4] = {b[0] - 0.1, b[1] - 0.1, b[2] + 0.1, b[3] + 0.1};
            w[side] += side < 2 ? 0.2 : -0.2;
            EXPECT_FALSE(d.holds(entity, w[0], w[1], w[2], w[3])) << side;
        }
    };
    Slot tilted = d.insert(d.ms(), "PENT", 0, 1000, turned(40));
    double b[4];
    box(40, {{0, 1000}}, b);
    heldOnlyWhole(tilted, b);
    // The pentagon's own outline about that point does not hold it turned.
    EXPECT_FALSE(d.holds(tilted, -0.1, 979.9, 100.1, 1040.1));
    d.db->setErased(tilted, true);

    Slot row = d.insert(d.ms(), "MID", 0, 0, joined(turned(-25), array(3, 1, 200, 0)));
    std::vector<std::pair<double, double>> copies;
    for (int c = 0; c < 3; ++c) copies.push_back(turn(200.0 * c, 0, -25));
    box(0, copies, b);
    heldOnlyWhole(row, b);
}

// A square of side 10 in a 2 x 2 MINSERT 20 apart, turned 30 degrees:
// copy (0, 1), the last corner of the array's parallelogram, reaches left
// to x = -15, the others to -5.  A window round the other three copies
// takes nothing; one that reaches past copy (0, 1) too takes the array.
TEST(TurnedArrays, AreHeldOnlyWithEveryCornerCopy) {
    Drawing d;
    test_drawing::addLwPolyline(*d.db, d.block("SQUARE"),
                                {{{0, 0, 0, 0, 0}, {10, 0, 0, 0, 0}, {10, 10, 0, 0, 0}, {0, 10, 0, 0, 0}}}, true);
    Slot squares = d.insert(d.ms(), "SQUARE", 0, 0, joined(turned(30), array(2, 2, 20, 20)));
    const double right = turn(30, 0, 30).first, top = turn(30, 30, 30).second;
    EXPECT_TRUE(d.holds(squares, turn(0, 30, 30).first - 0.1, -0.1, right + 0.1, top + 0.1));
    EXPECT_FALSE(d.holds(squares, turn(0, 10, 30).first - 0.1, -0.1, right + 0.1, top + 0.1));
}

// A half circle of radius 10 about the origin drawn after five lines (a
// block that keeps its pieces in a tree and slices them out one by one):
// a pick on the arc takes the insert, one at its centre, through which
// its chord runs, does not.
TEST(ArcsInIndexedBlocks, ArePickedOnTheirCurveNotOnTheirChord) {
    Drawing d;
    Slot b = d.block("ARCAFTERLINES");
    for (int i = 0; i < 5; ++i) d.line(b, 20.0 * i, -50, 20.0 * i + 5, -50);
    d.add(b, "ARC", {Group::point(10, 0, 0, 0), Group::real(40, 10), Group::real(50, 0), Group::real(51, 180)});
    Slot placed = d.insert(d.ms(), "ARCAFTERLINES", 0, 0);
    EXPECT_TRUE(d.picks(placed, 0, 10.5, 1));
    EXPECT_TRUE(d.picks(placed, -6, 8.5, 1));
    EXPECT_FALSE(d.picks(placed, 0, 0, 1));
    EXPECT_FALSE(d.picks(placed, 5, 0.5, 1));
}

// The far side of a ring of arcs is where its ring says nothing lies
// beyond: an ellipse turned 30 degrees (axes 100 and 50) in two arcs, and
// circular arcs whose ring is centred off their own centre (on the near
// side, and on the far side), each picked a quarter of a unit beyond its
// farthest point (taken) and 0.35 beyond (not), with a pick box of 0.3.
TEST(RingsOfArcs, ArePickedNearTheirFarthestPoint) {
    Drawing d;
    const double major[2] = {100 * std::cos(M_PI / 6), 100 * std::sin(M_PI / 6)};
    Slot e = d.block("ELL");
    for (auto [t0, t1] : {std::pair{0.3, 2.0}, {2.0, 0.3 + 2 * M_PI}})
        d.add(e, "ELLIPSE",
              {Group::point(10, 0, 0, 0), Group::point(11, major[0], major[1], 0), Group::real(40, 0.5),
               Group::real(41, t0), Group::real(42, t1)});
    Slot ellipse = d.insert(d.ms(), "ELL", 0, 0);
    for (double side : {1.0, -1.0}) {
        for (auto [beyond, taken] : {std::pair{0.25, true}, {0.35, false}}) {
            double k = side * (1 + beyond / 100);
            EXPECT_EQ(d.picks(ellipse, k * major[0], k * major[1], 0.3), taken) << side << " " << beyond;
        }
    }
    EXPECT_FALSE(d.picks(ellipse, 0, 0, 0.3));
    d.db->setErased(ellipse, true);

    // Radius 100 about (0, 0) from -60 to 240 degrees: its box is centred
    // at (0, 6.70), from which its ends (+-50, -86.60) lie farthest.
    d.add(d.block("OPEN"), "ARC",
          {Group::point(10, 0, 0, 0), Group::real(40, 100), Group::real(50, -60), Group::real(51, 240)});
    Slot open = d.insert(d.ms(), "OPEN", 0, 0);
    const double cy = (100 - 100 * std::sin(M_PI / 3)) / 2, ex = 50, ey = -100 * std::sin(M_PI / 3);
    const double length = std::hypot(ex, ey - cy), ux = ex / length, uy = (ey - cy) / length;
    for (double side : {1.0, -1.0}) {
        EXPECT_TRUE(d.picks(open, side * (ex + 0.25 * ux), ey + 0.25 * uy, 0.3)) << side;
        EXPECT_FALSE(d.picks(open, side * (ex + 0.35 * ux), ey + 0.35 * uy, 0.3)) << side;
    }
    EXPECT_TRUE(d.picks(open, 0, 100.25, 0.3));
    EXPECT_FALSE(d.picks(open, 0, -100, 0.3));  // where the arc is left out
    d.db->setErased(open, true);

    // A quarter of radius 100 about (0, 0), from 180 to 270 degrees, and
    // points at (120, 10) and (10, 120): the box is centred at (10, 10),
    // 110 from the points and from the arc's ends, 114.14 from the arc's
    // middle, on the far side of its centre.
    Slot q = d.block("QUARTER");
    d.add(q, "ARC", {Group::point(10, 0, 0, 0), Group::real(40, 100), Group::real(50, 180), Group::real(51, 270)});
    d.add(q, "POINT", {Group::point(10, 120, 10, 0)});
    d.add(q, "POINT", {Group::point(10, 10, 120, 0)});
    Slot quarter = d.insert(d.ms(), "QUARTER", 0, 0);
    const double diagonal = -100 / std::sqrt(2.0);
    EXPECT_TRUE(d.picks(quarter, diagonal - 0.25 / std::sqrt(2.0), diagonal - 0.25 / std::sqrt(2.0), 0.3));
    EXPECT_FALSE(d.picks(quarter, diagonal - 0.35 / std::sqrt(2.0), diagonal - 0.35 / std::sqrt(2.0), 0.3));
}

// A filled triangle (0, 0), (50, 0), (0, 50) in arrays of 6 and 36
// copies, asked copy by copy, and in 36 beside a point far off that puts
// most copies in reach, asked of the lattice: a pick inside copy (1, 1)
// near its slanted side takes the array; one just beyond that side, or
// between copies, does not.
TEST(FilledTrianglesInArrays, ArePickedInsideACopyOnly) {
    Drawing d;
    const GroupList triangle = {Group::point(10, 0, 0, 0), Group::point(11, 50, 0, 0), Group::point(12, 0, 50, 0),
                                Group::point(13, 0, 50, 0)};
    d.add(d.block("TRI"), "SOLID", triangle);
    Slot wide = d.block("WIDETRI");
    d.add(wide, "SOLID", triangle);
    d.add(wide, "POINT", {Group::point(10, -3000, -3000, 0)});
    for (auto [name, columns, rows] : {std::tuple{"TRI", 3, 2}, {"TRI", 6, 6}, {"WIDETRI", 6, 6}}) {
        SCOPED_TRACE(std::string(name) + " " + std::to_string(columns * rows));
        Slot copies = d.insert(d.ms(), name, 0, 0, array(columns, rows, 100, 100));
        const double x = 100, y = 100;  // copy (1, 1)
        EXPECT_TRUE(d.picks(copies, x + 24, y + 24, 0.5));
        EXPECT_FALSE(d.picks(copies, x + 26, y + 26, 0.5));
        EXPECT_TRUE(d.picks(copies, x + 2, y + 2, 0.5));
        EXPECT_TRUE(d.picks(copies, x + 2, y + 47, 0.5));
        EXPECT_FALSE(d.picks(copies, x + 60, y + 20, 0.5));
        EXPECT_FALSE(d.picks(copies, x - 20, y + 40, 0.5));
        EXPECT_TRUE(d.crosses(copies, x + 20, y + 20, x + 22, y + 22));
        EXPECT_FALSE(d.crosses(copies, x + 26, y + 26, x + 28, y + 28));
        if (name == std::string("TRI")) {
            const double lastX = 100.0 * (columns - 1), lastY = 100.0 * (rows - 1);
            EXPECT_TRUE(d.holds(copies, -0.1, -0.1, lastX + 50.1, lastY + 50.1));
            EXPECT_FALSE(d.holds(copies, -0.1, -0.1, lastX + 49.9, lastY + 50.1));
            EXPECT_FALSE(d.holds(copies, -0.1, -0.1, lastX + 50.1, lastY + 49.9));
        }
        d.db->setErased(copies, true);
    }
}

// A cubic SPLINE of five spans from (0, 0) to (700, 100), its control
// points 100 apart in x, at y 0 and 100 by turns (clamped uniform knots):
// x rises along it, and it lies in the box of its control points.
GroupList fiveSpans() {
    GroupList g = {Group::integer(70, 8), Group::integer(71, 3), Group::integer(72, 12), Group::integer(73, 8)};
    for (double k : {0, 0, 0, 0, 1, 2, 3, 4, 5, 5, 5, 5}) g.push_back(Group::real(40, k));
    for (int i = 0; i < 8; ++i) g.push_back(Group::point(10, 100.0 * i, i % 2 ? 100 : 0, 0));
    return g;
}

// A window that holds the spline's first spans (up to x = X, its last span
// starting before x = 500), or all of it but its end, does not hold it;
// one round all of it does.  In model space, and in an insert turned 30
// degrees, whose box is far larger than the spline.
TEST(SplinesInWindows, AreHeldOnlyWhole) {
    Drawing d;
    Slot own = d.add(d.ms(), "SPLINE", fiveSpans());
    EXPECT_TRUE(d.holds(own, -1, -1, 701, 101));
    for (double X : {690.0, 600.0, 350.0, 150.0}) EXPECT_FALSE(d.holds(own, -1, -1, X, 101)) << X;
    d.db->setErased(own, true);

    d.add(d.block("SPANS"), "SPLINE", fiveSpans());
    Slot placed = d.insert(d.ms(), "SPANS", 0, 0, turned(30));
    // The box of the part of the control points' box up to x = X, turned, a unit wider.
    auto window = [&](double X) {
        double w[4] = {INFINITY, INFINITY, -INFINITY, -INFINITY};
        for (auto [x, y] : {std::pair{0.0, 0.0}, {X, 0.0}, {0.0, 100.0}, {X, 100.0}}) {
            auto [tx, ty] = turn(x, y, 30);
            w[0] = std::min(w[0], tx - 1);
            w[1] = std::min(w[1], ty - 1);
            w[2] = std::max(w[2], tx + 1);
            w[3] = std::max(w[3], ty + 1);
        }
        return d.holds(placed, w[0], w[1], w[2], w[3]);
    };
    EXPECT_TRUE(window(700));
    for (double X : {690.0, 600.0, 350.0, 150.0}) EXPECT_FALSE(window(X)) << X;
    // Its end (700, 100) turned is the top of the turned box, (556.2, 436.6);
    // the box's other corners lie 86.6 lower or more.
    EXPECT_TRUE(d.holds(placed, -51, -1, 607.3, 437.7));
    EXPECT_FALSE(d.holds(placed, -51, -1, 607.3, 430));
}

// A cubic Bezier's point at t.
std::pair<double, double> bezier(const std::vector<std::pair<double, double>>& control, double t) {
    std::vector<std::pair<double, double>> q = control;
    for (size_t r = 1; r < q.size(); ++r)
        for (size_t i = 0; i + r < q.size(); ++i)
            q[i] = {(1 - t) * q[i].first + t * q[i + 1].first, (1 - t) * q[i].second + t * q[i + 1].second};
    return q[0];
}

// A spline drawn after five lines in one block (so that the block keeps
// its pieces in a tree and slices them out one by one), the block placed
// 10,000 times larger, where the chords the spline is drawn with stray
// hundreds of units from it: a pick on its curve takes the insert, at its
// highest and lowest points too (beyond the box of its chords); a pick on
// the lines too.
TEST(SplinesInIndexedBlocks, ArePickedOnTheirCurve) {
    Drawing d;
    const std::vector<std::pair<double, double>> control = {{0, 0}, {30, 150}, {70, -100}, {100, 10}};
    Slot b = d.block("AFTERLINES");
    for (int i = 0; i < 5; ++i) d.line(b, 20.0 * i, -50, 20.0 * i + 5, -50);
    d.add(b, "SPLINE", spline(3, control));
    const double scale = 1e4;
    Slot placed = d.insert(d.ms(), "AFTERLINES", 0, 0, turned(0, scale, scale));
    // y' is 3 (760 t^2 - 800 t + 150): highest (49.4) and lowest (-18.9)
    // where that is 0, some 0.01 to 0.02 beyond its chords in the block.
    const double root = std::sqrt(800.0 * 800 - 4 * 760 * 150);
    for (double t : {1.0 / 3, 0.618, 0.9, (800 - root) / 1520, (800 + root) / 1520}) {
        auto [x, y] = bezier(control, t);
        EXPECT_TRUE(d.picks(placed, scale * x, scale * y, 1)) << t;
    }
    EXPECT_TRUE(d.picks(placed, 42.5 * scale, -50 * scale, 1));
    EXPECT_FALSE(d.picks(placed, 50 * scale, -50 * scale, 1));
}

// An ellipse 2e6 by 1.4e6 alone in a block, drawn from parameter 0.3 round
// (so that no piece its curve search starts with ends at an axis): its
// ring is centred at its centre, 7e5 from its nearest points and 1e6 from
// its farthest.  Picks exactly on it there and elsewhere take the insert;
// a bound of its distance loose by a share of the distance (tens of units)
// would turn them down.
TEST(RingsOfLargeEllipses, TakeAPickExactlyOnTheCurve) {
    Drawing d;
    const double a = 1e6, b = 7e5;
    d.add(d.block("WIDE"), "ELLIPSE",
          {Group::point(10, 0, 0, 0), Group::point(11, a, 0, 0), Group::real(40, b / a), Group::real(41, 0.3),
           Group::real(42, 0.3 + 2 * M_PI)});
    Slot ellipse = d.insert(d.ms(), "WIDE", 0, 0);
    for (double t : {M_PI / 2, -M_PI / 2, 0.0, M_PI, 1.0, 4.0})
        EXPECT_TRUE(d.picks(ellipse, a * std::cos(t), b * std::sin(t), 0.5)) << t;
    EXPECT_FALSE(d.picks(ellipse, 0, b - 1, 0.5));
    EXPECT_FALSE(d.picks(ellipse, a + 1, 0, 0.5));
}

// Arrays dense enough to be asked of their lattice (a point far off widens
// the block's box, so that some 40 copies are in reach; no copy of the
// point lies near what is asked): a pick beyond an arc's end, outside its
// angles but within the pick box of the end, takes the array, as does a
// pick diagonally past a line's end; a little farther, neither does.
// Copy (7, 7) lies at (3500, 3500).
TEST(EndsInDenseArrays, ArePickedWithinReachOfTheEnd) {
    Drawing d;
    Slot a = d.block("QUARTERARC");
    d.add(a, "ARC", {Group::point(10, 0, 0, 0), Group::real(40, 100), Group::real(50, 0), Group::real(51, 90)});
    d.add(a, "POINT", {Group::point(10, -3210, -3170, 0)});
    Slot arcs = d.insert(d.ms(), "QUARTERARC", 0, 0, array(20, 20, 500, 500));
    // From (3600, 3500) to (3500, 3600).
    EXPECT_TRUE(d.picks(arcs, 3500 - 0.6, 3600 + 0.3, 1));
    EXPECT_TRUE(d.picks(arcs, 3600 + 0.3, 3500 - 0.6, 1));
    EXPECT_FALSE(d.picks(arcs, 3500 - 1.2, 3600 + 0.3, 1));
    EXPECT_FALSE(d.picks(arcs, 3600 + 0.3, 3500 - 1.2, 1));
    d.db->setErased(arcs, true);

    Slot l = d.block("SHORTLINE");
    d.line(l, 0, 0, 10, 0);
    d.add(l, "POINT", {Group::point(10, -3210, -3170, 0)});
    Slot lines = d.insert(d.ms(), "SHORTLINE", 0, 0, array(20, 20, 500, 500));
    // From (3500, 3500) to (3510, 3500).
    for (double sign : {1.0, -1.0}) {
        EXPECT_TRUE(d.picks(lines, 3510 + 0.6, 3500 + sign * 0.6, 1)) << sign;
        EXPECT_TRUE(d.picks(lines, 3500 - 0.6, 3500 + sign * 0.6, 1)) << sign;
        EXPECT_FALSE(d.picks(lines, 3510 + 0.8, 3500 + sign * 0.8, 1)) << sign;
        EXPECT_FALSE(d.picks(lines, 3500 - 0.8, 3500 + sign * 0.8, 1)) << sign;
    }
}

}  // namespace
