// Arrays and nesting that stand for more copies than can be looked at one
// by one: MINSERTs of 32767 x 32767 (on one spot, of construction lines,
// turned), blocks ten times nine levels deep, blocks doubling 22 deep.  Each
// pick, window and crossing gives the answer the copies drawn one by one
// would give, or, where it cannot look through within its work, takes
// nothing and names the insert.  And a MINSERT answers as the same copies
// inserted one by one do.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "db/drawn_shapes.h"
#include "test_blocks.h"

using namespace host::db;

namespace {

constexpr int kMost = 32767;
constexpr double kHuge = 1e7;

struct Drawing : test_drawing::Drawing {
    void xline(Slot in, double dx, double dy) {
        add(in, "XLINE", {Group::point(10, 0, 0, 0), Group::point(11, dx, dy, 0)});
    }
    Slot insert(Slot in, const std::string& name, double x, double y, double degrees = 0, int columns = 1,
                int rows = 1, double columnSpacing = 0, double rowSpacing = 0) {
        GroupList g = {Group::text(2, name), Group::point(10, x, y, 0), Group::real(50, degrees)};
        if (columns > 1) g.push_back(Group::integer(70, columns));
        if (rows > 1) g.push_back(Group::integer(71, rows));
        if (columnSpacing != 0) g.push_back(Group::real(44, columnSpacing));
        if (rowSpacing != 0) g.push_back(Group::real(45, rowSpacing));
        return add(in, "INSERT", std::move(g));
    }
    // Blocks L0 (filled by `innermost`) to L<depth-1>, each placing the one
    // below ten times at offsets j 10^-level, no two paths on one spot.
    Slot nesting(const std::function<void(Slot)>& innermost, int depth, double degrees) {
        innermost(block("L0"));
        for (int level = 1; level < depth; ++level) {
            Slot b = block("L" + std::to_string(level));
            for (int j = 0; j < 10; ++j) {
                double o = j * std::pow(10.0, -level);
                insert(b, "L" + std::to_string(level - 1), o, o / 2);
            }
        }
        return insert(ms(), "L" + std::to_string(depth - 1), 0, 0, degrees);
    }
};

enum Kind { Pick, Window, Crossing };
struct Ask {
    Kind kind;
    double x1, y1, x2, y2;  // a pick's point, its radius in x2
    bool taken;
    bool undecided = false;
};

void expectAnswers(const Drawing& d, Slot top, const char* name, std::initializer_list<Ask> asks) {
    for (const Ask& a : asks) {
        std::vector<Slot> undecided;
        bool taken = a.kind == Pick
                         ? pick(*d.db, a.x1, a.y1, a.x2, &undecided) == top
                         : !selectWindow(*d.db, a.x1, a.y1, a.x2, a.y2, a.kind == Crossing, &undecided).empty();
        std::string what = std::string(name) + (a.kind == Pick ? " pick " : a.kind == Window ? " window " : " crossing ") +
                           std::to_string(a.x1) + "," + std::to_string(a.y1);
        EXPECT_EQ(taken, a.taken) << what;
        EXPECT_EQ(undecided, a.undecided ? std::vector<Slot>{top} : std::vector<Slot>{}) << what;
    }
}

TEST(HostileNesting, HugeArraysAreAnsweredFromTheirLattice) {
    {
        // 32767 x 32767 copies of a circle on one spot are one circle.
        Drawing d;
        d.circle(d.block("C"), 0, 0, kHuge);
        Slot top = d.insert(d.ms(), "C", 0, 0, 0, kMost, kMost);
        expectAnswers(d, top, "on one spot",
                      {{Pick, 0, 0, 3, 0, false},
                       {Pick, kHuge, 0, 3, 0, true},
                       {Window, -kHuge - 1, -kHuge - 1, kHuge + 1, kHuge + 1, true},
                       {Crossing, -10, -10, 10, 10, false}});
    }
    {
        // Horizontal construction lines every 100: parallel lines.
        Drawing d;
        d.xline(d.block("X"), 1, 0);
        Slot top = d.insert(d.ms(), "X", 0, 0, 0, kMost, kMost, 100, 100);
        expectAnswers(d, top, "parallel lines",
                      {{Pick, 5000, 35, 3, 0, false},
                       {Pick, 5000, 200, 3, 0, true},
                       {Pick, 5000, -5000, 3, 0, false},
                       {Crossing, 10, 10, 90, 90, false},
                       {Crossing, 10, 90, 90, 110, true},
                       {Window, -10, -10, 110, 110, false}});
    }
    {
        // Slanted, every copy is a line of its own; far off the array none
        // passes near.  Rows without a spacing are on one spot.
        Drawing d;
        d.xline(d.block("X"), std::cos(M_PI / 6), std::sin(M_PI / 6));
        d.xline(d.block("V"), 0, 1);
        Slot top = d.insert(d.ms(), "X", 0, 0, 0, kMost, kMost, 100, 100);
        expectAnswers(d, top, "slanted lines",
                      {{Pick, -1e8, 1e8, 3, 0, false}, {Crossing, -1e8, 1e8, -1e8 + 10, 1e8 + 10, false}});
        d.db->setErased(top, true);
        top = d.insert(d.ms(), "V", 0, 0, 0, kMost, kMost, 100, 0);
        expectAnswers(d, top, "rows on one spot",
                      {{Crossing, 10, 10, 90, 90, false}, {Crossing, 90, 10, 110, 90, true}});
    }
    {
        // Turned 45 degrees: a window holds all copies when it holds the
        // corner ones, and not when it misses part of the last.
        Drawing d;
        d.circle(d.block("T"), 0, 0, 10);
        Slot top = d.insert(d.ms(), "T", 0, 0, 45, kMost, kMost, 100, 100);
        const double far = (kMost - 1) * 100 / std::sqrt(2.0);
        expectAnswers(d, top, "turned",
                      {{Window, -far - 20, -20, far + 20, 2 * far + 20, true},
                       {Window, -far - 20, -20, far + 20, 2 * far - 50, false},
                       {Pick, 50, 50, 3, 0, false},
                       {Pick, 0, 2 * far + 10, 3, 0, true}});
    }
}

TEST(HostileNesting, DeepNestingIsAnsweredByRingsOrWithinItsWork) {
    {
        // A billion circles of radius 1e7 a little apart, the top turned or
        // not: a pick or crossing at their middle is far from all of them,
        // a window round all holds them all.
        for (double degrees : {0.0, 45.0}) {
            Drawing d;
            Slot top = d.nesting([&](Slot b) { d.circle(b, 0, 0, kHuge); }, 10, degrees);
            const double reach = kHuge + 10;
            expectAnswers(d, top, degrees == 0 ? "nested circles" : "nested circles turned",
                          {{Pick, 0, 0, 3, 0, false},
                           {Crossing, -100, -100, 100, 100, false},
                           {Window, -reach, -reach, reach, reach, true},
                           {Window, -reach, -reach, reach, 0, false},
                           {Pick, kHuge + 1, 0.5, 3, 0, true}});
        }
    }
    {
        // Squares doubling 22 deep at distinct offsets: their middle is on nothing.
        Drawing d;
        Slot b = d.block("D0");
        for (auto [x0, y0, x1, y1] : {std::array<double, 4>{0, 0, 1, 0}, {1, 0, 1, 1}, {1, 1, 0, 1}, {0, 1, 0, 0}})
            d.line(b, x0, y0, x1, y1);
        for (int level = 1; level < 22; ++level) {
            Slot up = d.block("D" + std::to_string(level));
            d.insert(up, "D" + std::to_string(level - 1), 0, 0);
            d.insert(up, "D" + std::to_string(level - 1), std::ldexp(1.0, -(level + 8)), 0);
        }
        Slot top = d.insert(d.ms(), "D21", 0, 0);
        expectAnswers(d, top, "doubling", {{Pick, 0.5, 0.5, 0.01, 0, false}, {Window, -1, -1, 3, 3, true}});
    }
    {
        // A cross of two long lines a billion times over: between its arms
        // is inside every box and ring, and no line is near; the pick stops
        // within its work, takes nothing and names the insert.  A small
        // insert drawn before it, under the pick, is still looked at and
        // taken once the cross has spent the pick's work.
        Drawing d;
        d.line(d.block("SMALL"), -1, 0, 1, 0);
        Slot small = d.insert(d.ms(), "SMALL", kHuge / 2, kHuge / 2 + 1);
        Slot top = d.nesting(
            [&](Slot b) {
                d.line(b, -kHuge, 0, kHuge, 0);
                d.line(b, 0, -kHuge, 0, kHuge);
            },
            10, 0);
        expectAnswers(d, top, "cross", {{Pick, kHuge / 2, 0.5, 3, 0, true}});
        std::vector<Slot> undecided;
        EXPECT_EQ(pick(*d.db, kHuge / 2, kHuge / 2, 3, &undecided), small);
        EXPECT_EQ(undecided, std::vector<Slot>{top});
        undecided.clear();
        EXPECT_TRUE(selectWindow(*d.db, kHuge / 2 + 2, kHuge / 2 - 10, kHuge / 2 + 10, kHuge / 2 - 2, true, &undecided)
                        .empty());
        EXPECT_EQ(undecided, std::vector<Slot>{top});
    }
}

// Once a selection's work is spent, each further entity gets what the
// blocks it places spell out: each block once, an array as its placement
// (its copies are what multiplies), never what other blocks of the file
// hold.  And a piece's test costs a step for each of its points, so that
// an ordinary insert of a long run under a hostile one is still decided.
TEST(HostileNesting, AnEntitysShareIsWhatItsOwnBlocksSpellOut) {
    Drawing d;
    d.circle(d.block("C"), 0, 0, 1);
    Slot arrays = d.block("K");
    for (int k = 0; k < 300; ++k) d.insert(arrays, "C", 0, 0, 0, 99, 99);
    d.insert(d.ms(), "K", 0, 0);
    d.nesting(
        [&](Slot b) {
            d.line(b, -kHuge, 0, kHuge, 0);
            d.line(b, 0, -kHuge, 0, kHuge);
        },
        4, 0);
    // A chain of 40 blocks, each placing the one below twice: a block
    // reached along 2^40 paths counts once.
    d.line(d.block("T0"), 0, 0, 1, 0);
    for (int level = 1; level < 40; ++level) {
        Slot b = d.block("T" + std::to_string(level));
        for (double x : {0.0, 0.5}) d.insert(b, "T" + std::to_string(level - 1), x, 0);
    }
    d.insert(d.ms(), "T39", 0, 0);
    const std::vector<Slot>& ms = d.db->block(d.ms())->entities;
    ASSERT_EQ(ms.size(), 3u);
    DrawnShapes shapes(*d.db);
    // 300 placements and the circle: not 300 x 99 x 99 copies.
    ASSERT_TRUE(shapes.build(ms, 0));
    EXPECT_LT(shapes.spelledOut(), 400u);
    // Three levels of ten placements and two lines: the arrays built
    // before are not its.
    ASSERT_TRUE(shapes.build(ms, 1));
    EXPECT_LT(shapes.spelledOut(), 50u);
    ASSERT_TRUE(shapes.build(ms, 2));
    EXPECT_LT(shapes.spelledOut(), 100u);

    // A polyline of 20,000 vertices in a block (19,998 along the bottom
    // of a square of side 200, then its right and top sides): a pick in
    // its box, off its ring and far from it, spends a step for each; under
    // a cross nested a billion times, which spends the pick's work, a pick
    // on it still looks it through whole.
    Drawing p;
    GroupList g = {Group::integer(90, 20000), Group::integer(70, 0)};
    for (int k = 0; k < 19998; ++k) g.push_back(Group::point(10, k * 200.0 / 19997, 0, 0));
    g.push_back(Group::point(10, 200, 200, 0));
    g.push_back(Group::point(10, 0, 200, 0));
    p.add(p.block("P"), "LWPOLYLINE", std::move(g));
    Slot plain = p.insert(p.ms(), "P", 1000, 1000);
    Slot hostile = p.nesting(
        [&](Slot b) {
            p.line(b, -kHuge, 0, kHuge, 0);
            p.line(b, 0, -kHuge, 0, kHuge);
        },
        10, 0);
    DrawnShapes alone(*p.db);
    ASSERT_TRUE(alone.build(p.db->block(p.ms())->entities, 0));
    EXPECT_FALSE(alone.near(1001, 1190, 1));
    EXPECT_GE(alone.workSpent(), 19998u);
    std::vector<Slot> undecided;
    EXPECT_EQ(pick(*p.db, 1100.5, 1000, 1e-3, &undecided), plain);
    EXPECT_EQ(undecided, std::vector<Slot>{hostile});
}

// A MINSERT of many copies answers as the same copies inserted one by one:
// random picks and crossings over an array of a block with lines, an arc
// and a filled triangle wider than the spacing (so that the copies overlap
// and a crossing meets dozens), in two placements.
TEST(HostileNesting, AnArrayAnswersAsItsCopiesOneByOne) {
    const int columns = 37, rows = 29;
    for (double degrees : {0.0, 30.0}) {
        Drawing array, copies;
        for (Drawing* d : {&array, &copies}) {
            Slot b = d->block("B");
            d->line(b, 0, 0, 24, 0);
            d->line(b, 24, 0, 24, 13);
            d->add(b, "ARC", {Group::point(10, 8, 8, 0), Group::real(40, 6), Group::real(50, 10),
                              Group::real(51, 200)});
            d->add(b, "SOLID", {Group::point(10, 2, -12, 0), Group::point(11, 16, -12, 0), Group::point(12, 8, -4, 0),
                                Group::point(13, 8, -4, 0)});
        }
        const double cs = 10, rs = 8, c = std::cos(degrees * M_PI / 180), s = std::sin(degrees * M_PI / 180);
        array.insert(array.ms(), "B", 5, 7, degrees, columns, rows, cs, rs);
        for (int i = 0; i < columns; ++i)
            for (int j = 0; j < rows; ++j)
                copies.insert(copies.ms(), "B", 5 + c * i * cs - s * j * rs, 7 + s * i * cs + c * j * rs, degrees);
        std::mt19937 random(7);
        std::uniform_real_distribution<double> x(-60, 420), y(-60, 300), size(0.2, 40);
        for (int k = 0; k < 400; ++k) {
            double px = x(random), py = y(random), r = size(random) / 40;
            bool fromArray = pick(*array.db, px, py, r) != kNoSlot, fromCopies = pick(*copies.db, px, py, r) != kNoSlot;
            EXPECT_EQ(fromArray, fromCopies) << degrees << " pick " << px << "," << py << " r " << r;
            double w = size(random), h = size(random);
            fromArray = !selectWindow(*array.db, px, py, px + w, py + h, true).empty();
            fromCopies = !selectWindow(*copies.db, px, py, px + w, py + h, true).empty();
            EXPECT_EQ(fromArray, fromCopies) << degrees << " crossing " << px << "," << py << " " << w << "x" << h;
        }
    }
}

} // namespace
