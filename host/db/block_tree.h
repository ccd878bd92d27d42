// Blocks as a drawing nests them, for picks, windows and extents: each
// block's own runs once (what its entities that place no block draw) and
// the blocks it places, each a block record with a matrix (an insert, all
// copies of a MINSERT as one array, a dimension's block), with a box
// around all of it (the placed blocks' boxes carried by their matrices).
//
// Blocks are built bottom-up with an explicit stack, so a chain of blocks
// as long as a file can make never runs the call stack out; a block that
// places itself, directly or through others, stops there.  What is kept
// grows with the drawing, never with what its inserts expand to: curves
// are kept as the curves they are (shape_runs.h), so a block is drawn once
// in its own frame however large it is placed.
//
// For picks and windows each block also keeps its hull in plan and, when
// it has many pieces or placed blocks, their boxes in trees
// (block_index.h), made once, when a selection first looks inside it.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "db/block_index.h"
#include "db/entity_shapes.h"
#include "db/geometry.h"
#include "db/plan_ring.h"
#include "db/shape_runs.h"

namespace host::db {

// A block placed in another's frame (or the world's): copy (column, row)
// of it is the first copy moved by column * columnStep + row * rowStep.
struct PlacedBlock {
    Slot record = kNoSlot;
    InsertPlacement placement;
};

// The matrix `base` of a first copy moved to copy (column, row).
Matrix copyMatrix(const Matrix& base, const Point3& columnStep, const Point3& rowStep, int column, int row);

// What an entity or a block draws: its own runs, the blocks it places.
struct Drawing {
    Shapes own;
    std::vector<PlacedBlock> placed;
    void clear() {
        own.clear();
        placed.clear();
    }
};

// All of it in the block's own frame.
struct BlockGeometry {
    Drawing drawing;
    Extents box;           // around everything bounded in it
    bool endless = false;  // some part runs without end: no box turns it down
    PlanRing ring;         // round it in plan, about its box's centre (kept with the runs)
    PlanHull hull;         // round it in plan (kept with the runs)
    // Some point of it overflowed when drawn (counted only for extents), or
    // a corner of a block it places overflows where placed: it has no sure
    // box.
    bool overflowed = false;
    std::unique_ptr<const BlockIndex> index;  // its pieces and placed blocks by their boxes (a large block's)
    uint64_t spelled = 0;  // what it spells out with the blocks it places (BlockTree::spelledBy)
    // The question of a pick or window that last looked at a copy of it
    // (DrawnShapes): one that looks at two has copies that multiply.
    mutable uint64_t lookedAt = 0;
};

// The box of shapes' bounded parts: a ray by its start point, a line
// endless both ways by nothing.
Extents boundedBox(const Shapes& shapes);

// Draws one entity of a block's or a space's list into a Drawing, in that
// list's frame.
class EntityDrawer {
public:
    explicit EntityDrawer(const Database& db) : db_(db) {}
    // The entity at `index` with the attributes or vertices after it.  In
    // a block definition a constant attribute definition is drawn (its
    // text) and any other is not; in a space one shows its tag.
    void draw(const std::vector<Slot>& entities, size_t index, bool inBlock, Drawing& out);
    // The extents of an insert of a space's list that no attribute follows,
    // by its block's box in `tree` (built by BlockTree::buildAll), without
    // drawing it: what a save asks of most entities of an element drawing.
    // Unset for any other entity, which is to be drawn.
    std::optional<bool> plainInsertExtents(const std::vector<Slot>& entities, size_t index, const class BlockTree& tree,
                                           Extents& out);

private:
    // The block record an insert or dimension names: each name looked up
    // once per drawer (the names are views into the drawing, which stays
    // as it is while a drawer lives).
    struct NamedBlock {
        Slot record = kNoSlot;
        Point3 base;
    };
    const NamedBlock& blockNamed(std::string_view name);

    const Database& db_;
    std::vector<const Object*> subs_;
    ShapeScratch scratch_;
    std::unordered_map<std::string_view, NamedBlock> records_;
};

class BlockTree {
public:
    // Without `keepRuns` only boxes are kept (for extents): each block's
    // runs are given up as soon as its box is known.
    BlockTree(const Database& db, bool keepRuns) : db_(db), drawer_(db), keepRuns_(keepRuns) {}
    // The block's geometry, every block it places built before it; nullptr
    // for a record that is no block.
    const BlockGeometry* get(Slot record);
    // The same with its box, drawing and what it spells out alone (no ring,
    // hull or index yet, nor for the blocks it places): what a selection
    // asks of every insert it cannot turn down by a sure box, most of
    // which their boxes then turn down.  get() completes it.
    const BlockGeometry* bounded(Slot record);
    // Builds every block in `records` (and those they place), their
    // entities drawn first in chunks shared out by forEach: forEach(n, work)
    // must call work(i) once for each i in [0, n), on whatever threads it
    // likes.  Reading a drawing from several threads is safe while nobody
    // changes it.
    using ForEach = std::function<void(size_t, const std::function<void(size_t)>&)>;
    void buildAll(const std::vector<Slot>& records, const ForEach& forEach);
    // A block built before; nullptr for any other.  It changes nothing, so
    // several threads may ask at once while nothing is being built.
    const BlockGeometry* built(Slot record) const;
    // The box of all copies of a placed block, `parent` taking its frame
    // into the world; false when the block draws nothing bounded.  `known`,
    // when given, is cleared where a corner's numbers overflow (it is then
    // left out, and the box holds less than it should).
    bool placedBox(const PlacedBlock& p, const Matrix& parent, Extents& out, bool& endless);
    static bool placedBox(const BlockGeometry& g, const InsertPlacement& place, const Matrix& parent, Extents& out,
                          bool& endless, bool* known = nullptr);
    // What placements of blocks bounded before spell out: each placement
    // once (an array too: its copies are what multiplies), and each block
    // they place, however often, once with the points and runs of its own
    // runs and its own placements, and so on down; never more than all
    // blocks bounded so far spell out with these placements.  Looking
    // through blocks that do not multiply takes a few steps for each.
    uint64_t spelledBy(const std::vector<PlacedBlock>& placed);

private:
    // In this order: drawn, then bounded (with the blocks it places), then
    // prepared for picks and windows (ring, hull, index).
    enum class State : uint8_t { New, Drawn, Building, Bounded, Preparing, Done };
    struct Node {
        BlockGeometry geometry;
        Extents ownBox;  // of its own runs, taken when they are drawn
        State state = State::New;
    };
    Node* node(Slot record);
    void drawContents(Slot record, Node& n, EntityDrawer& drawer);
    void finishBounds(Node& n);
    void finishPrepared(Node& n);
    // A block at least bounded; nullptr for any other.
    const BlockGeometry* boundedGeometry(Slot record) const;
    // The parts of finishBounds() and finishPrepared(): the placed blocks
    // that place this one left out, the box round all, the ring, the
    // indexes and hull.
    void dropPlacingItself(BlockGeometry& g);
    void bound(Node& n);
    void ring(BlockGeometry& g);
    void index(BlockGeometry& g);

    const Database& db_;
    EntityDrawer drawer_;
    RunTests tests_;
    bool keepRuns_;
    std::unordered_map<Slot, size_t> index_;
    std::deque<Node> nodes_;  // stays where it is as nodes are added
    std::vector<Slot> stack_;
    uint64_t spelled_ = 0;             // by all blocks bounded: their points, runs and placements
    std::vector<Slot> spelledBlocks_;  // scratch of spelledBy
};

} // namespace host::db
