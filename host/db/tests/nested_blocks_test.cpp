// Blocks as inserts put them together, in picks and windows: every copy of
// a MINSERT, a dimension's block with its text, a block's constant
// attribute definitions (and not its others), each under the insert's
// extrusion; blocks that place themselves; extents that never expand a
// block per insert.  Expected results are worked out in the insert's own
// plane and carried into the plan by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "db/drawn_shapes.h"
#include "db/geometry.h"
#include "test_blocks.h"

using namespace host::db;

namespace {

class NestedBlocksTest : public ::testing::Test {
protected:
    std::unique_ptr<Database> db = Database::createDefault();
    Slot add(Slot block, const char* type, GroupList groups) {
        return test_drawing::addEntity(*db, block, type, std::move(groups));
    }
    Slot block(const std::string& name) {
        return test_drawing::addBlock(*db, name);
    }
    Slot line(Slot in, double x0, double y0, double x1, double y1) {
        return add(in, "LINE", {Group::point(10, x0, y0, 0), Group::point(11, x1, y1, 0)});
    }
};

// Where a point of the insert's plane lands in plan, by extrusion: +Z as
// it is; -Z mirrors x (the arbitrary axis is -X); (0, 0.6, 0.8) has axes
// (-1, 0, 0) and (0, -0.8, 0.6).
struct Extrusion {
    const char* name;
    double nx, ny, nz;
    double sx, sy;  // plan x = sx * x, plan y = sy * y for points at z 0
};
const Extrusion kExtrusions[] = {
    {"+Z", 0, 0, 1, 1, 1},
    {"-Z", 0, 0, -1, -1, 1},
    {"tilted", 0, 0.6, 0.8, -1, -0.8},
};

struct Rect {
    double x1, y1, x2, y2;
};

enum class Ask { PickOn, PickOff, WindowAll, WindowMissingPart, CrossingPart, CrossingNear };
const char* kAskNames[] = {"pick on", "pick off inside its box", "window round all", "window missing one part",
                           "crossing over one part", "crossing near it"};

struct Row {
    const char* kind;
    bool extruded;  // tried under every extrusion, else +Z alone
    Rect at[6];     // by Ask, in the insert's plane; a pick is at (x1, y1)
};

// MINSERT of a block of two lines (0,0)-(10,0) and (0,0)-(0,5) at (100,0),
// 3 columns 20 apart, 2 rows 10 apart: lines over x 100..150, y 0..15.
// Block with a line (0,0)-(10,0), a constant definition "ROOM" at (0,2)
// height 1 (its box 0..4 x 2..3) and a variable one at (0,-10) height 5,
// inserted at (200,0).  Dimension with block *D7: lines (300,0)-(340,0),
// (300,0)-(300,-8) and the text "40" at (318,1) height 2 (318..322 x 1..3).
const Row kRows[] = {
    {"MINSERT",
     true,
     {{145, 10, 0, 0}, {115, 7, 0, 0}, {95, -5, 155, 20}, {95, -5, 145, 20}, {144, -1, 146, 1}, {112, 6, 118, 8}}},
    {"constant attribute definition",
     true,
     {{203, 2.5, 0, 0}, {207, 2, 0, 0}, {199, -1, 211, 4}, {199, -1, 211, 2.5}, {203.5, 2.5, 204.5, 3.5},
      {205, 0.5, 209, 1.8}}},
    {"DIMENSION",
     false,
     {{320, 2, 0, 0}, {310, -4, 0, 0}, {299, -9, 341, 4}, {299, -9, 341, 2}, {319, 2, 321, 5}, {305, -6, 310, -2}}},
};

constexpr double kRadius = 1;

TEST_F(NestedBlocksTest, InsertsDrawEveryCopyTheirDimensionBlockAndConstantDefinitions) {
    Slot cell = block("CELL");
    line(cell, 0, 0, 10, 0);
    line(cell, 0, 0, 0, 5);
    Slot tagged = block("TAGGED");
    line(tagged, 0, 0, 10, 0);
    add(tagged, "ATTDEF", {Group::point(10, 0, 2, 0), Group::real(40, 1), Group::text(1, "ROOM"),
                           Group::text(3, "Room?"), Group::text(2, "NAME"), Group::integer(70, 2)});
    add(tagged, "ATTDEF", {Group::point(10, 0, -10, 0), Group::real(40, 5), Group::text(1, ""),
                           Group::text(3, "Tag?"), Group::text(2, "LONGTAGNAME"), Group::integer(70, 0)});
    Slot dim = block("*D7");
    line(dim, 300, 0, 340, 0);
    line(dim, 300, 0, 300, -8);
    add(dim, "TEXT", {Group::point(10, 318, 1, 0), Group::real(40, 2), Group::text(1, "40")});

    for (const Extrusion& e : kExtrusions) {
        Slot ms = db->modelSpace();
        for (Slot s : db->block(ms)->entities) db->setErased(s, true);
        Group normal = Group::point(210, e.nx, e.ny, e.nz);
        std::vector<Slot> made = {
            add(ms, "INSERT", {Group::text(2, "CELL"), Group::point(10, 100, 0, 0), Group::integer(70, 3),
                               Group::integer(71, 2), Group::real(44, 20), Group::real(45, 10), normal}),
            add(ms, "INSERT", {Group::text(2, "TAGGED"), Group::point(10, 200, 0, 0), normal}),
            add(ms, "DIMENSION", {Group::text(2, "*D7"), Group::point(10, 340, 0, 0), Group::point(13, 300, -8, 0),
                                  Group::point(14, 340, -8, 0)}),
        };
        for (size_t k = 0; k < std::size(kRows); ++k) {
            const Row& row = kRows[k];
            if (!row.extruded && e.nz != 1) continue;
            Slot entity = made[k];
            for (int a = 0; a < 6; ++a) {
                Rect r = row.at[a];
                double x1 = e.sx * r.x1, y1 = e.sy * r.y1, x2 = e.sx * r.x2, y2 = e.sy * r.y2;
                std::string what = std::string(row.kind) + " " + e.name + ": " + kAskNames[a];
                std::vector<Slot> one{entity}, none;
                switch (static_cast<Ask>(a)) {
                case Ask::PickOn: EXPECT_EQ(pick(*db, x1, y1, kRadius), entity) << what; break;
                case Ask::PickOff: EXPECT_EQ(pick(*db, x1, y1, kRadius), kNoSlot) << what; break;
                case Ask::WindowAll: EXPECT_EQ(selectWindow(*db, x1, y1, x2, y2, false), one) << what; break;
                case Ask::WindowMissingPart: EXPECT_EQ(selectWindow(*db, x1, y1, x2, y2, false), none) << what; break;
                case Ask::CrossingPart: EXPECT_EQ(selectWindow(*db, x1, y1, x2, y2, true), one) << what; break;
                case Ask::CrossingNear: EXPECT_EQ(selectWindow(*db, x1, y1, x2, y2, true), none) << what; break;
                }
            }
        }
        // The extents are those of the same drawing: the MINSERT's last copy, the constant text.
        Extents box;
        ASSERT_TRUE(worldExtents(*db, made[0], box)) << e.name;
        EXPECT_NEAR(std::max(std::fabs(box.min.x), std::fabs(box.max.x)), 150, 1e-9) << e.name;
        EXPECT_NEAR(std::max(std::fabs(box.min.y), std::fabs(box.max.y)), 15 * std::fabs(e.sy), 1e-9) << e.name;
        ASSERT_TRUE(worldExtents(*db, made[1], box)) << e.name;
        EXPECT_NEAR(std::max(std::fabs(box.min.y), std::fabs(box.max.y)), 3 * std::fabs(e.sy), 1e-9) << e.name;
    }
}

// What a block draws beyond its box, and what it holds but does not draw:
// a construction line runs on past the box (the insert is picked and
// crossed far from it, one copy or an array's), a ray's box is its start
// alone (not the point that gives its direction), and a constant attribute
// definition that is invisible is not drawn.
TEST_F(NestedBlocksTest, WhatABlockDrawsBeyondItsBoxAndWhatItHides) {
    Slot endless = block("ENDLESS");
    line(endless, 0, 0, 10, 0);
    add(endless, "XLINE", {Group::point(10, 0, 0, 0), Group::point(11, 0, 1, 0)});
    Slot one = add(db->modelSpace(), "INSERT", {Group::text(2, "ENDLESS"), Group::point(10, 100, 0, 0)});
    Slot array = add(db->modelSpace(), "INSERT", {Group::text(2, "ENDLESS"), Group::point(10, 1000, 0, 0),
                                                  Group::integer(70, 40), Group::integer(71, 40), Group::real(44, 50),
                                                  Group::real(45, 50)});
    EXPECT_EQ(pick(*db, 100, 500, kRadius), one);
    EXPECT_EQ(pick(*db, 100, -1e6, kRadius), one);
    EXPECT_EQ(selectWindow(*db, 95, 495, 105, 505, true), std::vector<Slot>{one});
    EXPECT_EQ(pick(*db, 1000 + 39 * 50, -1e6, kRadius), array);
    EXPECT_EQ(pick(*db, 1025, -1e6, kRadius), kNoSlot);
    EXPECT_EQ(selectWindow(*db, 1990, 1e6, 2010, 1e6 + 1, true), std::vector<Slot>{array});

    db = Database::createDefault();
    add(block("RAY"), "RAY", {Group::point(10, 10, 10, 0), Group::point(11, 1, 1, 0)});
    Slot ray = add(db->modelSpace(), "RAY", {Group::point(10, 10, 10, 0), Group::point(11, 1, 1, 0)});
    Slot rays = add(db->modelSpace(), "INSERT", {Group::text(2, "RAY"), Group::point(10, 100, 0, 0)});
    Extents box;
    ASSERT_TRUE(worldExtents(*db, ray, box));
    EXPECT_EQ(box.max.x, 10);
    ASSERT_TRUE(worldExtents(*db, rays, box));
    EXPECT_EQ(box.max.x, 110);
    EXPECT_EQ(box.max.y, 10);

    db = Database::createDefault();
    Slot tagged = block("HIDDEN");
    line(tagged, 0, 0, 10, 0);
    add(tagged, "ATTDEF", {Group::point(10, 0, 20, 0), Group::real(40, 5), Group::text(1, "HIDDEN"),
                           Group::text(3, "?"), Group::text(2, "TAG"), Group::integer(70, 3)});
    Slot insert = add(db->modelSpace(), "INSERT", {Group::text(2, "HIDDEN"), Group::point(10, 200, 0, 0)});
    EXPECT_EQ(pick(*db, 205, 22, kRadius), kNoSlot);
    EXPECT_EQ(selectWindow(*db, 199, -1, 211, 1, false), std::vector<Slot>{insert});
    ASSERT_TRUE(worldExtents(*db, insert, box));
    EXPECT_EQ(box.max.y, 0);
}

// A block placed larger than it is drawn keeps its curves' tolerance where
// it is seen: a circle of radius 1 placed at 10,000 times (by one insert,
// or by two nested at 100 times each, or a copy of an array) is picked on
// its curve half-way between the points a turn of 64 would have, and not
// 12 inside it, where such a chord would run; the block drawn at its own
// size stays as it is where it is placed at that size.
TEST_F(NestedBlocksTest, ABlockPlacedLargerIsDrawnToItsSize) {
    Slot unit = block("UNIT");
    add(unit, "CIRCLE", {Group::point(10, 0, 0, 0), Group::real(40, 1)});
    add(block("HUNDRED"), "INSERT", {Group::text(2, "UNIT"), Group::point(10, 0, 0, 0), Group::real(41, 100),
                                     Group::real(42, 100), Group::real(43, 100)});
    const double half = M_PI / 64, R = 10000;
    struct Case {
        const char* name;
        GroupList insert;
    };
    const Case cases[] = {
        {"one insert", {Group::text(2, "UNIT"), Group::real(41, R), Group::real(42, R), Group::real(43, R)}},
        {"nested", {Group::text(2, "HUNDRED"), Group::real(41, 100), Group::real(42, 100), Group::real(43, 100)}},
        {"an array's copy",
         {Group::text(2, "UNIT"), Group::real(41, R), Group::real(42, R), Group::real(43, R), Group::integer(70, 3),
          Group::real(44, 3 * R)}},
    };
    Slot insert = kNoSlot;
    for (const Case& c : cases) {
        if (insert != kNoSlot) db->setErased(insert, true);
        GroupList g = c.insert;
        g.push_back(Group::point(10, 0, 0, 0));
        insert = add(db->modelSpace(), "INSERT", std::move(g));
        EXPECT_EQ(pick(*db, R * std::cos(half), R * std::sin(half), kRadius), insert) << c.name;
        double chord = R * std::cos(half);  // where the chord of a 64th of a turn runs
        EXPECT_EQ(pick(*db, chord * std::cos(half), chord * std::sin(half), kRadius), kNoSlot) << c.name;
        Extents box;
        ASSERT_TRUE(worldExtents(*db, insert, box)) << c.name;
        EXPECT_EQ(box.min.y, -R) << c.name;
    }
    // At its own size: the chords of a circle of radius 1.
    db->setErased(insert, true);
    Slot small = add(db->modelSpace(), "INSERT", {Group::text(2, "UNIT"), Group::point(10, 0, 0, 0)});
    EXPECT_EQ(pick(*db, std::cos(half), std::sin(half), 0.01), small);
}

// Blocks that place each other in a ring, one placing itself, a deep chain
// and blocks nested 40 deep each placing the one below twice (2^40 lines
// once expanded): each pick, window and extents ends, and finds what is
// drawn; a ring stops where it comes back to a block being drawn.
TEST_F(NestedBlocksTest, NestingNeverExpandsNorRecursesPerLevel) {
    struct Case {
        const char* name;
        int levels, copies;  // blocks in the chain, inserts of the one below in each
        bool ring;           // the first block also places the last
        bool sameSpot = false;  // the copies on one spot, the innermost block two lines 10 apart
    };
    const Case cases[] = {{"ring of three", 3, 1, true},
                          {"itself", 1, 1, true},
                          {"chain of 60,000", 60000, 1, false},
                          {"40 deep, twice each", 40, 2, false},
                          {"40 deep, twice on one spot", 40, 2, false, true}};
    for (const Case& c : cases) {
        db = Database::createDefault();
        std::vector<Slot> blocks;
        double width = 20;  // of the block below with its gap
        for (int level = 0; level < c.levels; ++level) {
            blocks.push_back(block(std::string(c.name) + std::to_string(level)));
            if (level == 0) {
                line(blocks[0], 0, 0, 10, 0);
                if (c.sameSpot) line(blocks[0], 0, 10, 10, 10);
                continue;
            }
            std::string below = std::string(c.name) + std::to_string(level - 1);
            for (int k = 0; k < c.copies; ++k)
                add(blocks.back(), "INSERT", {Group::text(2, below), Group::point(10, c.sameSpot ? 0 : k * width, 0, 0)});
            if (c.copies == 2 && !c.sameSpot) width *= 2;
        }
        if (c.sameSpot) width = 20;
        if (c.ring)
            add(blocks[0], "INSERT", {Group::text(2, std::string(c.name) + std::to_string(c.levels - 1)),
                                      Group::point(10, 5, 5, 0)});
        Slot top = add(db->modelSpace(), "INSERT",
                       {Group::text(2, std::string(c.name) + std::to_string(c.levels - 1)), Group::point(10, 0, 0, 0)});
        // The line of the innermost block's last copy, and the span of all.
        double last = c.copies == 2 ? width - 20 : 0, span = c.copies == 2 ? width - 10 : 10;
        EXPECT_EQ(pick(*db, last + 5, 0.5, kRadius), top) << c.name;
        // A ring stops where it comes back: the copy at (5, 5) is not drawn.
        EXPECT_EQ(pick(*db, last + 15, 0.5, kRadius), kNoSlot) << c.name;
        EXPECT_EQ(pick(*db, 10, 5, kRadius), kNoSlot) << c.name;
        EXPECT_EQ(selectWindow(*db, -1, -1, span + 1, c.sameSpot ? 11 : 1, false).size(), 1u) << c.name;
        EXPECT_EQ(selectWindow(*db, last + 4, -1, last + 6, 1, true).size(), 1u) << c.name;
        if (c.sameSpot) {
            // Between the lines, inside every box: each block is looked at once, not 2^40 times.
            EXPECT_EQ(pick(*db, 5, 5, kRadius), kNoSlot) << c.name;
            EXPECT_TRUE(selectWindow(*db, 4, 4, 6, 6, true).empty()) << c.name;
            EXPECT_TRUE(selectWindow(*db, -1, -1, 11, 5, false).empty()) << c.name;
        }
        Extents box;
        ASSERT_TRUE(worldExtents(*db, top, box)) << c.name;
        EXPECT_EQ(box.min.x, 0) << c.name;
        EXPECT_EQ(box.max.x, span) << c.name;
    }
}

} // namespace
