// Curves in arrays of many copies answer as the same curve in one insert:
// a pick or crossing is taken where a point of some copy's curve is within
// reach, exactly, whatever the copy count.  Every point asked about lies
// half way between where chords of 4,096 a turn would run, 5.9 units
// inside a curve of radius 2e7, and the copies beside the one asked about
// lie 100 units or more off.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "db/drawn_shapes.h"
#include "test_blocks.h"

using namespace host::db;

namespace {

constexpr double kR = 2e7;
constexpr double kPickBox = 3;
// Half a chord of 4,096 a turn past the bottom of a circle, going back.
const double kBelow = -M_PI / 2 - M_PI / 4096;

struct Drawing : test_drawing::Drawing {
    Slot insert(const std::string& name, GroupList more) {
        GroupList g = {Group::text(2, name), Group::point(10, 0, 0, 0)};
        g.insert(g.end(), more.begin(), more.end());
        return add(ms(), "INSERT", std::move(g));
    }
    bool picked(Slot entity, double x, double y, double radius = kPickBox) const {
        return pick(*db, x, y, radius) == entity;
    }
    bool crossed(Slot entity, double x, double y, double half) const {
        return selectWindow(*db, x - half, y - half, x + half, y + half, true) == std::vector<Slot>{entity};
    }
    // An LWPOLYLINE from (x0, y0) to (x1, y1) with a bulge.
    void bulged(Slot in, double x0, double y0, double bulge, double x1, double y1) {
        add(in, "LWPOLYLINE",
            {Group::integer(90, 2), Group::integer(70, 0), Group::point(10, x0, y0, 0), Group::real(42, bulge),
             Group::point(10, x1, y1, 0)});
    }
};

GroupList array(int columns, int rows, double columnSpacing, double rowSpacing, double sx = 1, double sy = 1) {
    return {Group::real(41, sx),         Group::real(42, sy),         Group::real(43, 1),
            Group::integer(70, columns), Group::integer(71, rows),    Group::real(44, columnSpacing),
            Group::real(45, rowSpacing)};
}

// A circle of radius 2e7 in arrays of 20 x 20 and 1 x 1000 copies: picked
// on its curve, 2.8 outside it and not 3.2 outside; a crossing over the
// curve alone meets it, one just outside does not.  The copies at
// positive offsets lie inside the curve's outward normal there.
TEST(ArrayCurves, AHugeCircleInAnArrayIsTakenOnItsCurveAndNoFarther) {
    Drawing d;
    d.circle(d.block("C"), 0, 0, kR);
    Slot grid = d.insert("C", array(20, 20, 100, 100));
    const double c = std::cos(kBelow), s = std::sin(kBelow);
    EXPECT_TRUE(d.picked(grid, kR * c, kR * s));
    EXPECT_TRUE(d.picked(grid, (kR + 2.8) * c, (kR + 2.8) * s));
    EXPECT_FALSE(d.picked(grid, (kR + 3.2) * c, (kR + 3.2) * s));
    EXPECT_TRUE(d.crossed(grid, kR * c, kR * s, 1));
    EXPECT_FALSE(d.crossed(grid, (kR + 2) * c, (kR + 2) * s, 0.9));

    Drawing column;
    column.circle(column.block("C"), 0, 0, kR);
    Slot thousand = column.insert("C", array(1, 1000, 0, 100));
    const double y = 500 * 100;  // copy 500
    EXPECT_TRUE(column.picked(thousand, kR * c, y + kR * s));
    EXPECT_TRUE(column.picked(thousand, (kR + 2.8) * c, y + (kR + 2.8) * s));
    EXPECT_FALSE(column.picked(thousand, (kR + 3.2) * c, y + (kR + 3.2) * s));
    EXPECT_TRUE(column.crossed(thousand, kR * c, y + kR * s, 1));
}

// An ellipse (a circle under scales 2 and 1) and a clockwise bulge of
// radius 2e7 in arrays: each picked on its curve and not 3.2 beyond it.
TEST(ArrayCurves, EllipsesAndBulgesInArraysAreTakenOnTheirCurves) {
    Drawing d;
    d.circle(d.block("E"), 0, 0, kR / 2);
    Slot ellipses = d.insert("E", array(1, 20, 0, 100, 2, 1));
    // Near the end of the major axis, half a chord below it.
    const double t = -M_PI / 4096, x = kR * std::cos(t), y = kR / 2 * std::sin(t);
    // The outward normal there, from the gradient of (x / 2e7)^2 + (y / 1e7)^2.
    const double nx = x / (kR * kR), ny = 4 * y / (kR * kR), n = std::hypot(nx, ny);
    EXPECT_TRUE(d.picked(ellipses, x, y));
    EXPECT_TRUE(d.picked(ellipses, x + 2.8 * nx / n, y + 2.8 * ny / n));
    EXPECT_FALSE(d.picked(ellipses, x + 3.2 * nx / n, y + 3.2 * ny / n));
    EXPECT_TRUE(d.crossed(ellipses, x, y, 1));

    // From (0, 0) clockwise over the top to (4e7, 0): centre (2e7, 0).
    Drawing b;
    b.bulged(b.block("B"), 0, 0, -1, 2 * kR, 0);
    Slot bulges = b.insert("B", array(1, 20, 0, 100));
    const double u = std::sin(M_PI / 4096), v = std::cos(M_PI / 4096);
    EXPECT_TRUE(b.picked(bulges, kR + kR * u, kR * v));
    EXPECT_FALSE(b.picked(bulges, kR + (kR + 3.2) * u, (kR + 3.2) * v));
    EXPECT_TRUE(b.crossed(bulges, kR + kR * u, kR * v, 1));
}

// Filled areas in arrays: a hatch whose boundary runs clockwise over a
// bulge of radius 2e7, picked with a small box 1 unit inside its curve
// (but outside where chords would run) and 1 unit outside; a SOLID
// triangle picked inside and beyond its long side.
TEST(ArrayCurves, FilledAreasInArraysHoldWhatTheirEdgesBound) {
    Drawing d;
    // (4e7, 0) clockwise under (2e7, -2e7) to (0, 0), closed by a line.
    Slot h = d.block("H");
    d.add(h, "HATCH",
          {Group::text(100, "AcDbHatch"), Group::point(10, 0, 0, 0), Group::text(2, "SOLID"), Group::integer(70, 1),
           Group::integer(71, 0), Group::integer(91, 1), Group::integer(92, 3), Group::integer(72, 1),
           Group::integer(73, 1), Group::integer(93, 2), Group::point(10, 2 * kR, 0, 0), Group::real(42, -1),
           Group::point(10, 0, 0, 0), Group::real(42, 0), Group::integer(97, 0), Group::integer(75, 0),
           Group::integer(76, 1), Group::integer(98, 0)});
    // A point far below, so that every copy's box holds the picks.
    d.add(h, "POINT", {Group::point(10, kR, -3 * kR, 0)});
    Slot hatches = d.insert("H", array(1, 20, 0, 100));
    const double c = std::cos(kBelow), s = std::sin(kBelow);
    EXPECT_TRUE(d.picked(hatches, kR + (kR - 1) * c, (kR - 1) * s, 0.5));
    EXPECT_FALSE(d.picked(hatches, kR + (kR + 1) * c, (kR + 1) * s, 0.5));
    EXPECT_TRUE(d.crossed(hatches, kR + (kR - 1) * c, (kR - 1) * s, 0.4));

    Drawing t;
    Slot f = t.block("T");
    t.add(f, "SOLID", {Group::point(10, 0, 0, 0), Group::point(11, 100, 0, 0), Group::point(12, 0, 100, 0),
                       Group::point(13, 0, 100, 0)});
    t.add(f, "POINT", {Group::point(10, -3000, -3000, 0)});
    Slot triangles = t.insert("T", array(20, 20, 300, 300));
    EXPECT_TRUE(t.picked(triangles, 7 * 300 + 20, 7 * 300 + 20, 1));
    EXPECT_FALSE(t.picked(triangles, 7 * 300 + 60, 7 * 300 + 60, 1));
    EXPECT_TRUE(t.crossed(triangles, 7 * 300 + 30, 7 * 300 + 30, 2));
}

} // namespace
