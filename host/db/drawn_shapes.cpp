#include "db/drawn_shapes.h"

#include <algorithm>
#include <cmath>

#include "db/entity_bounds.h"
#include "db/sub_entities.h"
#include "db/plan_distance.h"

namespace host::db {

namespace {

// The copies of a placed block whose box may meet the plan rectangle w,
// the first copy's box being `first`; false when none can.  Every copy of
// one that runs without end, or whose box overflows (not `known`).
bool copiesInReach(const Extents& first, bool known, bool endless, const PlanWindow& w, CopyLattice& copies) {
    if (endless || !known) return true;
    if (!first.valid()) return false;
    // The offsets that bring the first box onto the rectangle.
    const double xs[4] = {w.x1 - first.max.x, w.x2 - first.min.x, w.x2 - first.min.x, w.x1 - first.max.x};
    const double ys[4] = {w.y1 - first.max.y, w.y1 - first.max.y, w.y2 - first.min.y, w.y2 - first.min.y};
    return copies.narrowTo(xs, ys, 4);
}

// What a test asks, for the answers kept of entities placed alike.
struct Question {
    int kind;
    double numbers[4];
};

// What a pick asks: some part within radius of a point.  For each test,
// box() says what a box round some of it says (Stop: decided, the answer
// `stopped`), own() whether runs stop it (Yes; OutOfWork when their curves
// could not be decided within the work), range() narrows a placed
// block's copies to those worth looking at.
struct NearTest {
    static constexpr bool kLattice = true;  // an array's own runs are asked of its lattice
    RunTests& tests;
    double x, y, radius;
    bool stopped = true, walked = false;  // the answer when stopped, and after all was looked at
    Question question() const { return {0, {x, y, radius, 0}}; }
    bool range(const BlockGeometry& g, const PlacedBlock&, const Matrix&, const Matrix& base, CopyLattice& copies) {
        const PlanWindow around{x - radius, y - radius, x + radius, y + radius};
        bool known;
        const Extents first = transformedBox(g.box, base, &known);
        return copiesInReach(first, known, g.endless, around, copies);
    }
    Verdict box(const Extents& b, bool endless) const {
        return endless || (b.valid() && planDistance(b, x, y) <= radius) ? Verdict::Look : Verdict::Skip;
    }
    bool holds(const BlockGeometry&, const Matrix&) const { return false; }
    Verdict ring(const PlanRing& r, const CopyLattice& copies) const {
        return ringMayBeNear(r, copies, x, y, radius) ? Verdict::Look : Verdict::Skip;
    }
    Found own(const Shapes& s, const Matrix& m, WorkBudget& budget) {
        return s.runs.empty() ? Found::No : tests.near(s, m, x, y, radius, budget);
    }
    Found lattice(ArrayReach& a, const Shapes& s, const Matrix& m, const CopyLattice& copies, WorkBudget& budget) {
        return a.near(s, m, copies, x, y, radius, budget);
    }
};

// What a crossing asks: some part meeting the window.
struct MeetsTest {
    static constexpr bool kLattice = true;
    RunTests& tests;
    PlanWindow w;
    bool stopped = true, walked = false;
    Question question() const { return {1, {w.x1, w.y1, w.x2, w.y2}}; }
    bool range(const BlockGeometry& g, const PlacedBlock&, const Matrix&, const Matrix& base, CopyLattice& copies) {
        bool known;
        const Extents first = transformedBox(g.box, base, &known);
        return copiesInReach(first, known, g.endless, w, copies);
    }
    Verdict box(const Extents& b, bool endless) const {
        if (!endless && (!b.valid() || w.disjoint(b))) return Verdict::Skip;
        return b.valid() && w.holds(b) ? Verdict::Stop : Verdict::Look;
    }
    bool holds(const BlockGeometry&, const Matrix&) const { return false; }
    // A ring is kept only for a block that draws something: one wholly
    // held has a part inside.
    Verdict ring(const PlanRing& r, const CopyLattice& copies) const {
        if (!ringMayMeet(r, copies, w)) return Verdict::Skip;
        return ringHeld(r, copies, w) ? Verdict::Stop : Verdict::Look;
    }
    Found own(const Shapes& s, const Matrix& m, WorkBudget& budget) { return tests.meets(s, m, w, budget); }
    Found lattice(ArrayReach& a, const Shapes& s, const Matrix& m, const CopyLattice& copies, WorkBudget& budget) {
        return a.meets(s, m, copies, w, budget);
    }
};

// What a window asks: every part inside it.
struct InsideTest {
    static constexpr bool kLattice = false;  // an array is asked by its corner copies
    RunTests& tests;
    PlanWindow w;
    bool stopped = false, walked = true;
    Question question() const { return {2, {w.x1, w.y1, w.x2, w.y2}}; }
    // All copies held, by their box or hull: nothing of them to look at.
    bool range(const BlockGeometry& g, const PlacedBlock& p, const Matrix& world, const Matrix& base,
               CopyLattice& copies) {
        if (g.endless || g.overflowed) return true;
        Extents all;
        bool endless = false, known = true;
        if (!BlockTree::placedBox(g, p.placement, world, all, endless, &known) || (known && w.holds(all))) return false;
        return !known || !g.hull.heldBy(base, copies, w);
    }
    Verdict box(const Extents& b, bool endless) const {
        if (endless) return Verdict::Stop;
        if (!b.valid() || w.holds(b)) return Verdict::Skip;
        return w.disjoint(b) ? Verdict::Stop : Verdict::Look;
    }
    // A copy whose hull the window holds is held, however its box grew.
    bool holds(const BlockGeometry& g, const Matrix& m) const { return g.hull.heldBy(m, CopyLattice{}, w); }
    Verdict ring(const PlanRing& r, const CopyLattice& copies) const {
        return ringHeld(r, copies, w) ? Verdict::Skip : Verdict::Look;
    }
    // Stops at a part outside.
    Found own(const Shapes& s, const Matrix& m, WorkBudget& budget) {
        if (s.runs.empty()) return Found::No;
        switch (tests.inside(s, m, w, budget)) {
        case Found::Yes: return Found::No;
        case Found::No: return Found::Yes;
        case Found::OutOfWork: break;
        }
        return Found::OutOfWork;
    }
    Found lattice(ArrayReach&, const Shapes&, const Matrix&, const CopyLattice&, WorkBudget&) { return Found::No; }
};

// Arrays of more copies than this are asked of their lattice.  A step is
// spent for each copy considered (also one its box or ring turns down) and
// each point of the pieces of runs tested (pieceSteps).
constexpr long kStepCopies = 16;
constexpr uint64_t kStep = 1;

// What an entity answered, kept for those placed alike after it.
constexpr uint8_t kNotTaken = 0, kTaken = 1, kUndecided = 2;
// Only answers that took this many steps are kept: a look-up costs more
// than a cheaper answer.
constexpr uint64_t kWorthRemembering = 256;

} // namespace

template <class Test>
void DrawnShapes::pushPlaced(Test& test, const PlacedBlock& p, const Matrix& world, bool nested,
                             const BlockGeometry* g) {
    budget_.spend(kStep);
    if (g == nullptr) g = tree_.get(p.record);
    if (g == nullptr) return;
    Matrix base = world * p.placement.m;
    // Copies on one spot in plan are one copy.
    CopyLattice copies = CopyLattice::of(p.placement).carried(world).planCopies();
    if (!test.range(*g, p, world, base, copies)) return;
    pushCopies(test, Pending{g, base, copies, copies.c0, copies.r0}, nested);
}

template <class Test>
bool DrawnShapes::ringTurnsDown(Test& test, const Pending& p) {
    PlanRing ring;
    return !p.block->overflowed && p.block->ring.known() && worldRing(p.block->ring, p.base, ring) &&
           test.ring(ring, p.copies) == Verdict::Skip;
}

template <class Test>
void DrawnShapes::pushCopies(Test& test, const Pending& p, bool nested) {
    // Spent here, looked at in walk(), which stops when none is left.
    budget_.spend(kStep);
    if (ringTurnsDown(test, p)) return;
    const CopyLattice& l = p.copies;
    if (!Test::kLattice && l.count() > 4) {
        // A window holds every copy when it holds those at the corners:
        // each copy lies between them.
        const int columns[2] = {l.c0, l.c1}, rows[2] = {l.r0, l.r1};
        for (int i = 0; i < (l.c0 == l.c1 ? 1 : 2); ++i)
            for (int j = 0; j < (l.r0 == l.r1 ? 1 : 2); ++j) {
                CopyLattice one = l;
                one.c0 = one.c1 = columns[i];
                one.r0 = one.r1 = rows[j];
                pushCopies(test, Pending{p.block, p.base, one, columns[i], rows[j]}, nested);
            }
        return;
    }
    // Every test stops at its first finding, so a block already looked
    // at in the same place found nothing, and finds nothing again.
    if (nested && !visited_.insert(placeKey(p.block, p.base, p.copies))) return;
    stack_.push_back(p);
}

template <class Test>
DrawnShapes::Outcome DrawnShapes::ownStops(Test& test, const BlockGeometry& g, const Matrix& m) {
    const Shapes& own = g.drawing.own;
    Found found = Found::No;
    if (g.index == nullptr) {
        budget_.spend(std::max<uint64_t>(kStep, own.points.size()));
        found = test.own(own, m, budget_);
    } else {
        const BlockIndex& index = *g.index;
        auto exact = [&](uint32_t piece) {
            budget_.spend(pieceSteps(own, index.pieces[piece]));
            sliceRuns(own, index.pieces[piece], slice_);
            found = test.own(slice_, m, budget_);
            return found != Found::No;
        };
        bool stopped = false;
        for (uint32_t piece : index.endlessPieces)
            if ((stopped = exact(piece))) break;
        if (!stopped && index.runs.search([&](const Extents& b) { return test.box(planBox(b, m), false); }, exact) &&
            found == Found::No)
            found = Found::Yes;  // a box decided it
    }
    // Points lost when the block was drawn leave a No undecided.
    if (found == Found::No && own.overflowed) found = budget_.undecided(Doubt::Overflow);
    switch (found) {
    case Found::Yes: return Outcome::Stopped;
    case Found::OutOfWork: return Outcome::OutOfWork;
    case Found::No: break;
    }
    return Outcome::Walked;
}

template <class Test>
DrawnShapes::Outcome DrawnShapes::pushPlacedNear(Test& test, const BlockGeometry& g, const Matrix& m) {
    const std::vector<PlacedBlock>& placed = g.drawing.placed;
    if (g.index == nullptr) {
        for (const PlacedBlock& p : placed) pushPlaced(test, p, m, true);
        return Outcome::Walked;
    }
    const BlockIndex& index = *g.index;
    for (uint32_t i : index.endlessPlaced) pushPlaced(test, placed[i], m, true, index.placedGeometry[i]);
    bool stopped = index.placed.search([&](const Extents& b) { return test.box(planBox(b, m), false); },
                                       [&](uint32_t i) {
                                           pushPlaced(test, placed[i], m, true, index.placedGeometry[i]);
                                           return false;
                                       });
    return stopped ? Outcome::Stopped : Outcome::Walked;
}

template <class Test>
DrawnShapes::Outcome DrawnShapes::lookAtCopy(Test& test, const BlockGeometry& g, const Matrix& m, bool ownDone) {
    if (!budget_.spend(kStep)) return Outcome::OutOfWork;
    if (g.lookedAt == question_) multiplied_ = true;
    g.lookedAt = question_;
    // A box, hull or ring whose numbers overflow, or that leaves out points
    // lost when the block was drawn, turns nothing down: what the copy
    // draws is asked, and says so where it cannot tell.
    bool known;
    const Extents box = transformedBox(g.box, m, &known);
    known = known && !g.overflowed && !g.drawing.own.overflowed;
    if (known) {
        switch (test.box(box, g.endless)) {
        case Verdict::Skip: return Outcome::Walked;
        case Verdict::Stop: return Outcome::Stopped;
        case Verdict::Look: break;
        }
        if (test.holds(g, m)) return Outcome::Walked;
    }
    PlanRing ring;
    if (known && g.ring.known() && worldRing(g.ring, m, ring)) {
        switch (test.ring(ring, CopyLattice{})) {
        case Verdict::Skip: return Outcome::Walked;
        case Verdict::Stop: return Outcome::Stopped;
        case Verdict::Look: break;
        }
    }
    if (!ownDone)
        if (Outcome o = ownStops(test, g, m); o != Outcome::Walked) return o;
    return pushPlacedNear(test, g, m);
}

template <class Test>
DrawnShapes::Outcome DrawnShapes::askLattice(Test& test, Pending& top) {
    // The block's own runs over all copies at once; its placed blocks
    // copy by copy after.
    top.ownDone = true;
    multiplied_ = true;
    const BlockGeometry& g = *top.block;
    switch (test.lattice(arrays_, g.drawing.own, top.base, top.copies, budget_)) {
    case Found::Yes: return Outcome::Stopped;
    case Found::OutOfWork: return Outcome::OutOfWork;
    case Found::No: break;
    }
    if (g.drawing.placed.empty()) stack_.pop_back();
    return Outcome::Walked;
}

// A copy left undecided while work is left leaves the answer so, unless
// a later one decides it.
template <class Test>
DrawnShapes::Outcome DrawnShapes::walk(Test& test) {
    bool doubtful = false;
    auto stops = [&](Outcome o) {
        if (o == Outcome::OutOfWork && !budget_.out()) {
            doubtful = true;
            return false;
        }
        return o != Outcome::Walked;
    };
    while (!stack_.empty()) {
        if (budget_.out()) return Outcome::OutOfWork;
        Pending& top = stack_.back();
        if (top.r > top.copies.r1) {
            stack_.pop_back();
            continue;
        }
        if constexpr (Test::kLattice) {
            if (!top.ownDone && top.copies.count() > kStepCopies) {
                if (Outcome o = askLattice(test, top); stops(o)) return o;
                continue;
            }
        }
        // Taken before the copy is looked at: that pushes onto the stack.
        const BlockGeometry& g = *top.block;
        bool ownDone = top.ownDone;
        Matrix m = copyMatrix(top.base, top.copies.column, top.copies.row, top.c, top.r);
        if (++top.c > top.copies.c1) {
            top.c = top.copies.c0;
            ++top.r;
        }
        if (Outcome o = lookAtCopy(test, g, m, ownDone); stops(o)) return o;
    }
    return doubtful ? Outcome::OutOfWork : Outcome::Walked;
}

bool entityExtents(const BlockTree& tree, EntityDrawer& drawer, Drawing& scratch, const std::vector<Slot>& entities,
                   size_t index, Extents& out) {
    if (std::optional<bool> placed = drawer.plainInsertExtents(entities, index, tree, out)) return *placed;
    scratch.clear();
    drawer.draw(entities, index, false, scratch);
    out = boundedBox(scratch.own);
    bool endless = false;
    const Matrix identity;
    for (const PlacedBlock& p : scratch.placed)
        if (const BlockGeometry* g = tree.built(p.record)) BlockTree::placedBox(*g, p.placement, identity, out, endless);
    return out.valid();
}

bool DrawnShapes::build(const std::vector<Slot>& entities, size_t index, bool inBlock) {
    drawing_.clear();
    drawer_.draw(entities, index, inBlock, drawing_);
    box_ = boundedBox(drawing_.own);
    endless_ = drawing_.own.endless;
    boxSure_ = !drawing_.own.overflowed;
    const Matrix identity;
    for (const PlacedBlock& p : drawing_.placed)
        if (const BlockGeometry* g = tree_.bounded(p.record))
            BlockTree::placedBox(*g, p.placement, identity, box_, endless_, &boxSure_);
    spelled_ = tree_.spelledBy(drawing_.placed);
    return box_.valid() || endless_ || !boxSure_;
}

template <class Test>
bool DrawnShapes::ask(Test& test) {
    const Matrix identity;
    budget_ = WorkBudget(workLimit_);
    ++question_;
    multiplied_ = false;
    // Why it is left undecided: work runs out where no copies multiply
    // only in a curve's search.
    auto undecided = [&] {
        undecided_ = true;
        doubt_ = budget_.doubt();
        if (doubt_ == Doubt::Work && !multiplied_) doubt_ = Doubt::Close;
        return false;
    };
    // Its own runs left undecided while work is left: the blocks it places
    // may still decide it.
    bool ownDoubt = false;
    switch (test.own(drawing_.own, identity, budget_)) {
    case Found::Yes: workSpent_ += budget_.spent(); return test.stopped;
    case Found::OutOfWork:
        ownDoubt = true;
        if (budget_.out() || drawing_.placed.empty()) {
            workSpent_ += budget_.spent();
            return undecided();
        }
        break;
    case Found::No: break;
    }
    // An entity that places one block and draws nothing else answers as
    // one placed alike before it did.
    const bool placesOne = drawing_.own.runs.empty() && drawing_.placed.size() == 1;
    auto repeatKey = [&] {
        const PlacedBlock& p = drawing_.placed.front();
        Question q = test.question();
        return placeKey(tree_.bounded(p.record), p.placement.m, CopyLattice::of(p.placement), q.kind, q.numbers);
    };
    if (placesOne && !repeated_.empty()) {
        // One left undecided is asked again when this one may work longer.
        if (auto found = repeated_.find(repeatKey());
            found != repeated_.end() && (found->second.answer != kUndecided || workLimit_ <= found->second.workLimit)) {
            undecided_ = found->second.answer == kUndecided;
            doubt_ = found->second.doubt;
            return found->second.answer == kTaken;
        }
    }
    stack_.clear();
    visited_.clear();
    for (const PlacedBlock& p : drawing_.placed) pushPlaced(test, p, identity, false);
    Outcome outcome = walk(test);
    workSpent_ += budget_.spent();
    bool answer = false;
    if (outcome == Outcome::Stopped) answer = test.stopped;
    else if (outcome == Outcome::OutOfWork || ownDoubt) undecided();
    else answer = test.walked;
    if (placesOne && budget_.spent() >= kWorthRemembering)
        repeated_[repeatKey()] = {static_cast<uint8_t>(undecided_ ? kUndecided : answer ? kTaken : kNotTaken),
                                  workLimit_, doubt_};
    return answer;
}

// A box that leaves out what overflowed as the entity was drawn or placed
// decides nothing.
bool DrawnShapes::near(double x, double y, double radius) {
    undecided_ = false;
    doubt_ = Doubt::None;
    if (!endless_ && boxSure_ && (!box_.valid() || planDistance(box_, x, y) > radius)) return false;
    NearTest test{tests_, x, y, radius};
    return ask(test);
}

bool DrawnShapes::inside(double x1, double y1, double x2, double y2) {
    undecided_ = false;
    doubt_ = Doubt::None;
    InsideTest test{tests_, {x1, y1, x2, y2}};
    if (boxSure_ && (!box_.valid() || endless_ || test.w.disjoint(box_))) return false;
    if (boxSure_ && test.w.holds(box_)) return true;
    return ask(test);
}

bool DrawnShapes::meets(double x1, double y1, double x2, double y2) {
    undecided_ = false;
    doubt_ = Doubt::None;
    MeetsTest test{tests_, {x1, y1, x2, y2}};
    if (!endless_ && boxSure_ && (!box_.valid() || test.w.disjoint(box_))) return false;
    if (boxSure_ && box_.valid() && test.w.holds(box_)) return true;
    return ask(test);
}

namespace {

// The work of one pick or window: all of it for the first entities that
// need it, and once it is spent, still enough for each further entity to
// look through what it spells out (the blocks it places, each once, an
// array as its placement), as many steps for each part as a walk through
// blocks that do not multiply takes (a placed copy is pushed, its copies
// turned down or kept, and looked at: three steps; a point one).  What
// nesting and arrays multiply is refused, never what grows with the file.
constexpr uint64_t kSelectionWork = 1'000'000;
constexpr uint64_t kEntityWork = 1'000;
constexpr uint64_t kStepsPerSpelled = 4;

uint64_t workFor(const DrawnShapes& shapes) {
    uint64_t spent = shapes.workSpent(), entity = std::max(kEntityWork, kStepsPerSpelled * shapes.spelledOut());
    return std::max(entity, spent < kSelectionWork ? kSelectionWork - spent : 0);
}

void leftUndecided(Slot entity, Doubt doubt, std::vector<Slot>* undecided, std::vector<Doubt>* why) {
    if (undecided != nullptr) undecided->push_back(entity);
    if (why != nullptr) why->push_back(doubt);
}

} // namespace

Slot pick(const Database& db, double x, double y, double radius, std::vector<Slot>* undecided,
          std::vector<Doubt>* why) {
    const Block* ms = db.block(db.modelSpace());
    if (ms == nullptr) return kNoSlot;
    DrawnShapes shapes(db);
    Extents quick;
    for (size_t i = ms->entities.size(); i-- > 0;) {
        const Object* o = db.object(ms->entities[i]);
        if (o == nullptr || o->erased || isSubEntity(*o)) continue;
        if (quickBounds(db, ms->entities, i, quick) && planDistance(quick, x, y) > radius) continue;
        if (!shapes.build(ms->entities, i)) continue;
        shapes.setWorkLimit(workFor(shapes));
        if (shapes.near(x, y, radius)) return ms->entities[i];
        if (shapes.undecided()) leftUndecided(ms->entities[i], shapes.doubt(), undecided, why);
    }
    return kNoSlot;
}

std::vector<Slot> selectWindow(const Database& db, double x1, double y1, double x2, double y2, bool crossing,
                               std::vector<Slot>* undecided, std::vector<Doubt>* why) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    std::vector<Slot> found;
    const Block* ms = db.block(db.modelSpace());
    if (ms == nullptr) return found;
    const PlanWindow w{x1, y1, x2, y2};
    DrawnShapes shapes(db);
    Extents quick;
    for (size_t i = 0; i < ms->entities.size(); ++i) {
        const Object* o = db.object(ms->entities[i]);
        if (o == nullptr || o->erased || isSubEntity(*o)) continue;
        // A sure box decides most entities without drawing them: one held
        // is inside (and meets), one apart neither.
        if (quickBounds(db, ms->entities, i, quick)) {
            if (w.holds(quick)) found.push_back(ms->entities[i]);
            if (w.holds(quick) || w.disjoint(quick)) continue;
        }
        if (!shapes.build(ms->entities, i)) continue;
        shapes.setWorkLimit(workFor(shapes));
        if (crossing ? shapes.meets(x1, y1, x2, y2) : shapes.inside(x1, y1, x2, y2)) found.push_back(ms->entities[i]);
        else if (shapes.undecided()) leftUndecided(ms->entities[i], shapes.doubt(), undecided, why);
    }
    return found;
}

} // namespace host::db
