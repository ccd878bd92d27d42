// Curves in arrays of many copies answer as the same curve in one insert:
// a pick or crossing is taken where a point of some copy's curve is within
// reach, exactly, whatever the copy count.  Every point asked about lies
// half way between where chords of 4,096 a turn would run, 5.9 units
// inside a curve of radius 2e7, and the copies beside the one asked about
// lie 100 units or more off.  Splines are asked the same where their
// chords (drawn within 0.05 in the block) stray tens of units at scale 1000.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "db/drawn_shapes.h"
#include "db/entity_shapes.h"
#include "db/plan_distance.h"
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

// One Bezier span (rational when weighted) as a SPLINE, its control
// points turned about the origin by `turn`.
struct Bezier {
    std::vector<std::array<double, 2>> control;
    std::vector<double> weights;
    double turn = 0;

    std::array<double, 2> point(double t) const {
        std::vector<std::array<double, 3>> q;
        const double c = std::cos(turn), s = std::sin(turn);
        for (size_t i = 0; i < control.size(); ++i) {
            double w = weights.empty() ? 1 : weights[i], x = control[i][0], y = control[i][1];
            q.push_back({(c * x - s * y) * w, (s * x + c * y) * w, w});
        }
        for (size_t r = 1; r < q.size(); ++r)
            for (size_t i = 0; i + r < q.size(); ++i)
                for (int k = 0; k < 3; ++k) q[i][k] = (1 - t) * q[i][k] + t * q[i + 1][k];
        return {q[0][0] / q[0][2], q[0][1] / q[0][2]};
    }
    GroupList groups() const {
        const int degree = static_cast<int>(control.size()) - 1;
        GroupList g = {Group::integer(70, weights.empty() ? 8 : 12), Group::integer(71, degree),
                       Group::integer(72, 2 * degree + 2), Group::integer(73, degree + 1)};
        for (int i = 0; i < 2 * degree + 2; ++i) g.push_back(Group::real(40, i <= degree ? 0 : 1));
        for (double w : weights) g.push_back(Group::real(41, w));
        const double c = std::cos(turn), s = std::sin(turn);
        for (const auto& p : control) g.push_back(Group::point(10, c * p[0] - s * p[1], s * p[0] + c * p[1], 0));
        return g;
    }
};

// Where the curve lies farthest from the chords it is drawn with (in the
// block): the point, the unit normal there away from the chords, how far
// they are and the chords' point nearest it.
struct Stray {
    double t = 0, gap = 0;
    std::array<double, 2> at{}, out{}, chord{};
};

Stray farthestFromChords(const Bezier& b) {
    Object o;
    o.type = internType("SPLINE");
    o.groups = b.groups();
    Shapes shapes;
    ShapeScratch scratch;
    addEntityShape(o, {}, Matrix(), shapes, scratch);
    const std::vector<Point3>& p = shapes.points;
    Stray best;
    for (int i = 1; i < 4000; ++i) {
        const double t = i / 4000.0;
        const auto c = b.point(t);
        double gap = INFINITY;
        std::array<double, 2> foot{};
        for (size_t k = 1; k < p.size(); ++k) {
            double d = segmentDistance(p[k - 1], p[k], c[0], c[1]);
            if (d >= gap) continue;
            gap = d;
            const double dx = p[k].x - p[k - 1].x, dy = p[k].y - p[k - 1].y;
            const double along = ((c[0] - p[k - 1].x) * dx + (c[1] - p[k - 1].y) * dy) / (dx * dx + dy * dy);
            const double u = std::clamp(along, 0.0, 1.0);
            foot = {p[k - 1].x + u * dx, p[k - 1].y + u * dy};
        }
        if (gap > best.gap) best = {t, gap, c, {(c[0] - foot[0]) / gap, (c[1] - foot[1]) / gap}, foot};
    }
    return best;
}

// The least distance from (x, y) to the curve, b scaled by k and moved by
// (dx, dy), sampled finely.
double curveDistance(const Bezier& b, double k, double dx, double dy, double x, double y) {
    double least = INFINITY;
    for (int i = 0; i <= 200000; ++i) {
        const auto c = b.point(i / 200000.0);
        least = std::min(least, std::hypot(dx + k * c[0] - x, dy + k * c[1] - y));
    }
    return least;
}

// A spline placed at scale 1000 in an array, its curve turned so that it
// runs along the array's `along` axis where its chords stray most, and the
// copies dense along that axis (within 19 units): every copy in reach of
// the copy asked about lies on the same side of what is asked.  Picked on
// its curve and 2.8 out (away from its chords), not 3.2 out nor on its
// chords 10 units or more off it; a crossing over what sticks out past the
// chords meets it, one 1.5 beyond it not.
void expectCurveAnswered(Bezier b, bool alongRows, int columns, int rows, double cx, double cy) {
    constexpr double kScale = 1000;
    Stray first = farthestFromChords(b);
    const double dt = 1e-6;
    const auto p0 = b.point(first.t - dt), p1 = b.point(first.t + dt);
    b.turn = (alongRows ? M_PI / 2 : 0) - std::atan2(p1[1] - p0[1], p1[0] - p0[0]);
    const Stray s = farthestFromChords(b);
    ASSERT_GT(s.gap * kScale, 10);

    Drawing d;
    d.add(d.block("S"), "SPLINE", b.groups());
    const double columnStep = alongRows ? 1e7 : 1, rowStep = alongRows ? 0.01 : 1e7;
    Slot copies = d.insert("S", array(columns, rows, columnStep, rowStep, kScale, kScale));
    const double ox = cx * columnStep, oy = cy * rowStep;
    const double x = ox + kScale * s.at[0], y = oy + kScale * s.at[1];
    auto off = [&](double k) { return std::array<double, 2>{x + k * s.out[0], y + k * s.out[1]}; };
    EXPECT_TRUE(d.picked(copies, x, y));
    EXPECT_TRUE(d.picked(copies, off(2.8)[0], off(2.8)[1]));
    EXPECT_FALSE(d.picked(copies, off(3.2)[0], off(3.2)[1]));
    const double chordX = ox + kScale * s.chord[0], chordY = oy + kScale * s.chord[1];
    ASSERT_GT(curveDistance(b, kScale, ox, oy, chordX, chordY), 10);
    EXPECT_FALSE(d.picked(copies, chordX, chordY));
    EXPECT_TRUE(d.crossed(copies, x, y, 1));
    EXPECT_FALSE(d.crossed(copies, off(2.5)[0], off(2.5)[1], 1));
}

// Splines in arrays of 20 x 20 and 1 x 1000 copies at scale 1000, and a
// rational one (a quarter circle of radius 100 in its block): each answered
// by its curve, not by the chords it is drawn with.
TEST(ArrayCurves, SplinesInArraysAreTakenOnTheirCurvesNotTheirChords) {
    const Bezier cubic{{{{0, 0}}, {{30, 80}}, {{80, -50}}, {{100, 10}}}, {}, 0};
    expectCurveAnswered(cubic, false, 20, 20, 7, 7);
    expectCurveAnswered(cubic, true, 1, 1000, 0, 500);
    const Bezier quarter{{{{100, 0}}, {{100, 100}}, {{0, 100}}}, {1, std::sqrt(0.5), 1}, 0};
    expectCurveAnswered(quarter, false, 20, 20, 7, 7);
}

} // namespace
