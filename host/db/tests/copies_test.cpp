// What a pick, window or crossing takes of blocks placed many times: plain
// blocks of many holes are looked through whole whatever their size,
// copies on one spot are looked at once, a window round an insert holds it
// however its nested blocks turn, and an array's copies answer as the same
// copies would one by one (rays, construction lines, islands, filled
// areas, uneven scales, tilts, arrays in arrays).
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <string>
#include <vector>

#include "db/drawn_shapes.h"
#include "test_blocks.h"

using namespace host::db;

namespace {

struct Drawing : test_drawing::Drawing {
    // A block of columns x rows holes of radius 3, 10 apart.
    void grille(const std::string& name, int columns, int rows) {
        Slot b = block(name);
        for (int i = 0; i < columns; ++i)
            for (int j = 0; j < rows; ++j) circle(b, 10 * i, 10 * j, 3);
    }
    std::vector<Slot> crossing(double x1, double y1, double x2, double y2, std::vector<Slot>* undecided = nullptr) {
        return selectWindow(*db, x1, y1, x2, y2, true, undecided);
    }
    std::vector<Slot> window(double x1, double y1, double x2, double y2, std::vector<Slot>* undecided = nullptr) {
        return selectWindow(*db, x1, y1, x2, y2, false, undecided);
    }
};

GroupList array(int columns, int rows, double columnSpacing, double rowSpacing) {
    return {Group::integer(70, columns), Group::integer(71, rows), Group::real(44, columnSpacing),
            Group::real(45, rowSpacing)};
}

GroupList scaled(double sx, double sy, double degrees = 0) {
    return {Group::real(41, sx), Group::real(42, sy), Group::real(43, 1), Group::real(50, degrees)};
}

// A solid HATCH of squares [a, b] x [a, b] (style 0: an island in each).
GroupList squaresHatch(std::initializer_list<std::pair<double, double>> squares) {
    GroupList g = {Group::text(100, "AcDbHatch"), Group::point(10, 0, 0, 0), Group::text(2, "SOLID"),
                   Group::integer(70, 1), Group::integer(71, 0),
                   Group::integer(91, static_cast<int64_t>(squares.size()))};
    for (auto [a, b] : squares) {
        for (const Group& head :
             {Group::integer(92, 3), Group::integer(72, 0), Group::integer(73, 1), Group::integer(93, 4)})
            g.push_back(head);
        for (auto [x, y] : {std::pair{a, a}, {b, a}, {b, b}, {a, b}}) g.push_back(Group::point(10, x, y, 0));
        g.push_back(Group::integer(97, 0));
    }
    for (const Group& tail : {Group::integer(75, 0), Group::integer(76, 1), Group::integer(98, 0)}) g.push_back(tail);
    return g;
}

// Blocks of many holes, placed once or a hundred times, none nesting or
// repeating: every insert is looked through, however many points its
// holes are drawn with.
TEST(Copies, PlainBlocksOfManyPartsAreLookedThroughWhole) {
    Drawing d;
    d.grille("FACE", 50, 40);
    std::vector<Slot> inserts;
    for (int i = 0; i < 120; ++i) inserts.push_back(d.insert(d.ms(), "FACE", 600 * i, 0));
    std::vector<Slot> undecided;
    // Along the last row of holes, of every insert.
    EXPECT_EQ(d.crossing(-10, 389, 180000, 391, &undecided), inserts);
    EXPECT_TRUE(undecided.empty());
    // Between two rows, of none.
    EXPECT_TRUE(d.crossing(-10, 384, 180000, 386, &undecided).empty());
    EXPECT_TRUE(undecided.empty());
    EXPECT_EQ(d.window(-10, -10, 600 * 119 + 500, 400).size(), 120u);
    EXPECT_TRUE(d.window(-10, -10, 600 * 119 + 500, 390).empty());
    EXPECT_EQ(pick(*d.db, 600 * 77 + 203, 100, 1), inserts[77]);
    EXPECT_EQ(pick(*d.db, 600 * 77 + 205, 105, 1), kNoSlot);

    // One insert of 2,600 holes drawn 10,000 times their size: a pick on
    // one hole, and between them.
    Drawing one;
    one.grille("BIG", 52, 50);
    Slot big = one.insert(one.ms(), "BIG", 0, 0, scaled(1e4, 1e4));
    EXPECT_EQ(pick(*one.db, 203e4, 100e4, 1, &undecided), big);
    EXPECT_EQ(pick(*one.db, 205e4, 105e4, 1, &undecided), kNoSlot);
    EXPECT_TRUE(undecided.empty());
}

// Once a hostile insert has spent a pick's work, an ordinary one drawn
// under it still gets the steps of what the file spells out: here 25,000
// lines whose boxes all hold the pick, none near it, each to be tested.
TEST(Copies, AnOrdinaryInsertUnderAHostileOneIsStillDecided) {
    Drawing d;
    Slot lines = d.block("LINES");
    for (int k = 0; k < 25000; ++k) d.line(lines, -100, 102 + k * 1e-3, 100, -98 + k * 1e-3);
    Slot plain = d.insert(d.ms(), "LINES", 0, 0);
    Slot cross = d.block("X0");
    d.line(cross, -1e7, 0, 1e7, 0);
    d.line(cross, 0, -1e7, 0, 1e7);
    for (int level = 1; level < 10; ++level) {
        Slot b = d.block("X" + std::to_string(level));
        for (int j = 0; j < 10; ++j) {
            double o = j * std::pow(10.0, -level);
            d.insert(b, "X" + std::to_string(level - 1), o, o / 2);
        }
    }
    Slot hostile = d.insert(d.ms(), "X9", -5e6, -5e6);
    std::vector<Slot> undecided;
    EXPECT_EQ(pick(*d.db, 0, 0, 1, &undecided), kNoSlot);
    EXPECT_EQ(undecided, std::vector<Slot>{hostile});
    undecided.clear();
    EXPECT_EQ(pick(*d.db, 0, 2.5, 0.2, &undecided), plain);
    EXPECT_EQ(undecided, std::vector<Slot>{hostile});
}

// Copies on one spot are looked at once however many chains place them:
// a cross placed twice on one spot by each of 40 blocks in a chain, and
// 8 times at small offsets by each of 5, beside a short line; a pick on
// the line takes the insert, one between the cross's arms takes nothing
// and is decided.
TEST(Copies, CopiesOnOneSpotAreLookedAtOnce) {
    Drawing d;
    for (const char* chain : {"S", "P"}) {
        Slot cross = d.block(std::string(chain) + "0");
        d.line(cross, -1e7, 0, 1e7, 0);
        d.line(cross, 0, -1e7, 0, 1e7);
    }
    for (int level = 1; level <= 40; ++level) {
        Slot b = d.block("S" + std::to_string(level));
        for (int k = 0; k < 2; ++k) d.insert(b, "S" + std::to_string(level - 1), 0, 0);
    }
    for (int level = 1; level <= 5; ++level) {
        Slot b = d.block("P" + std::to_string(level));
        for (int k = 0; k < 8; ++k) {
            double o = k * std::pow(10.0, -level);
            d.insert(b, "P" + std::to_string(level - 1), o, o / 2);
        }
    }
    d.line(d.block("SHORT"), 5e6, 5e6, 5e6 + 20, 5e6);
    Slot top = d.block("TOP");
    d.insert(top, "SHORT", 0, 0);
    d.insert(top, "S40", 0, 0);
    d.insert(top, "P5", 0, 0);
    Slot insert = d.insert(d.ms(), "TOP", 0, 0);
    std::vector<Slot> undecided;
    EXPECT_EQ(pick(*d.db, 5e6 + 10, 5e6, 1, &undecided), insert);
    EXPECT_EQ(pick(*d.db, 3e6, 3e6, 1, &undecided), kNoSlot);
    EXPECT_TRUE(undecided.empty());
}

// A window round an insert holds it although the boxes of its nested
// blocks grow at every turn: a line 1,000 long placed 10 times a degree
// apart, each level so placed by the next, 8 deep; and 250 such inserts.
TEST(Copies, AWindowHoldsAnInsertWhoseNestedBlocksTurn) {
    Drawing d;
    d.line(d.block("T0"), 0, 0, 1000, 0);
    for (int level = 1; level <= 8; ++level) {
        Slot b = d.block("T" + std::to_string(level));
        for (int j = 0; j < 10; ++j) d.insert(b, "T" + std::to_string(level - 1), j * 1e-8, j * 1e-8, scaled(1, 1, j));
    }
    std::vector<Slot> inserts;
    for (int k = 0; k < 250; ++k) inserts.push_back(d.insert(d.ms(), "T8", 0, 0));
    std::vector<Slot> undecided;
    EXPECT_EQ(d.window(-1010, -1010, 1010, 1010, &undecided), inserts);
    // Turned 72 degrees at most: nothing below the line nor left of it.
    EXPECT_EQ(d.window(-1, -1, 1010, 1010, &undecided), inserts);
    EXPECT_TRUE(d.window(-1010, -1010, 1010, 950, &undecided).empty());
    EXPECT_TRUE(undecided.empty());
}

// An array's copies answer as the copies one by one, each kind of run
// asked of the lattice (a point far off widens each block's box, so that
// many copies are in reach of each question): a ray taken only ahead of
// its start, a construction line on a far copy, an island of a hatch left
// out, the inside of a filled area met, a row of copies crossed.
TEST(Copies, AnArrayAnswersForEachKindOfRun) {
    Drawing d;
    d.add(d.block("RAY"), "RAY", {Group::point(10, 0, 0, 0), Group::point(11, 1, 0, 0)});
    Slot rays = d.insert(d.ms(), "RAY", 0, 0, array(20, 20, 0.5, 100));
    EXPECT_EQ(pick(*d.db, 1e6, 1900, 1), rays);
    EXPECT_EQ(pick(*d.db, -50, 1900, 1), kNoSlot);  // behind every start
    EXPECT_TRUE(d.crossing(-60, 1890, -40, 1910).empty());

    d = Drawing();
    d.add(d.block("XL"), "XLINE", {Group::point(10, 0, 0, 0), Group::point(11, 1, 1, 0)});
    Slot xlines = d.insert(d.ms(), "XL", 0, 0, array(20, 20, 1000, 3));
    // The far copy (19, 19) at 19000,57 runs through 19000 + t, 57 + t.
    EXPECT_EQ(pick(*d.db, 19000 - 1e6, 57 - 1e6, 0.5), xlines);
    EXPECT_EQ(pick(*d.db, 19000 - 1e6, 58.5 - 1e6, 0.5), kNoSlot);

    d = Drawing();
    Slot h = d.block("H");
    d.add(h, "HATCH", squaresHatch({{0, 100}, {40, 60}}));
    d.add(h, "POINT", {Group::point(10, -3000, -3000, 0)});
    Slot hatches = d.insert(d.ms(), "H", 0, 0, array(20, 20, 200, 200));
    EXPECT_EQ(pick(*d.db, 1410, 1410, 1), hatches);
    EXPECT_EQ(pick(*d.db, 1450, 1450, 1), kNoSlot);  // in the island of copy (7, 7)
    EXPECT_TRUE(d.crossing(1445, 1445, 1455, 1455).empty());
    EXPECT_EQ(d.crossing(1405, 1405, 1415, 1415), std::vector<Slot>{hatches});
    EXPECT_EQ(pick(*d.db, 1150, 1450, 1), kNoSlot);  // between copies

    d = Drawing();
    Slot f = d.block("F");
    d.add(f, "SOLID", {Group::point(10, 0, 0, 0), Group::point(11, 100, 0, 0), Group::point(12, 0, 100, 0),
                       Group::point(13, 100, 100, 0)});
    d.add(f, "POINT", {Group::point(10, -3000, -3000, 0)});
    Slot solids = d.insert(d.ms(), "F", 0, 0, array(20, 20, 300, 300));
    EXPECT_EQ(d.crossing(5440, 5440, 5460, 5460), std::vector<Slot>{solids});
    EXPECT_TRUE(d.crossing(5540, 5440, 5560, 5460).empty());

    d = Drawing();
    Slot l = d.block("L");
    d.line(l, 0, 0, 10, 0);
    d.add(l, "POINT", {Group::point(10, -3000, 3000, 0)});
    Slot row = d.insert(d.ms(), "L", 0, 0, array(40, 1, 100, 0));
    EXPECT_EQ(d.crossing(2504, -1, 2506, 1), std::vector<Slot>{row});
    EXPECT_TRUE(d.crossing(2540, -1, 2560, 1).empty());
    EXPECT_EQ(pick(*d.db, 3905, 0.5, 1), row);
}

// Uneven scales, arrays in arrays and a tilted insert: the rings and boxes
// that turn copies down keep every copy that is drawn near the question.
TEST(Copies, UnevenScalesNestedArraysAndTiltsKeepWhatIsDrawn) {
    Drawing d;
    d.circle(d.block("C"), 0, 0, 100);
    // An ellipse 300 x 10 alone, and the same nested in a block stretched in y.
    Slot alone = d.insert(d.ms(), "C", 0, 0, scaled(3, 0.1));
    Slot inner = d.block("E");
    d.insert(inner, "C", 0, 0, scaled(0.5, 0.1));
    Slot nested = d.insert(d.ms(), "E", 0, 1000, scaled(6, 1));
    EXPECT_EQ(pick(*d.db, 0, 10.5, 1), alone);
    EXPECT_EQ(pick(*d.db, 300.5, 0, 1), alone);
    EXPECT_EQ(pick(*d.db, 0, 5, 1), kNoSlot);
    EXPECT_EQ(pick(*d.db, 0, 1010.5, 1), nested);
    EXPECT_EQ(pick(*d.db, 299.5, 1000, 1), nested);
    EXPECT_EQ(pick(*d.db, 150, 1000, 1), kNoSlot);
    EXPECT_EQ(d.window(-301, -11, 301, 11), std::vector<Slot>{alone});

    // A 20 x 20 array of a block holding a 20 x 20 array of short lines.
    d = Drawing();
    d.line(d.block("SEG"), 0, 0, 2, 0);
    d.insert(d.block("GRID"), "SEG", 0, 0, array(20, 20, 5, 5));
    Slot grids = d.insert(d.ms(), "GRID", 0, 0, array(20, 20, 1000, 1000));
    EXPECT_EQ(pick(*d.db, 19000 + 95 + 1, 19000 + 95, 0.5), grids);
    EXPECT_EQ(pick(*d.db, 19000 + 95 + 3.5, 19000 + 95, 0.5), kNoSlot);
    EXPECT_EQ(d.crossing(19000 + 94, 19000 + 94, 19000 + 96, 19000 + 96), std::vector<Slot>{grids});

    // Tilted: extrusion (0, 0.6, 0.8) carries the block's x to -x and y to -0.8 y.
    d = Drawing();
    d.line(d.block("TILT"), 0, 0, 100, 0);
    d.line(d.block("TILT2"), 0, 0, 0, 100);
    Slot tilted = d.insert(d.ms(), "TILT", 0, 0, {Group::point(210, 0, 0.6, 0.8)});
    Slot tilted2 = d.insert(d.ms(), "TILT2", 1000, 0, {Group::point(210, 0, 0.6, 0.8)});
    EXPECT_EQ(pick(*d.db, -50, 0, 0.5), tilted);
    EXPECT_EQ(pick(*d.db, 50, 0, 0.5), kNoSlot);
    EXPECT_EQ(pick(*d.db, -1000, -60, 0.5), tilted2);
    EXPECT_EQ(pick(*d.db, -1000, -90, 0.5), kNoSlot);
}

// Far copies keep the digits of their pick box: beside the outer edges of
// a 40 x 25 array of bands 8 wide, placed 2^20 times larger and turned,
// copies some 2.6e8 from the first are taken by picks 2.8 off and never
// 3.2 off, all along the last copies' sides and beyond their ends.
TEST(Copies, FarCopiesOfALargeArrayKeepTheirPickBox) {
    Drawing d;
    test_drawing::addLwPolyline(*d.db, d.block("BAND"), {{0, 0, 0, 8, 8}, {50, 0, 0, 0, 0}}, false);
    const double scale = 1048576, turn = 75 * M_PI / 180;
    GroupList placed = scaled(scale, scale, 75);
    for (const Group& g : array(40, 25, 6.25 * scale, scale)) placed.push_back(g);
    Slot copies = d.insert(d.ms(), "BAND", 100, 200, placed);
    const double ux = std::cos(turn), uy = std::sin(turn);  // along the bands; across them is (-uy, ux)
    auto picked = [&](double along, double across) {
        return pick(*d.db, 100 + along * ux - across * uy, 200 + along * uy + across * ux, 3);
    };
    const double lastColumn = 39 * 6.25 * scale;
    for (double off : {2.8, 3.2}) {
        SCOPED_TRACE(off);
        Slot expected = off < 3 ? copies : kNoSlot;
        int wrong = 0;
        for (int k = 0; k <= 100; ++k) {
            double along = lastColumn + k * scale / 2;
            wrong += picked(along, 28 * scale + off) != expected;   // the last row's outer side
            wrong += picked(along, -4 * scale - off) != expected;   // the first row's
            wrong += picked(lastColumn + 50 * scale + off, k * 0.28 * scale) != expected;  // the last column's ends
        }
        EXPECT_EQ(wrong, 0);
    }
}

} // namespace
