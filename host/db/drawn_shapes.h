// Where entities are drawn, for picks, windows and extents alike: each main
// entity as the platform draws it, an insert with its block (every copy of
// a MINSERT) and its visible attributes, a dimension with its block, a
// polyline along its vertices, every point that a file gives in object
// coordinates carried into the world.  Seen in plan: only x and y are
// compared.
//
// One DrawnShapes serves a whole pick, window or save: each block is drawn
// once (block_tree.h).  A test looks inside a placed block only where the
// block's box meets the pick or window: a far one is turned down by its
// box, one wholly held is taken by it, and the walk down uses its own
// stack, however deep blocks nest.
#pragma once

#include <unordered_set>
#include <vector>

#include "db/block_tree.h"

namespace host::db {

class DrawnShapes {
public:
    // Without `keepRuns`, only extents can be asked (blocks keep their boxes).
    explicit DrawnShapes(const Database& db, bool keepRuns = true) : db_(db), tree_(db, keepRuns), drawer_(db) {}

    // Builds the entity at `index` of a space's (or, with `inBlock`, a
    // block's) entity list with the attributes or vertices that follow it;
    // false when nothing of it is drawn.  The tests below are of the
    // entity built last.
    bool build(const std::vector<Slot>& entities, size_t index, bool inBlock = false);
    // Around everything bounded it draws; some part of it may run without end.
    const Extents& extents() const { return box_; }
    bool endless() const { return endless_; }
    // Some part drawn within radius of (x, y).
    bool near(double x, double y, double radius);
    // All of it inside the window; any part of it meeting the window.
    bool inside(double x1, double y1, double x2, double y2);
    bool meets(double x1, double y1, double x2, double y2);

private:
    // A placed block still to be looked at: copies [c0, c1] x [r0, r1] of
    // it, the next one (c, r).
    struct Pending {
        const BlockGeometry* block;
        Matrix base;  // the world matrix of its first copy
        Point3 columnStep, rowStep;
        int c0, c1, r0, r1, c, r;
    };
    // A placed block once looked at in a test: the same block at the same
    // place again (two inserts on one spot, nested) holds nothing new.
    struct Visit {
        const BlockGeometry* block;
        double m[3][4];
        Point3 columnStep, rowStep;
        int c0, c1, r0, r1;
        bool operator==(const Visit& o) const;
    };
    struct VisitHash {
        size_t operator()(const Visit& v) const;
    };
    bool firstVisit(const Pending& p);
    // The entity built last, then the blocks it places.
    template <class Test>
    bool ask(Test& test);
    template <class Test>
    bool walk(Test& test);
    template <class Test>
    void push(const Drawing& drawing, const Matrix& world, Test& test, bool nested);

    const Database& db_;
    BlockTree tree_;
    EntityDrawer drawer_;
    Drawing drawing_;
    Extents box_;
    bool endless_ = false;
    std::vector<Pending> stack_;
    std::unordered_set<Visit, VisitHash> visited_;
    RunTests tests_;
};

// The topmost (last drawn) live main entity that any part of is within
// radius of (x, y) in model space; kNoSlot when none.  An attribute or
// vertex is never picked on its own, only as part of its insert or polyline.
Slot pick(const Database& db, double x, double y, double radius);
// Live main model-space entities wholly inside the window (crossing: also
// those any part of which meets it), in drawing order, each once.
std::vector<Slot> selectWindow(const Database& db, double x1, double y1, double x2, double y2, bool crossing);

} // namespace host::db
