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

#include "db/entity_shapes.h"
#include "db/geometry.h"
#include "db/shape_runs.h"

namespace host::db {

class DrawnShapes {
public:
    explicit DrawnShapes(const Database& db) : db_(db) {}

    // Builds the entity at `index` of a block's entity list, with the
    // attributes or vertices that follow it; false when nothing of it is
    // drawn.  The tests below are of the entity built last.
    bool build(const std::vector<Slot>& entities, size_t index);
    const Extents& box() const { return box_; }
    // Some part of it runs without end (a ray or construction line).
    bool endless() const { return endless_; }
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
    void place(const Shapes* block, const Matrix& m, Shapes& out, std::vector<Placed>* placed);
    const Shapes* blockShapes(Slot record);
    void finish();

    const Database& db_;
    std::unordered_map<Slot, std::unique_ptr<Shapes>> blocks_;
    std::unordered_set<Slot> building_;  // a block that inserts itself stops there
    Shapes own_;
    std::vector<Placed> placed_;
    Extents box_;
    bool endless_ = false;
    std::vector<const Object*> subs_;
    ShapeScratch scratch_;
    RunTests tests_;
};

} // namespace host::db
