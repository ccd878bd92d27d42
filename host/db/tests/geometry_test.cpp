// Extents, picking, window selection and transforms.
#include <gtest/gtest.h>

#include <cmath>

#include "db/drawn_shapes.h"
#include "db/geometry.h"
#include "test_blocks.h"

using namespace host::db;

namespace {

class GeometryTest : public ::testing::Test {
protected:
    std::unique_ptr<Database> db = Database::createDefault();
    Slot add(Slot block, const char* type, GroupList groups) {
        return test_drawing::addEntity(*db, block, type, std::move(groups));
    }
    Slot add(const char* type, GroupList groups) { return add(db->modelSpace(), type, std::move(groups)); }

    // A block named `name` with base point `base`.
    Slot block(const char* name, double bx, double by) {
        return test_drawing::addBlock(*db, name, bx, by);
    }
    Extents extents(Slot s) {
        Extents e;
        EXPECT_TRUE(worldExtents(*db, s, e));
        return e;
    }
};

void expectBox(const Extents& e, double x1, double y1, double x2, double y2, double tol = 1e-9) {
    EXPECT_NEAR(e.min.x, x1, tol);
    EXPECT_NEAR(e.min.y, y1, tol);
    EXPECT_NEAR(e.max.x, x2, tol);
    EXPECT_NEAR(e.max.y, y2, tol);
}

TEST_F(GeometryTest, ExtentsOfEachType) {
    expectBox(extents(add("LINE", {Group::point(10, 1, 5, 0), Group::point(11, 4, 2, 0)})), 1, 2, 4, 5);
    expectBox(extents(add("CIRCLE", {Group::point(10, 0, 0, 0), Group::real(40, 2)})), -2, -2, 2, 2);
    // A quarter arc from 0 to 90 degrees (stored angles are in degrees, as in a file).
    expectBox(extents(add("ARC", {Group::point(10, 0, 0, 0), Group::real(40, 1), Group::real(50, 0),
                                  Group::real(51, 90)})),
              0, 0, 1, 1);
    // An arc across 0 degrees reaches x = r.
    expectBox(extents(add("ARC", {Group::point(10, 0, 0, 0), Group::real(40, 1), Group::real(50, 270),
                                  Group::real(51, 90)})),
              0, -1, 1, 1);
    // Major axis along y, half length 4, ratio 0.5.
    expectBox(extents(add("ELLIPSE", {Group::point(10, 0, 0, 0), Group::point(11, 0, 4, 0), Group::real(40, 0.5),
                                      Group::real(41, 0), Group::real(42, 2 * M_PI)})),
              -2, -4, 2, 4);
    expectBox(extents(add("SOLID", {Group::point(10, 0, 0, 0), Group::point(11, 3, 0, 0), Group::point(12, 0, 1, 0),
                                    Group::point(13, 3, 1, 0)})),
              0, 0, 3, 1);
    // Text: height by number of characters; centred (72 1) at the alignment point.
    expectBox(extents(add("TEXT", {Group::point(10, 0, 0, 0), Group::real(40, 2), Group::text(1, "abcd"),
                                   Group::integer(72, 1), Group::point(11, 10, 10, 0)})),
              6, 10, 14, 12);
    // The \U+2205 escape is one character.
    expectBox(extents(add("TEXT", {Group::point(10, 0, 0, 0), Group::real(40, 1), Group::text(1, "\\U+22051")})), 0,
              0, 2, 1);
    // A full circle as one arc edge (a hatch's edge angles are in degrees).
    Slot hatch = add("HATCH", {Group::text(100, "AcDbHatch"), Group::point(10, 0, 0, 0), Group::text(2, "SOLID"),
                               Group::integer(91, 1), Group::integer(92, 1), Group::integer(93, 1),
                               Group::integer(72, 2), Group::point(10, 5, 5, 0), Group::real(40, 1), Group::real(50, 0),
                               Group::real(51, 360), Group::integer(73, 1), Group::integer(98, 1),
                               Group::point(10, 5, 5, 0)});
    expectBox(extents(hatch), 4, 4, 6, 6);
    expectBox(extents(add("LEADER", {Group::point(10, 0, 0, 0), Group::point(10, 3, 4, 0)})), 0, 0, 3, 4);
    // A curve cut finer for its size keeps its quadrant points.
    expectBox(extents(add("CIRCLE", {Group::point(10, 0, 0, 0), Group::real(40, 100000)})), -1e5, -1e5, 1e5, 1e5);
    // An end angle far beyond a turn is the angle it names: 1e20 degrees is 280.
    expectBox(extents(add("ARC", {Group::point(10, 0, 0, 0), Group::real(40, 100), Group::real(50, 90),
                                  Group::real(51, 1e20)})),
              -100, -100, 100 * std::cos(280 * M_PI / 180), 100);
}

TEST_F(GeometryTest, NestedInsertsAndDimensions) {
    Slot inner = block("INNER", 0, 0);
    add(inner, "LINE", {Group::point(10, 0, 0, 0), Group::point(11, 1, 0, 0)});
    Slot outer = block("OUTER", 10, 0);  // base point moved
    add(outer, "INSERT", {Group::text(2, "INNER"), Group::point(10, 10, 0, 0), Group::real(41, 2), Group::real(42, 2),
                          Group::real(43, 2), Group::real(50, 90)});
    Slot insert = add("INSERT", {Group::text(2, "OUTER"), Group::point(10, 100, 100, 0), Group::real(41, 3),
                                 Group::real(42, 3), Group::real(43, 3), Group::real(50, 0)});
    // The line runs (0,0)-(0,2) in OUTER, scaled 3 at (100,100).
    expectBox(extents(insert), 100, 100, 100, 106);
    Slot dim = block("*D1", 0, 0);
    add(dim, "LINE", {Group::point(10, 0, -5, 0), Group::point(11, 50, -5, 0)});
    expectBox(extents(add("DIMENSION", {Group::text(2, "*D1"), Group::point(10, 0, 0, 0), Group::point(11, 25, -3, 0)})),
              0, -5, 50, -5);
    // Without its block a dimension spans its points.
    expectBox(extents(add("DIMENSION", {Group::text(2, "*NONE"), Group::point(10, 0, 0, 0), Group::point(11, 5, 6, 0)})),
              0, 0, 5, 6);

    // A block that inserts itself stops at the nesting limit instead of looping.
    Slot loop = block("LOOP", 0, 0);
    add(loop, "INSERT", {Group::text(2, "LOOP"), Group::point(10, 1, 0, 0)});
    add(loop, "LINE", {Group::point(10, 0, 0, 0), Group::point(11, 1, 0, 0)});
    Extents e;
    EXPECT_TRUE(worldExtents(*db, add("INSERT", {Group::text(2, "LOOP"), Group::point(10, 0, 0, 0)}), e));
}

TEST_F(GeometryTest, PickFindsTheTopmostLiveEntity) {
    Slot under = add("CIRCLE", {Group::point(10, 0, 0, 0), Group::real(40, 5)});
    Slot over = add("LINE", {Group::point(10, -10, 5, 0), Group::point(11, 10, 5, 0)});
    Slot text = add("TEXT", {Group::point(10, 20, 20, 0), Group::real(40, 2), Group::text(1, "ab")});
    EXPECT_EQ(pick(*db, 0, 5.05, 0.1), over);  // both pass: the later one is on top
    EXPECT_EQ(pick(*db, 5, 0, 0.1), under);
    EXPECT_EQ(pick(*db, 21, 21, 0.1), text);  // inside the text box
    EXPECT_EQ(pick(*db, 0, 0, 0.1), kNoSlot);  // the circle's middle is empty
    db->setErased(over, true);
    EXPECT_EQ(pick(*db, 0, 5.05, 0.1), under);
}

TEST_F(GeometryTest, WindowTakesWhatIsInsideCrossingAlsoWhatTouches) {
    Slot inside = add("LINE", {Group::point(10, 1, 1, 0), Group::point(11, 2, 2, 0)});
    Slot across = add("LINE", {Group::point(10, -5, 1.5, 0), Group::point(11, 5, 1.5, 0)});
    add("CIRCLE", {Group::point(10, 50, 50, 0), Group::real(40, 1)});  // outside
    Slot around = add("SOLID", {Group::point(10, -10, -10, 0), Group::point(11, 10, -10, 0),
                                Group::point(12, -10, 10, 0), Group::point(13, 10, 10, 0)});
    EXPECT_EQ(selectWindow(*db, 0, 0, 3, 3, false), (std::vector<Slot>{inside}));
    EXPECT_EQ(selectWindow(*db, 3, 3, 0, 0, true), (std::vector<Slot>{inside, across, around}));
}

TEST_F(GeometryTest, AttributesAndVerticesPickAndSelectTheirMainEntityOnce) {
    block("TB", 0, 0);
    add(db->findRecord(Table::BlockRecord, "TB"), "LINE", {Group::point(10, 0, 0, 0), Group::point(11, 10, 0, 0)});
    // Each sub-entity right after its main entity, owned by it.
    auto sub = [&](Slot main, const char* type, GroupList groups) {
        Slot s = add(type, std::move(groups));
        db->object(s)->owner = db->object(main)->handle;
        return s;
    };
    Slot insert = add("INSERT", {Group::text(2, "TB"), Group::point(10, 0, 0, 0)});
    Slot attribute = sub(insert, "ATTRIB", {Group::point(10, 0, 5, 0), Group::real(40, 1), Group::text(1, "A")});
    sub(insert, "SEQEND", {});
    Slot polyline = add("POLYLINE", {Group::point(10, 55, 50, 0)});
    sub(polyline, "VERTEX", {Group::point(10, 50, 50, 0)});
    sub(polyline, "VERTEX", {Group::point(10, 60, 50, 0)});
    sub(polyline, "SEQEND", {});

    EXPECT_EQ(pick(*db, 0, 5, 0.1), insert);
    EXPECT_EQ(pick(*db, 60, 50, 0.1), polyline);
    // A window around the attribute alone does not hold the insert.
    EXPECT_TRUE(selectWindow(*db, -1, 4, 1, 6, false).empty());
    // Met with its attribute, the insert comes once.
    EXPECT_EQ(selectWindow(*db, -1, -1, 11, 6, false), (std::vector<Slot>{insert}));
    EXPECT_EQ(selectWindow(*db, -1, -1, 1, 6, true), (std::vector<Slot>{insert}));
    EXPECT_EQ(selectWindow(*db, 45, 45, 65, 55, false), (std::vector<Slot>{polyline}));
    // An attribute whose insert is gone is never picked.
    db->object(attribute)->owner = 0xFFFFF;
    EXPECT_EQ(pick(*db, 0, 5, 0.1), kNoSlot);
    EXPECT_TRUE(selectWindow(*db, -1, 4, 1, 6, false).empty());
}

TEST_F(GeometryTest, TransformsMoveGeometryAndXdata) {
    Object insert;
    insert.type = internType("INSERT");
    insert.groups = {Group::text(2, "X"),        Group::point(10, 1, 0, 0),  Group::real(41, 1),
                     Group::real(42, 1),         Group::real(43, 1),         Group::real(50, 0),
                     Group::text(1001, "APP"),   Group::point(1010, 5, 5, 0), Group::point(1011, 1, 0, 0),
                     Group::point(1012, 1, 0, 0), Group::real(1041, 2),      Group::real(1040, 2)};
    Matrix rotate = Matrix::rotationZ(M_PI / 2) * Matrix::scaling(2, 2, 2);
    ASSERT_TRUE(transformEntity(insert, rotate));
    auto at = [&](int code) { return findGroup(insert, code); };
    EXPECT_NEAR(at(10)->asPoint()[1], 2, 1e-12);
    EXPECT_NEAR(at(41)->asReal(), 2, 1e-12);
    EXPECT_NEAR(at(50)->asReal(), 90, 1e-12);  // degrees, as kept
    EXPECT_EQ(at(1010)->asPoint()[0], 5);  // a plain 1010 stays
    EXPECT_NEAR(at(1011)->asPoint()[1], 2, 1e-12);
    EXPECT_NEAR(at(1012)->asPoint()[1], 2, 1e-12);
    EXPECT_NEAR(at(1041)->asReal(), 4, 1e-12);
    EXPECT_EQ(at(1040)->asReal(), 2);

    // An MTEXT: its point moves and its direction turns, in its own groups
    // and in its embedded object (after 101, 10 is the direction and 11 the
    // point); its rotation turns in degrees; sizes scale, but its own line
    // spacing factor (44).
    Object mtext;
    mtext.type = internType("MTEXT");
    mtext.groups = {Group::point(10, 1000, 0, 0), Group::point(11, 1, 0, 0), Group::real(40, 10),
                    Group::real(41, 50),          Group::real(44, 1.5),      Group::real(50, 30),
                    Group::text(1, "AB"),         Group::text(101, "Embedded Object"),
                    Group::point(10, 1, 0, 0),    Group::point(11, 1000, 0, 0), Group::real(40, 50),
                    Group::real(44, 50)};
    ASSERT_TRUE(transformEntity(mtext, Matrix::translation(500, 0, 0) * rotate));
    auto nth = [&](size_t i) { return mtext.groups[i]; };
    auto expectPoint = [&](size_t i, double x, double y) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(nth(i).asPoint()[0], x, 1e-9);
        EXPECT_NEAR(nth(i).asPoint()[1], y, 1e-9);
    };
    expectPoint(0, 500, 2000);
    expectPoint(1, 0, 2);
    EXPECT_NEAR(nth(2).asReal(), 20, 1e-12);
    EXPECT_NEAR(nth(3).asReal(), 100, 1e-12);
    EXPECT_EQ(nth(4).asReal(), 1.5);
    EXPECT_NEAR(nth(5).asReal(), 120, 1e-9);
    expectPoint(8, 0, 2);
    expectPoint(9, 500, 2000);
    EXPECT_NEAR(nth(10).asReal(), 100, 1e-12);
    EXPECT_NEAR(nth(11).asReal(), 100, 1e-12);

    // A mirror in the y axis flips the insert's y scale.
    Matrix mirror = Matrix::scaling(-1, 1, 1);
    ASSERT_TRUE(transformEntity(insert, mirror));
    EXPECT_LT(at(42)->asReal(), 0);
    Object circle;
    circle.type = internType("CIRCLE");
    circle.groups = {Group::point(10, 0, 0, 0), Group::real(40, 1)};
    EXPECT_FALSE(transformEntity(circle, Matrix::scaling(1, 2, 1)));
}

} // namespace
