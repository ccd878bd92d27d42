// The sure box of a POLYLINE and what it draws take the same vertices: a
// box that left out a drawn vertex would turn down picks on it, one that
// took a vertex not drawn (a spline fit's control point, a face record)
// would take windows it should not.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "db/drawn_shapes.h"
#include "db/entity_bounds.h"
#include "db/entity_shapes.h"
#include "db/polyline_flags.h"
#include "test_blocks.h"

using namespace host::db;

namespace {

constexpr int kFlagValues = 256;  // every combination of the 8 bits of a 70 group
constexpr double kSame = 1e-9;

// Whether `outer` holds `inner`, to rounding.
bool holds(const Extents& outer, const Extents& inner) {
    return outer.min.x <= inner.min.x + kSame && outer.min.y <= inner.min.y + kSame &&
           outer.min.z <= inner.min.z + kSame && outer.max.x >= inner.max.x - kSame &&
           outer.max.y >= inner.max.y - kSame && outer.max.z >= inner.max.z - kSame;
}

bool sameBox(const Extents& a, const Extents& b) { return holds(a, b) && holds(b, a); }

// Every polyline flags value with, among plain vertices, one vertex of
// every flags value far off the others: where the sure box is known, it
// is the box of what is drawn (the segments are straight).
TEST(PolylineVertices, TheSureBoxTakesTheVerticesTheDrawingDraws) {
    std::unique_ptr<Database> db = Database::createDefault();
    Slot ms = db->modelSpace();
    Slot polyline = test_drawing::addEntity(*db, ms, "POLYLINE",
                                            {Group::integer(66, 1), Group::point(10, 0, 0, 7), Group::integer(70, 0)});
    Handle owner = db->object(polyline)->handle;
    auto vertex = [&](double x, double y, double z) {
        Slot v = test_drawing::addEntity(*db, ms, "VERTEX", {Group::point(10, x, y, z), Group::integer(70, 0)});
        db->object(v)->owner = owner;
        return v;
    };
    vertex(0, 0, 1);
    vertex(100, 0, 2);
    Slot odd = vertex(-500, 700, -40);
    vertex(100, 50, 3);
    Slot seqend = test_drawing::addEntity(*db, ms, "SEQEND", {});
    db->object(seqend)->owner = owner;

    const std::vector<Slot>& entities = db->block(ms)->entities;
    std::vector<const Object*> subs;
    for (size_t i = 1; i < entities.size(); ++i) subs.push_back(db->object(entities[i]));
    Shapes shapes;
    ShapeScratch scratch;
    int answered = 0, wrong = 0;
    for (int polylineFlags = 0; polylineFlags < kFlagValues; ++polylineFlags) {
        *findGroup(*db->object(polyline), 70) = Group::integer(70, polylineFlags);
        for (int vertexFlags = 0; vertexFlags < kFlagValues && wrong < 5; ++vertexFlags) {
            *findGroup(*db->object(odd), 70) = Group::integer(70, vertexFlags);
            shapes.clear();
            addEntityShape(*db->object(polyline), subs, Matrix(), shapes, scratch);
            Extents sure;
            if (!quickBounds(*db, entities, 0, sure)) {
                // Only a mesh, drawn by another rule, goes without a box.
                EXPECT_TRUE(isMesh(polylineFlags)) << "polyline 70 = " << polylineFlags;
                continue;
            }
            ++answered;
            if (sameBox(sure, shapes.box)) continue;
            ++wrong;
            ADD_FAILURE() << "polyline 70 = " << polylineFlags << ", vertex 70 = " << vertexFlags << ": sure box "
                          << sure.min.x << "," << sure.min.y << "," << sure.min.z << " - " << sure.max.x << ","
                          << sure.max.y << "," << sure.max.z << ", drawn " << shapes.box.min.x << ","
                          << shapes.box.min.y << "," << shapes.box.min.z << " - " << shapes.box.max.x << ","
                          << shapes.box.max.y << "," << shapes.box.max.z;
        }
    }
    EXPECT_EQ(answered, kFlagValues * kFlagValues / 4);  // the polylines that are no mesh: 16 and 64 clear
}

// A polyface draws its face records' edges between its mesh points; a
// face record is no point, and its own place is not drawn.
TEST(PolylineVertices, APolyfaceDrawsItsFacesBetweenItsPoints) {
    std::unique_ptr<Database> db = Database::createDefault();
    Slot ms = db->modelSpace();
    Slot polyface = test_drawing::addEntity(*db, ms, "POLYLINE",
                                            {Group::integer(66, 1), Group::integer(70, kPolyfaceMesh)});
    std::vector<const Object*> subs;
    auto sub = [&](GroupList groups) {
        Slot v = test_drawing::addEntity(*db, ms, "VERTEX", std::move(groups));
        db->object(v)->owner = db->object(polyface)->handle;
        subs.push_back(db->object(v));
    };
    const int point = kVertexMesh | kVertexFaceRecord;
    sub({Group::point(10, 0, 0, 0), Group::integer(70, point)});
    sub({Group::point(10, 900, 900, 0), Group::integer(70, kVertexFaceRecord), Group::integer(71, 1),
         Group::integer(72, 2), Group::integer(73, 3)});  // a face record's own point is not drawn
    sub({Group::point(10, 10, 0, 0), Group::integer(70, point)});
    sub({Group::point(10, 10, 10, 0), Group::integer(70, point)});
    Shapes shapes;
    ShapeScratch scratch;
    addEntityShape(*db->object(polyface), subs, Matrix(), shapes, scratch);
    EXPECT_EQ(shapes.runs.size(), 3u);  // the triangle's three edges
    EXPECT_EQ(shapes.box.min.x, 0);
    EXPECT_EQ(shapes.box.min.y, 0);
    EXPECT_EQ(shapes.box.max.x, 10);
    EXPECT_EQ(shapes.box.max.y, 10);
}

// A lightweight polyline read twice over, for its box and for its drawing,
// takes the same of a group it holds twice: the first, as every reader of
// an entity's groups does.  A box taking the second 70 (open) would leave
// out the closing half circle that is drawn, and a pick on it.
TEST(PolylineVertices, ALightweightPolylineGivingAGroupTwiceIsBoxedAsDrawn) {
    std::unique_ptr<Database> db = Database::createDefault();
    Slot ms = db->modelSpace();
    Slot polyline = test_drawing::addEntity(*db, ms, "LWPOLYLINE",
                                            {Group::integer(70, kPolylineClosed), Group::integer(70, 0),
                                             Group::real(38, 5), Group::real(38, 9), Group::point(10, 0, 0, 0),
                                             Group::point(10, 100, 0, 0), Group::real(42, 1)});
    const std::vector<Slot>& entities = db->block(ms)->entities;
    Shapes shapes;
    ShapeScratch scratch;
    addEntityShape(*db->object(entities[0]), {}, Matrix(), shapes, scratch);
    Extents sure;
    ASSERT_TRUE(quickBounds(*db, entities, 0, sure));
    EXPECT_TRUE(holds(sure, shapes.box)) << "sure box y " << sure.min.y << " - " << sure.max.y << ", z " << sure.min.z
                                         << "; drawn y " << shapes.box.min.y << " - " << shapes.box.max.y << ", z "
                                         << shapes.box.min.z;
    EXPECT_EQ(pick(*db, 50, 50, 1), polyline);  // the top of the closing half circle
}

} // namespace
