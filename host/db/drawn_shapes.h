// Where entities are drawn, for picks, windows and extents alike: each main
// entity as the platform draws it, an insert with its block (every copy of
// a MINSERT) and its visible attributes, a dimension with its block, a
// polyline along its vertices, every point that a file gives in object
// coordinates carried into the world.  Seen in plan: only x and y are
// compared.
//
// One DrawnShapes serves a whole pick, window or save: each block is drawn
// once (block_tree.h).  A test looks inside a placed block only where the
// block's box, hull and ring (block_index.h, plan_ring.h) meet the pick or
// window: a far one is turned down by them, one wholly held is taken by
// them, and inside it only the pieces and placed blocks whose boxes meet
// the question are looked at; the walk down uses its own stack, however
// deep blocks nest.  An array's copies are found from its lattice
// (array_reach.h), copies on one spot are one, and a window holds them
// all when it holds the four at its corners.  Each test spends at most the
// work it is given (work_budget.h), a step for each copy it considers and
// each piece it tests, and says when it could not decide within it.
#pragma once

#include <unordered_map>
#include <vector>

#include "db/array_reach.h"
#include "db/block_tree.h"
#include "db/place_keys.h"
#include "db/work_budget.h"

namespace host::db {

class DrawnShapes {
public:
    // Without `keepRuns`, only extents can be asked (blocks keep their boxes).
    explicit DrawnShapes(const Database& db, bool keepRuns = true)
        : db_(db), tree_(db, keepRuns), drawer_(db) {}

    // Builds the entity at `index` of a space's (or, with `inBlock`, a
    // block's) entity list with the attributes or vertices that follow it;
    // false when nothing of it is drawn (and no point of it was lost to
    // numbers that overflow).  The tests below are of the entity built last.
    bool build(const std::vector<Slot>& entities, size_t index, bool inBlock = false);
    // Around everything bounded it draws; some part of it may run without end.
    const Extents& extents() const { return box_; }
    bool endless() const { return endless_; }
    // Some part drawn within radius of (x, y).
    bool near(double x, double y, double radius);
    // All of it inside the window; any part of it meeting the window.
    bool inside(double x1, double y1, double x2, double y2);
    bool meets(double x1, double y1, double x2, double y2);
    // Whether the last test could not decide; its answer is then false
    // (nothing is taken that was not confirmed), and doubt() says why:
    // its work ran out looking through nested or arrayed copies (Work), a
    // curve lies nearer the question's edge than its search can tell
    // (Close: also when work ran out where no copies multiply, as only
    // curves spend it then), or a number overflows (Overflow).
    bool undecided() const { return undecided_; }
    Doubt doubt() const { return doubt_; }
    // The steps each test from now on may spend (work_budget.h), and all
    // spent so far.
    void setWorkLimit(uint64_t steps) { workLimit_ = steps; }
    uint64_t workSpent() const { return workSpent_; }
    // What the entity built last spells out by the blocks it places
    // (BlockTree::spelledBy).
    uint64_t spelledOut() const { return spelled_; }

private:
    // A placed block still to be looked at: its copies, the next one
    // (c, r).  `ownDone`: its own runs were tested for all of them at once.
    struct Pending {
        const BlockGeometry* block;
        Matrix base;  // the world matrix of its first copy
        CopyLattice copies;
        int c, r;
        bool ownDone = false;
    };
    enum class Outcome { Walked, Stopped, OutOfWork };
    // The entity built last, then the blocks it places.
    template <class Test>
    bool ask(Test& test);
    // The copies on the stack, one by one.
    template <class Test>
    Outcome walk(Test& test);
    // The own runs of all copies of an array at once, from its lattice.
    template <class Test>
    Outcome askLattice(Test& test, Pending& top);
    // One copy of a block, carried by m: its box, hull and ring, its own
    // runs, then the blocks it places near the question.
    template <class Test>
    Outcome lookAtCopy(Test& test, const BlockGeometry& g, const Matrix& m, bool ownDone);
    // Whether a piece of the block's own runs (carried by m) stops the test
    // (Stopped), or could not be decided within the work (OutOfWork).
    template <class Test>
    Outcome ownStops(Test& test, const BlockGeometry& g, const Matrix& m);
    // The blocks a copy places whose boxes meet the question, each put on the stack.
    template <class Test>
    Outcome pushPlacedNear(Test& test, const BlockGeometry& g, const Matrix& m);
    // A placed block (its geometry `g` when known) carried by `world`.
    template <class Test>
    void pushPlaced(Test& test, const PlacedBlock& p, const Matrix& world, bool nested,
                    const BlockGeometry* g = nullptr);
    template <class Test>
    void pushCopies(Test& test, const Pending& p, bool nested);
    template <class Test>
    bool ringTurnsDown(Test& test, const Pending& p);

    const Database& db_;
    BlockTree tree_;
    EntityDrawer drawer_;
    Drawing drawing_;
    Extents box_;
    bool endless_ = false;
    bool boxSure_ = true;  // nothing it draws overflowed as it was drawn or placed
    std::vector<Pending> stack_;
    PlaceKeys visited_;
    // Answers of entities that place one block and draw nothing of their
    // own, by their placement and question: inserts on one spot answer alike.
    struct Answer {
        uint8_t answer;
        uint64_t workLimit;  // what it was given
        Doubt doubt;         // why, when undecided
    };
    std::unordered_map<PlaceKey, Answer, PlaceKeyHash> repeated_;
    Shapes slice_;
    RunTests tests_;
    ArrayReach arrays_;
    WorkBudget budget_;
    uint64_t workLimit_ = UINT64_MAX, workSpent_ = 0, spelled_ = 0;
    bool undecided_ = false;
    Doubt doubt_ = Doubt::None;
    // Each test's number, marked on the blocks it looks at, and whether it
    // looked at some block's copies more than once.
    uint64_t question_ = 0;
    bool multiplied_ = false;
};

// The extents of the entity at `index` of a space's list as drawn (with
// its attributes or vertices), the blocks it places taken from `tree`,
// which must hold them built (BlockTree::buildAll); false when it draws
// nothing bounded.  `drawer` and `scratch` belong to the caller's thread.
bool entityExtents(const BlockTree& tree, EntityDrawer& drawer, Drawing& scratch, const std::vector<Slot>& entities,
                   size_t index, Extents& out);

// The topmost (last drawn) live main entity that any part of is within
// radius of (x, y) in model space; kNoSlot when none.  An attribute or
// vertex is never picked on its own, only as part of its insert or polyline.
// An entity the pick could not decide (DrawnShapes::doubt: nested blocks or
// arrays standing for more than can be looked at, a curve too near to
// tell, numbers that overflow) is passed over and added to `undecided`,
// and why to `why`.
Slot pick(const Database& db, double x, double y, double radius, std::vector<Slot>* undecided = nullptr,
          std::vector<Doubt>* why = nullptr);
// Live main model-space entities wholly inside the window (crossing: also
// those any part of which meets it), in drawing order, each once; those it
// could not decide are left out and added to `undecided`, and why to `why`.
std::vector<Slot> selectWindow(const Database& db, double x1, double y1, double x2, double y2, bool crossing,
                               std::vector<Slot>* undecided = nullptr, std::vector<Doubt>* why = nullptr);

} // namespace host::db
