// Blocks as a drawing nests them, for picks, windows and extents: each
// block's own runs once (what its entities that place no block draw) and
// the blocks it places, each a block record with a matrix (an insert, all
// copies of a MINSERT as one array, a dimension's block), with a box
// around all of it (the placed blocks' boxes carried by their matrices).
//
// Blocks are built bottom-up with an explicit stack, so a chain of blocks
// as long as a file can make never runs the call stack out; a block that
// places itself, directly or through others, stops there.  What is kept
// grows with the drawing, never with what its inserts expand to.
//
// A block placed larger than it is drawn has its own runs drawn at the
// size it is seen at (picks and windows; extents keep the block's size):
// at 2^k times its size, k the least multiple of 4 that covers the scales
// of the inserts that lead to it, at most kMostFrame, so that its curves
// keep their tolerance where they are seen.  The frame's scale is a power of
// two, so every point is the block's own, scaled exactly; a block seen at
// two sizes is drawn once for each.
//
// For picks and windows each block also keeps its hull in plan and, when
// it has many pieces or placed blocks, their boxes in trees
// (block_index.h), made once as it is built.
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

// The copies of one array counted as spelled out by the file.
constexpr uint64_t kMostSpelledCopies = 1024;

// The largest exponent of a block's frame: 2^20 times its size (a multiple of 4).
constexpr int kMostFrame = 20;

// A block placed in another's frame (or the world's): copy (column, row)
// of it is the first copy moved by column * columnStep + row * rowStep.
// Its own runs are drawn at 2^frame times its size.
struct PlacedBlock {
    Slot record = kNoSlot;
    InsertPlacement placement;
    int frame = 0;
};

// The matrix that takes a block's own runs, drawn at 2^frame times its
// size, where m takes the block.
Matrix ownRunsMatrix(const Matrix& m, int frame);

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

// The own runs are drawn at 2^frame times the block's size; the placed
// blocks, the box and the ring are in the block's own frame.
struct BlockGeometry {
    Drawing drawing;
    Extents box;           // around everything bounded in it
    bool endless = false;  // some part runs without end: no box turns it down
    PlanRing ring;         // round it in plan, about its box's centre (kept with the runs)
    int frame = 0;
    PlanHull hull;         // round it in plan (kept with the runs)
    std::unique_ptr<const BlockIndex> index;  // its pieces and placed blocks by their boxes (a large block's)
};

// The box of shapes' bounded parts: a ray by its start point, a line
// endless both ways by nothing.
Extents boundedBox(const Shapes& shapes);

// Draws one entity of a block's or a space's list into a Drawing, in that
// list's frame scaled by 2^frame; with `finer`, the blocks it places are
// to be drawn at the sizes they are placed at.
class EntityDrawer {
public:
    explicit EntityDrawer(const Database& db, bool finer = false) : db_(db), finer_(finer) {}
    // The entity at `index` with the attributes or vertices after it.  In
    // a block definition a constant attribute definition is drawn (its
    // text) and any other is not; in a space one shows its tag.
    void draw(const std::vector<Slot>& entities, size_t index, bool inBlock, Drawing& out, int frame = 0);
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
    bool finer_;
    std::vector<const Object*> subs_;
    ShapeScratch scratch_;
    std::unordered_map<std::string_view, NamedBlock> records_;
};

class BlockTree {
public:
    // Without `keepRuns` only boxes are kept (for extents).
    BlockTree(const Database& db, bool keepRuns) : db_(db), drawer_(db, keepRuns), keepRuns_(keepRuns) {}
    // The block's geometry with its own runs at 2^frame times its size,
    // every block it places built before it; nullptr for a record that is
    // no block.
    const BlockGeometry* get(Slot record, int frame = 0);
    // Builds every block in `records` (and those they place), their
    // entities drawn first in chunks shared out by forEach: forEach(n, work)
    // must call work(i) once for each i in [0, n), on whatever threads it
    // likes.  Reading a drawing from several threads is safe while nobody
    // changes it.
    using ForEach = std::function<void(size_t, const std::function<void(size_t)>&)>;
    void buildAll(const std::vector<Slot>& records, const ForEach& forEach);
    // A block built before; nullptr for any other.  It changes nothing, so
    // several threads may ask at once while nothing is being built.
    const BlockGeometry* built(Slot record, int frame = 0) const;
    // The box of all copies of a placed block, `parent` taking its frame
    // into the world; false when the block draws nothing bounded.
    bool placedBox(const PlacedBlock& p, const Matrix& parent, Extents& out, bool& endless);
    static bool placedBox(const BlockGeometry& g, const InsertPlacement& place, const Matrix& parent, Extents& out,
                          bool& endless);
    // What the blocks built so far spell out: their pieces of runs and the
    // copies they place (an array's up to kMostSpelledCopies).  Looking
    // through blocks that do not multiply never takes more steps than this.
    uint64_t spelledOut() const;

private:
    enum class State : uint8_t { New, Drawn, Building, Done };
    struct Node {
        BlockGeometry geometry;
        State state = State::New;
    };
    static uint64_t key(Slot record, int frame) { return record | static_cast<uint64_t>(frame) << 32; }
    Node* node(Slot record, int frame);
    void drawContents(Slot record, Node& n, EntityDrawer& drawer);
    void finish(Node& n);
    // The parts of finish(): the placed blocks that place this one left
    // out, the box round all, the ring, the indexes and hull.
    void dropPlacingItself(BlockGeometry& g);
    void bound(BlockGeometry& g);
    void ring(BlockGeometry& g);
    void index(BlockGeometry& g);

    const Database& db_;
    EntityDrawer drawer_;
    RunTests tests_;
    bool keepRuns_;
    std::unordered_map<uint64_t, size_t> index_;  // by key()
    std::deque<Node> nodes_;                      // stays where it is as nodes are added
    std::vector<std::pair<Slot, int>> stack_;
    uint64_t spelled_ = 0, pieces_ = 0;
};

} // namespace host::db
