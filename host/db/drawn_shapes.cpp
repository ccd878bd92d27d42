#include "db/drawn_shapes.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>

#include "db/entity_bounds.h"
#include "db/sub_entities.h"

namespace host::db {

namespace {

enum class Verdict { Skip, Look, Stop };

bool disjoint(const Extents& box, const PlanWindow& w) {
    return box.max.x < w.x1 || box.min.x > w.x2 || box.max.y < w.y1 || box.min.y > w.y2;
}

bool held(const Extents& box, const PlanWindow& w) { return w.holds(box.min) && w.holds(box.max); }

double planDistance(const Extents& box, double x, double y) {
    double dx = std::max({box.min.x - x, x - box.max.x, 0.0}), dy = std::max({box.min.y - y, y - box.max.y, 0.0});
    return std::hypot(dx, dy);
}

// Clamps a real copy index range to [0, count - 1]; false when empty.
bool clampRange(double lo, double hi, int count, int& from, int& to) {
    if (!std::isfinite(lo) || !std::isfinite(hi)) {
        from = 0;
        to = count - 1;
        return true;
    }
    lo = std::max(std::floor(lo), 0.0);
    hi = std::min(std::ceil(hi), count - 1.0);
    if (lo > hi) return false;
    from = static_cast<int>(lo);
    to = static_cast<int>(hi);
    return true;
}

// The copies c along `step` whose offset c * step lies in the rectangle
// [lo, hi] (plan), as a real range; false when none.
bool alongStep(const Point3& step, const Point3& lo, const Point3& hi, double& from, double& to) {
    from = -INFINITY;
    to = INFINITY;
    const double s[2] = {step.x, step.y}, l[2] = {lo.x, lo.y}, h[2] = {hi.x, hi.y};
    for (int k = 0; k < 2; ++k) {
        if (s[k] == 0) {
            if (l[k] > 0 || h[k] < 0) return false;
            continue;
        }
        double a = l[k] / s[k], b = h[k] / s[k];
        from = std::max(from, std::min(a, b));
        to = std::min(to, std::max(a, b));
    }
    return from <= to;
}

// The copies of an array whose box may meet the plan rectangle w, the
// first copy's box being `first`: a range of columns and rows; false when
// none can.
bool copiesMeeting(const Extents& first, const Point3& cs, const Point3& rs, int columns, int rows,
                   const PlanWindow& w, int& c0, int& c1, int& r0, int& r1) {
    c0 = r0 = 0;
    c1 = columns - 1;
    r1 = rows - 1;
    if (columns == 1 && rows == 1) return !disjoint(first, w);
    // Offsets that bring the first box onto the rectangle.
    Point3 lo{w.x1 - first.max.x, w.y1 - first.max.y, 0}, hi{w.x2 - first.min.x, w.y2 - first.min.y, 0};
    double from, to;
    if (rows == 1) return alongStep(cs, lo, hi, from, to) && clampRange(from, to, columns, c0, c1);
    if (columns == 1) return alongStep(rs, lo, hi, from, to) && clampRange(from, to, rows, r0, r1);
    double det = cs.x * rs.y - cs.y * rs.x;
    if (!(std::fabs(det) > 1e-12 * std::hypot(cs.x, cs.y) * std::hypot(rs.x, rs.y))) return true;
    double cmin = INFINITY, cmax = -INFINITY, rmin = INFINITY, rmax = -INFINITY;
    for (int corner = 0; corner < 4; ++corner) {
        double x = corner & 1 ? hi.x : lo.x, y = corner & 2 ? hi.y : lo.y;
        double c = (x * rs.y - y * rs.x) / det, r = (cs.x * y - cs.y * x) / det;
        cmin = std::min(cmin, c);
        cmax = std::max(cmax, c);
        rmin = std::min(rmin, r);
        rmax = std::max(rmax, r);
    }
    return clampRange(cmin, cmax, columns, c0, c1) && clampRange(rmin, rmax, rows, r0, r1);
}

// The copies of a placed block that a pick or crossing may meet: every
// copy of one that runs without end.
bool copiesInReach(const Extents& first, bool endless, int columns, int rows, const Point3& cs, const Point3& rs,
                   const PlanWindow& w, int& c0, int& c1, int& r0, int& r1) {
    if (endless) {
        c0 = r0 = 0;
        c1 = columns - 1;
        r1 = rows - 1;
        return true;
    }
    return first.valid() && copiesMeeting(first, cs, rs, columns, rows, w, c0, c1, r0, r1);
}

// What a pick asks: some part within radius of a point.
struct NearTest {
    static constexpr bool kWholeArray = false;  // range() looks at the first copy's box alone
    static constexpr bool kLattice = true;      // an array's own runs are asked of its lattice
    RunTests& tests;
    double x, y, radius;
    bool stopped = true, walked = false;  // the answer when stopped, and after all was looked at
    PlanWindow around() const { return {x - radius, y - radius, x + radius, y + radius}; }
    bool range(const Extents& first, const Extents&, bool endless, int columns, int rows, const Point3& cs,
               const Point3& rs, int& c0, int& c1, int& r0, int& r1) {
        return copiesInReach(first, endless, columns, rows, cs, rs, around(), c0, c1, r0, r1);
    }
    Verdict box(const Extents& b, bool endless) const {
        return endless || (b.valid() && planDistance(b, x, y) <= radius) ? Verdict::Look : Verdict::Skip;
    }
    Verdict ring(const PlanRing& r, const CopySpread& spread) const {
        return ringMayBeNear(r, spread, x, y, radius) ? Verdict::Look : Verdict::Skip;
    }
    bool own(const Shapes& s, const Matrix& m) { return !s.runs.empty() && tests.distance(s, m, x, y) <= radius; }
    Found lattice(LatticeTests& l, const Shapes& s, const Matrix& m, const PlanLattice& copies, WorkBudget& budget) {
        return l.near(s, m, copies, x, y, radius, budget);
    }
};

// What a crossing asks: some part meeting the window.
struct MeetsTest {
    static constexpr bool kWholeArray = false;
    static constexpr bool kLattice = true;
    RunTests& tests;
    PlanWindow w;
    bool stopped = true, walked = false;
    bool range(const Extents& first, const Extents&, bool endless, int columns, int rows, const Point3& cs,
               const Point3& rs, int& c0, int& c1, int& r0, int& r1) {
        return copiesInReach(first, endless, columns, rows, cs, rs, w, c0, c1, r0, r1);
    }
    Verdict box(const Extents& b, bool endless) const {
        if (!endless && (!b.valid() || disjoint(b, w))) return Verdict::Skip;
        return b.valid() && held(b, w) ? Verdict::Stop : Verdict::Look;
    }
    // A ring is kept only for a block that draws something: one wholly
    // held has a part inside.
    Verdict ring(const PlanRing& r, const CopySpread& spread) const {
        if (!ringMayMeet(r, spread, w)) return Verdict::Skip;
        return ringHeld(r, spread, w) ? Verdict::Stop : Verdict::Look;
    }
    bool own(const Shapes& s, const Matrix& m) { return tests.meets(s, m, w); }
    Found lattice(LatticeTests& l, const Shapes& s, const Matrix& m, const PlanLattice& copies, WorkBudget& budget) {
        return l.meets(s, m, copies, w, budget);
    }
};

// What a window asks: every part inside it.
struct InsideTest {
    static constexpr bool kWholeArray = true;  // the box of all copies
    static constexpr bool kLattice = false;    // an array is asked by its corner copies
    RunTests& tests;
    PlanWindow w;
    bool stopped = false, walked = true;
    bool range(const Extents&, const Extents& all, bool endless, int columns, int rows, const Point3&, const Point3&,
               int& c0, int& c1, int& r0, int& r1) {
        c0 = r0 = 0;
        c1 = columns - 1;
        r1 = rows - 1;
        // All copies held: nothing of them to look at.
        return endless || !all.valid() || !held(all, w);
    }
    Verdict box(const Extents& b, bool endless) const {
        if (endless) return Verdict::Stop;
        if (!b.valid() || held(b, w)) return Verdict::Skip;
        return disjoint(b, w) ? Verdict::Stop : Verdict::Look;
    }
    Verdict ring(const PlanRing& r, const CopySpread& spread) const {
        return ringHeld(r, spread, w) ? Verdict::Skip : Verdict::Look;
    }
    bool own(const Shapes& s, const Matrix& m) { return !s.runs.empty() && !tests.inside(s, m, w); }
    Found lattice(LatticeTests&, const Shapes&, const Matrix&, const PlanLattice&, WorkBudget&) { return Found::No; }
};

// Arrays of more copies than this are asked of their lattice; the steps
// one copy looked at costs besides the points its runs test, and the
// steps of one placed block put on the stack.
constexpr int kStepCopies = 16;
constexpr uint64_t kCopySteps = 8;
constexpr uint64_t kPushSteps = 8;
// Placed blocks remembered as looked at in one test: enough for blocks
// on one spot nested far deeper than a file holds, and bounded memory.
constexpr size_t kMostRemembered = size_t{1} << 15;

CopySpread spreadOf(const Point3& cs, const Point3& rs, int c0, int c1, int r0, int r1) {
    return {cs.x, cs.y, rs.x, rs.y, static_cast<double>(c0), static_cast<double>(c1), static_cast<double>(r0),
            static_cast<double>(r1)};
}

long copyCount(int c0, int c1, int r0, int r1) { return (c1 - c0 + 1L) * (r1 - r0 + 1L); }

} // namespace

template <class Test>
void DrawnShapes::push(const Drawing& drawing, const Matrix& world, Test& test, bool nested) {
    for (const PlacedBlock& p : drawing.placed) {
        const BlockGeometry* g = tree_.get(p.record);
        if (g == nullptr) continue;
        const InsertPlacement& place = p.placement;
        Matrix base = world * place.m;
        Point3 cs = world.applyVector(place.columnStep), rs = world.applyVector(place.rowStep);
        // Copies on one spot in plan are one copy.
        int columns = cs.x == 0 && cs.y == 0 ? 1 : place.columns, rows = rs.x == 0 && rs.y == 0 ? 1 : place.rows;
        Extents first = transformedBox(g->box, base), all;
        if constexpr (Test::kWholeArray) {
            bool endless = false;
            BlockTree::placedBox(*g, place, world, all, endless);
        }
        int c0, c1, r0, r1;
        if (!test.range(first, all, g->endless, columns, rows, cs, rs, c0, c1, r0, r1)) continue;
        pushCopies(Pending{g, base, cs, rs, c0, c1, r0, r1, c0, r0}, test, nested);
    }
}

template <class Test>
void DrawnShapes::pushCopies(const Pending& p, Test& test, bool nested) {
    // Spent here, looked at in walk(), which stops when none is left.
    budget_.spend(kPushSteps);
    PlanRing ring;
    if (p.block->ring.known() && worldRing(p.block->ring, p.base, ring) &&
        test.ring(ring, spreadOf(p.columnStep, p.rowStep, p.c0, p.c1, p.r0, p.r1)) == Verdict::Skip)
        return;
    if (!Test::kLattice && copyCount(p.c0, p.c1, p.r0, p.r1) > 4) {
        // A window holds every copy when it holds those at the corners:
        // each copy lies between them.
        const int columns[2] = {p.c0, p.c1}, rows[2] = {p.r0, p.r1};
        for (int i = 0; i < (p.c0 == p.c1 ? 1 : 2); ++i)
            for (int j = 0; j < (p.r0 == p.r1 ? 1 : 2); ++j)
                pushCopies(Pending{p.block, p.base, p.columnStep, p.rowStep, columns[i], columns[i], rows[j], rows[j],
                                   columns[i], rows[j]},
                           test, nested);
        return;
    }
    // Every test stops at its first finding, so a block already looked
    // at in the same place found nothing, and finds nothing again.
    if (nested && !firstVisit(p)) return;
    stack_.push_back(p);
}

bool DrawnShapes::Visit::operator==(const Visit& o) const {
    return block == o.block && std::memcmp(m, o.m, sizeof m) == 0 && columnStep.x == o.columnStep.x &&
           columnStep.y == o.columnStep.y && columnStep.z == o.columnStep.z && rowStep.x == o.rowStep.x &&
           rowStep.y == o.rowStep.y && rowStep.z == o.rowStep.z && c0 == o.c0 && c1 == o.c1 && r0 == o.r0 &&
           r1 == o.r1;
}

size_t DrawnShapes::VisitHash::operator()(const Visit& v) const {
    size_t h = std::hash<const void*>()(v.block);
    for (const auto& row : v.m)
        for (double d : row) h = h * 1000003u ^ std::hash<double>()(d);
    return h ^ (static_cast<size_t>(v.c0) << 1) ^ (static_cast<size_t>(v.r0) << 17);
}

bool DrawnShapes::firstVisit(const Pending& p) {
    Visit v{p.block, {}, p.columnStep, p.rowStep, p.c0, p.c1, p.r0, p.r1};
    std::memcpy(v.m, p.base.m, sizeof v.m);
    if (visited_.size() >= kMostRemembered) return visited_.count(v) == 0;
    return visited_.insert(v).second;
}

template <class Test>
DrawnShapes::Outcome DrawnShapes::walk(Test& test) {
    while (!stack_.empty()) {
        if (budget_.out()) return Outcome::OutOfWork;
        Pending& top = stack_.back();
        if (top.r > top.r1) {
            stack_.pop_back();
            continue;
        }
        const BlockGeometry* g = top.block;
        if constexpr (Test::kLattice) {
            if (!top.ownDone && copyCount(top.c0, top.c1, top.r0, top.r1) > kStepCopies) {
                // The block's own runs over all copies at once; its placed
                // blocks copy by copy below.
                top.ownDone = true;
                PlanLattice copies{top.columnStep.x, top.columnStep.y, top.rowStep.x, top.rowStep.y,
                                   top.c0,           top.c1,           top.r0,       top.r1};
                switch (test.lattice(lattice_, g->drawing.own, top.base, copies, budget_)) {
                case Found::Yes: return Outcome::Stopped;
                case Found::OutOfWork: return Outcome::OutOfWork;
                case Found::No: break;
                }
                if (g->drawing.placed.empty()) {
                    stack_.pop_back();
                    continue;
                }
            }
        }
        bool ownDone = top.ownDone;
        int c = top.c, r = top.r;
        Matrix m = copyMatrix(top.base, top.columnStep, top.rowStep, c, r);
        if (++top.c > top.c1) {
            top.c = top.c0;
            ++top.r;
        }
        if (!budget_.spend(kCopySteps + (ownDone ? 0 : g->drawing.own.points.size()))) return Outcome::OutOfWork;
        switch (test.box(transformedBox(g->box, m), g->endless)) {
        case Verdict::Skip: continue;
        case Verdict::Stop: return Outcome::Stopped;
        case Verdict::Look: break;
        }
        PlanRing ring;
        if (g->ring.known() && worldRing(g->ring, m, ring)) {
            switch (test.ring(ring, CopySpread{})) {
            case Verdict::Skip: continue;
            case Verdict::Stop: return Outcome::Stopped;
            case Verdict::Look: break;
            }
        }
        if (!ownDone && test.own(g->drawing.own, m)) return Outcome::Stopped;
        push(g->drawing, m, test, true);
    }
    return Outcome::Walked;
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
    const Matrix identity;
    for (const PlacedBlock& p : drawing_.placed)
        if (const BlockGeometry* g = tree_.get(p.record)) BlockTree::placedBox(*g, p.placement, identity, box_, endless_);
    return box_.valid() || endless_;
}

template <class Test>
bool DrawnShapes::ask(Test& test) {
    const Matrix identity;
    if (test.own(drawing_.own, identity)) return test.stopped;
    stack_.clear();
    if (!visited_.empty()) visited_.clear();
    budget_ = WorkBudget(workLimit_);
    push(drawing_, identity, test, false);
    Outcome outcome = walk(test);
    workSpent_ += budget_.spent();
    if (outcome == Outcome::OutOfWork) {
        undecided_ = true;
        return false;
    }
    return outcome == Outcome::Stopped ? test.stopped : test.walked;
}

bool DrawnShapes::near(double x, double y, double radius) {
    undecided_ = false;
    if (!endless_ && (!box_.valid() || planDistance(box_, x, y) > radius)) return false;
    NearTest test{tests_, x, y, radius};
    return ask(test);
}

bool DrawnShapes::inside(double x1, double y1, double x2, double y2) {
    undecided_ = false;
    InsideTest test{tests_, {x1, y1, x2, y2}};
    if (!box_.valid() || endless_ || disjoint(box_, test.w)) return false;
    if (held(box_, test.w)) return true;
    return ask(test);
}

bool DrawnShapes::meets(double x1, double y1, double x2, double y2) {
    undecided_ = false;
    MeetsTest test{tests_, {x1, y1, x2, y2}};
    if (!endless_ && (!box_.valid() || disjoint(box_, test.w))) return false;
    if (box_.valid() && held(box_, test.w)) return true;
    return ask(test);
}

namespace {

// The work of one pick or window: all of it for the first entities that
// need it, and once it is spent, still enough for each further entity to
// be looked at as any ordinary drawing needs.
constexpr uint64_t kSelectionWork = 10'000'000;
constexpr uint64_t kEntityWork = 100'000;

uint64_t workFor(const DrawnShapes& shapes) {
    uint64_t spent = shapes.workSpent();
    return std::max(kEntityWork, spent < kSelectionWork ? kSelectionWork - spent : 0);
}

} // namespace

Slot pick(const Database& db, double x, double y, double radius, std::vector<Slot>* undecided) {
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
        if (shapes.undecided() && undecided != nullptr) undecided->push_back(ms->entities[i]);
    }
    return kNoSlot;
}

std::vector<Slot> selectWindow(const Database& db, double x1, double y1, double x2, double y2, bool crossing,
                               std::vector<Slot>* undecided) {
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
            if (held(quick, w)) found.push_back(ms->entities[i]);
            if (held(quick, w) || disjoint(quick, w)) continue;
        }
        if (!shapes.build(ms->entities, i)) continue;
        shapes.setWorkLimit(workFor(shapes));
        if (crossing ? shapes.meets(x1, y1, x2, y2) : shapes.inside(x1, y1, x2, y2)) found.push_back(ms->entities[i]);
        else if (shapes.undecided() && undecided != nullptr) undecided->push_back(ms->entities[i]);
    }
    return found;
}

} // namespace host::db
