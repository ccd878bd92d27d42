#include "db/drawn_shapes.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>

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
bool copiesInReach(const Extents& first, bool endless, const InsertPlacement& p, const Point3& cs, const Point3& rs,
                   const PlanWindow& w, int& c0, int& c1, int& r0, int& r1) {
    if (endless) {
        c0 = r0 = 0;
        c1 = p.columns - 1;
        r1 = p.rows - 1;
        return true;
    }
    return first.valid() && copiesMeeting(first, cs, rs, p.columns, p.rows, w, c0, c1, r0, r1);
}

// What a pick asks: some part within radius of a point.
struct NearTest {
    static constexpr bool kWholeArray = false;  // range() looks at the first copy's box alone
    RunTests& tests;
    double x, y, radius;
    bool stopped = true, walked = false;  // the answer when stopped, and after all was looked at
    PlanWindow around() const { return {x - radius, y - radius, x + radius, y + radius}; }
    bool range(const Extents& first, const Extents&, bool endless, const InsertPlacement& p, const Point3& cs,
               const Point3& rs, int& c0, int& c1, int& r0, int& r1) {
        return copiesInReach(first, endless, p, cs, rs, around(), c0, c1, r0, r1);
    }
    Verdict box(const Extents& b, bool endless) const {
        return endless || (b.valid() && planDistance(b, x, y) <= radius) ? Verdict::Look : Verdict::Skip;
    }
    bool own(const Shapes& s, const Matrix& m) { return !s.runs.empty() && tests.distance(s, m, x, y) <= radius; }
};

// What a crossing asks: some part meeting the window.
struct MeetsTest {
    static constexpr bool kWholeArray = false;
    RunTests& tests;
    PlanWindow w;
    bool stopped = true, walked = false;
    bool range(const Extents& first, const Extents&, bool endless, const InsertPlacement& p, const Point3& cs,
               const Point3& rs, int& c0, int& c1, int& r0, int& r1) {
        return copiesInReach(first, endless, p, cs, rs, w, c0, c1, r0, r1);
    }
    Verdict box(const Extents& b, bool endless) const {
        if (!endless && (!b.valid() || disjoint(b, w))) return Verdict::Skip;
        return b.valid() && held(b, w) ? Verdict::Stop : Verdict::Look;
    }
    bool own(const Shapes& s, const Matrix& m) { return tests.meets(s, m, w); }
};

// What a window asks: every part inside it.
struct InsideTest {
    static constexpr bool kWholeArray = true;  // the box of all copies
    RunTests& tests;
    PlanWindow w;
    bool stopped = false, walked = true;
    bool range(const Extents&, const Extents& all, bool endless, const InsertPlacement& p, const Point3&, const Point3&,
               int& c0, int& c1, int& r0, int& r1) {
        c0 = r0 = 0;
        c1 = p.columns - 1;
        r1 = p.rows - 1;
        // All copies held: nothing of them to look at.
        return endless || !all.valid() || !held(all, w);
    }
    Verdict box(const Extents& b, bool endless) const {
        if (endless) return Verdict::Stop;
        if (!b.valid() || held(b, w)) return Verdict::Skip;
        return disjoint(b, w) ? Verdict::Stop : Verdict::Look;
    }
    bool own(const Shapes& s, const Matrix& m) { return !s.runs.empty() && !tests.inside(s, m, w); }
};

} // namespace

template <class Test>
void DrawnShapes::push(const Drawing& drawing, const Matrix& world, Test& test, bool nested) {
    for (const PlacedBlock& p : drawing.placed) {
        const BlockGeometry* g = tree_.get(p.record);
        if (g == nullptr) continue;
        const InsertPlacement& place = p.placement;
        Matrix base = world * place.m;
        Point3 cs = world.applyVector(place.columnStep), rs = world.applyVector(place.rowStep);
        Extents first = transformedBox(g->box, base), all;
        if constexpr (Test::kWholeArray) {
            bool endless = false;
            BlockTree::placedBox(*g, place, world, all, endless);
        }
        int c0, c1, r0, r1;
        if (!test.range(first, all, g->endless, place, cs, rs, c0, c1, r0, r1)) continue;
        Pending next{g, base, cs, rs, c0, c1, r0, r1, c0, r0};
        // Every test stops at its first finding, so a block already looked
        // at in the same place found nothing, and finds nothing again.
        if (nested && !firstVisit(next)) continue;
        stack_.push_back(next);
    }
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
    return visited_.insert(v).second;
}

template <class Test>
bool DrawnShapes::walk(Test& test) {
    while (!stack_.empty()) {
        Pending& top = stack_.back();
        if (top.r > top.r1) {
            stack_.pop_back();
            continue;
        }
        const BlockGeometry* g = top.block;
        Matrix m = copyMatrix(top.base, top.columnStep, top.rowStep, top.c, top.r);
        if (++top.c > top.c1) {
            top.c = top.c0;
            ++top.r;
        }
        switch (test.box(transformedBox(g->box, m), g->endless)) {
        case Verdict::Skip: continue;
        case Verdict::Stop: return test.stopped;
        case Verdict::Look: break;
        }
        if (test.own(g->drawing.own, m)) return test.stopped;
        push(g->drawing, m, test, true);
    }
    return test.walked;
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
    push(drawing_, identity, test, false);
    return walk(test);
}

bool DrawnShapes::near(double x, double y, double radius) {
    if (!endless_ && (!box_.valid() || planDistance(box_, x, y) > radius)) return false;
    NearTest test{tests_, x, y, radius};
    return ask(test);
}

bool DrawnShapes::inside(double x1, double y1, double x2, double y2) {
    InsideTest test{tests_, {x1, y1, x2, y2}};
    if (!box_.valid() || endless_ || disjoint(box_, test.w)) return false;
    if (held(box_, test.w)) return true;
    return ask(test);
}

bool DrawnShapes::meets(double x1, double y1, double x2, double y2) {
    MeetsTest test{tests_, {x1, y1, x2, y2}};
    if (!endless_ && (!box_.valid() || disjoint(box_, test.w))) return false;
    if (box_.valid() && held(box_, test.w)) return true;
    return ask(test);
}

Slot pick(const Database& db, double x, double y, double radius) {
    const Block* ms = db.block(db.modelSpace());
    if (ms == nullptr) return kNoSlot;
    DrawnShapes shapes(db);
    for (size_t i = ms->entities.size(); i-- > 0;) {
        const Object* o = db.object(ms->entities[i]);
        if (o == nullptr || o->erased || isSubEntity(*o) || !shapes.build(ms->entities, i)) continue;
        if (shapes.near(x, y, radius)) return ms->entities[i];
    }
    return kNoSlot;
}

std::vector<Slot> selectWindow(const Database& db, double x1, double y1, double x2, double y2, bool crossing) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    std::vector<Slot> found;
    const Block* ms = db.block(db.modelSpace());
    if (ms == nullptr) return found;
    DrawnShapes shapes(db);
    for (size_t i = 0; i < ms->entities.size(); ++i) {
        const Object* o = db.object(ms->entities[i]);
        if (o == nullptr || o->erased || isSubEntity(*o) || !shapes.build(ms->entities, i)) continue;
        if (crossing ? shapes.meets(x1, y1, x2, y2) : shapes.inside(x1, y1, x2, y2)) found.push_back(ms->entities[i]);
    }
    return found;
}

} // namespace host::db
