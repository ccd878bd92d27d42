// Where entities are drawn, for picks and windows: each main entity as
// the platform draws it, an insert with its block and its visible
// attributes, a polyline along its vertices (bulges as arcs), every point
// that a file gives in object coordinates carried into the world by the
// arbitrary axis algorithm.  Seen in plan: only x and y are compared.
//
// One DrawnShapes serves a whole pick or window: it keeps each block's
// shapes once, and its buffers from entity to entity, so that a scan of a
// big drawing neither rebuilds blocks nor allocates per entity; a far
// insert is turned down by its box before its block's points are placed.
#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "db/geometry.h"

namespace host::db {

// A polyline through points[begin, end), closed or open; a filled run is
// an area (a point inside it is on it).
struct ShapeRun {
    uint32_t begin = 0, end = 0;
    bool closed = false;
    bool filled = false;
};

// Runs of points and the box around them.
struct Shapes {
    std::vector<Point3> points;
    std::vector<ShapeRun> runs;
    Extents box;
    void clear();
};

// The matrix that takes an entity's object coordinates (extrusion, group
// 210) into the world; the identity for +Z or no extrusion.
Matrix objectToWorld(const Object& entity);

class DrawnShapes {
public:
    explicit DrawnShapes(const Database& db) : db_(db) {}

    // Builds the entity at `index` of a block's entity list, with the
    // attributes or vertices that follow it; false when nothing of it is
    // drawn.  The tests below are of the entity built last.
    bool build(const std::vector<Slot>& entities, size_t index);
    // Builds one entity alone (an attribute: its text).
    bool buildAlone(const Object& entity);

    const Extents& box() const { return box_; }
    double distance(double x, double y);
    // All of it inside the window; any part of it meeting the window.
    bool inside(double x1, double y1, double x2, double y2);
    bool meets(double x1, double y1, double x2, double y2);

private:
    struct Placed {
        const Shapes* block;
        Matrix m;
    };
    void entity(const Object& o, const std::vector<Slot>* entities, size_t index, const Matrix& m, Shapes& out,
                std::vector<Placed>* placed);
    void insert(const Object& o, const std::vector<Slot>* entities, size_t index, const Matrix& m, Shapes& out,
                std::vector<Placed>* placed);
    void polyline(const Object& o, const std::vector<Slot>* entities, size_t index, const Matrix& m, Shapes& out);
    const Shapes* blockShapes(Slot record);
    void finish();
    // Calls f(points, count, closed, filled) for each run, blocks placed;
    // stops and gives true at the first call that gives true.
    template <class F>
    bool anyRun(F f);

    const Database& db_;
    std::unordered_map<Slot, std::unique_ptr<Shapes>> blocks_;
    std::unordered_set<Slot> building_;  // a block that inserts itself stops there
    Shapes own_;
    std::vector<Placed> placed_;
    Extents box_;
    std::vector<Point3> path_, placedPoints_;
    std::vector<double> bulges_;
};

} // namespace host::db
