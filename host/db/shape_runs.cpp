#include "db/shape_runs.h"

#include "db/finite_numbers.h"
#include "db/spline_spans.h"
#include "db/plan_distance.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace host::db {

namespace {

constexpr double kNoDistance = 1e300;


// The distance to the line through a and b, from a on (ray) or both ways:
// across it, as a segment's (plan_distance.h), so that a point far from a
// keeps its digits.
double lineDistance(const Point3& a, const Point3& b, bool ray, double x, double y) {
    double dx = b.x - a.x, dy = b.y - a.y, ex = x - a.x, ey = y - a.y;
    // Its direction in its own scale, whose square never overflows.
    double scale = std::max(std::fabs(dx), std::fabs(dy));
    if (!(scale > 0) || !std::isfinite(scale)) return std::hypot(ex, ey);
    dx /= scale;
    dy /= scale;
    if (ray && ex * dx + ey * dy <= 0) return std::hypot(ex, ey);
    return std::fabs(cross(dx, dy, ex, ey)) / std::sqrt(dx * dx + dy * dy);
}

// Liang-Barsky: does the line a + t (b - a), t in [t0, t1], meet the rectangle?
bool lineMeetsBox(const Point3& a, const Point3& b, double t0, double t1, const PlanWindow& w) {
    double dx = b.x - a.x, dy = b.y - a.y;
    double p[4] = {-dx, dx, -dy, dy}, q[4] = {a.x - w.x1, w.x2 - a.x, a.y - w.y1, w.y2 - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        double r = q[i] / p[i];
        if (p[i] < 0) t0 = std::max(t0, r);
        else t1 = std::min(t1, r);
        if (t0 > t1) return false;
    }
    return true;
}


// Calls f(p, q, arc) for each piece a run draws, from point p to point q,
// `arc` the curve between them or nullptr for a straight piece; a run of
// one point is a piece of no length.  An area is closed by a piece back to
// its first point (so that an area of two points cancels itself), a closed
// outline when it has more than two points or an arc back.  Stops at the
// first f that says true.
template <class F>
bool anyPiece(const ShapeRun& run, const std::vector<Point3>& pts, const std::vector<ShapeArc>& arcs, F f) {
    size_t n = run.end - run.begin;
    if (n == 0) return false;
    const Point3* p = pts.data() + run.begin;
    if (n == 1) return f(p[0], p[0], nullptr);
    auto arc = arcFrom(arcs, run.begin);
    auto arcAt = [&](size_t i) -> const ShapeArc* {
        while (arc != arcs.end() && arc->at < run.begin + i) ++arc;
        return arc != arcs.end() && arc->at == run.begin + i ? &*arc : nullptr;
    };
    for (size_t i = 1; i < n; ++i)
        if (f(p[i - 1], p[i], arcAt(i - 1))) return true;
    if (!closedKind(run.kind)) return false;
    const ShapeArc* back = arcAt(n - 1);
    return (n > 2 || back != nullptr || run.kind == RunKind::Area) && f(p[n - 1], p[0], back);
}

// Whether a point's numbers are finite in plan, all a question in plan
// reads of it: a z that overflows where it is placed costs it nothing.
bool finiteInPlan(const Point3& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// Whether a piece's numbers are finite in plan where it is asked: carried
// by a large placement they may overflow, and then it tells nothing.
bool finitePiece(const Point3& a, const Point3& b, const ShapeArc* arc) {
    return finiteInPlan(a) && finiteInPlan(b) && (arc == nullptr || arc->finiteInPlan());
}

double pieceDistance(const Point3& a, const Point3& b, const ShapeArc* arc, double x, double y) {
    return arc ? arcs::distance(*arc, a, x, y) : segmentDistance(a, b, x, y);
}

bool pieceMeets(const Point3& a, const Point3& b, const ShapeArc* arc, const PlanWindow& w) {
    if (w.holds(a) || w.holds(b)) return true;
    return arc ? arcs::meetsEdges(*arc, a, w) : lineMeetsBox(a, b, 0, 1, w);
}

// Whether every point of the arc lies in the window (its ends are the
// run's; `start` the one it starts at).
bool arcWithin(const ShapeArc& arc, const Point3& start, const PlanWindow& w) {
    Extents e;
    e.min = {INFINITY, INFINITY, INFINITY};
    e.max = {-INFINITY, -INFINITY, -INFINITY};
    arcs::addExtremes(arc, start, e);
    return e.max.x <= w.x2 && e.min.x >= w.x1 && e.max.y <= w.y2 && e.min.y >= w.y1;
}

// Whether (x, y) lies inside the area that starts at runs[first]: the
// even-odd rule over all its runs, crossings of a horizontal ray from
// (x, y) to +x.  `next` is set past its last run.
bool insideArea(const Shapes& s, const std::vector<Point3>& pts, const std::vector<ShapeArc>& arcs, size_t first,
                size_t& next, double x, double y) {
    bool odd = false;
    next = runGroupEnd(s, first);
    for (size_t r = first; r < next; ++r) {
        anyPiece(s.runs[r], pts, arcs, [&](const Point3& a, const Point3& b, const ShapeArc* arc) {
            if (arc) {
                if (arcs::crossesOdd(*arc, a, b, x, y)) odd = !odd;
            } else if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) {
                odd = !odd;
            }
            return false;
        });
    }
    return odd;
}


} // namespace

const ShapeSpline* splineOf(const Shapes& s, std::vector<ShapeSpline>::const_iterator& next, size_t r) {
    while (next != s.splines.end() && next->run < r) ++next;
    return next != s.splines.end() && next->run == r ? &*next : nullptr;
}

size_t runGroupEnd(const Shapes& s, size_t first) {
    size_t r = first + 1;
    if (s.runs[first].kind == RunKind::Area)
        while (r < s.runs.size() && s.runs[r].kind == RunKind::Area && s.runs[r].area == s.runs[first].area) ++r;
    return r;
}

std::vector<ShapeArc>::const_iterator arcFrom(const std::vector<ShapeArc>& arcs, uint32_t at) {
    return std::lower_bound(arcs.begin(), arcs.end(), at, [](const ShapeArc& a, uint32_t i) { return a.at < i; });
}

bool segmentMeetsWindow(const Point3& a, const Point3& b, const PlanWindow& w) { return lineMeetsBox(a, b, 0, 1, w); }

bool isIdentity(const Matrix& m) {
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            if (m.m[i][j] != (i == j ? 1.0 : 0.0)) return false;
    return true;
}

void Shapes::clear() {
    points.clear();
    runs.clear();
    arcs.clear();
    splines.clear();
    box = Extents();
    endless = false;
    areas = 0;
    overflowed = false;
}

void Shapes::startRun(RunKind kind) {
    uint32_t at = static_cast<uint32_t>(points.size());
    runs.push_back({at, at, kind, kind == RunKind::Area ? areas : 0});
    if (endlessKind(kind)) endless = true;
}

void Shapes::add(const Matrix& m, const Point3& local) {
    Point3 p = m.apply(local);
    if (!finite(p)) {
        overflowed = true;
        return;
    }
    keep(p);
}

void Shapes::keep(const Point3& p) {
    ShapeRun& run = runs.back();
    // A ray's box is its start; its second point, and an endless line's
    // points, only give the direction.
    bool inBox = run.kind == RunKind::Ray ? run.end == run.begin : run.kind != RunKind::Endless;
    points.push_back(p);
    run.end = static_cast<uint32_t>(points.size());
    if (inBox) box.add(p);
}

void Shapes::curveToNext(const Matrix& m, const Point3& c, const Point3& a, const Point3& b, double t0, double t1,
                         double s0, double s1) {
    curveToNext(m, {0, false, c, a, b, t0, t1, s0, s1});
}

void Shapes::curveToNext(const Matrix& m, ShapeArc local) {
    if (runs.empty() || runs.back().end == runs.back().begin || endlessKind(runs.back().kind)) return;
    uint32_t at = runs.back().end - 1;
    if (!arcs.empty() && arcs.back().at >= at) return;
    if (local.s1 != 0 && !(std::fabs(local.t1 - local.t0) <= 2 * M_PI)) return;
    local.at = at;
    if (local.s1 == 0 && local.s0 != 1) {
        const double s0 = local.s0;
        const Point3 a = local.a, b = local.b;
        // An even factor is the arc of a and b scaled by it, answered as any arc.
        local.a = {s0 * a.x, s0 * a.y, s0 * a.z};
        local.b = {s0 * b.x, s0 * b.y, s0 * b.z};
        local.s0 = 1;
    }
    ShapeArc arc = local.carried(m);
    if (!arc.finite()) {
        overflowed = true;
        return;
    }
    arcs.push_back(arc);
    arcs::addExtremes(arc, points[at], box);
}

void Shapes::append(const Shapes& from, const Matrix& m) {
    uint32_t areaBase = areas, runBase = static_cast<uint32_t>(runs.size());
    for (const ShapeSpline& spline : from.splines) {
        ShapeSpline carried = spline;
        carried.run += runBase;
        for (Point3& p : carried.control) p = m.apply(p);
        // Its box carried still holds it; what is asked of runs carried
        // this way goes by each span's own hull, never by its extremes.
        carried.box = transformedBox(spline.box, m);
        box.add(carried.box);
        splines.push_back(std::move(carried));
    }
    for (const ShapeRun& run : from.runs) {
        startRun(run.kind);
        runs.back().area = run.kind == RunKind::Area ? areaBase + run.area : 0;
        uint32_t begin = runs.back().begin;
        // Asked in plan alone: a point or arc whose z overflows is kept.
        for (uint32_t i = run.begin; i < run.end; ++i) {
            Point3 p = m.apply(from.points[i]);
            if (finiteInPlan(p)) keep(p);
            else overflowed = true;
        }
        // Its arcs where every point was kept (a point that is not finite is left out).
        if (runs.back().end - begin != run.end - run.begin) continue;
        for (auto arc = arcFrom(from.arcs, run.begin); arc != from.arcs.end() && arc->at < run.end; ++arc) {
            ShapeArc carried = arc->carried(m);
            carried.at = begin + (arc->at - run.begin);
            if (!carried.finiteInPlan()) {
                overflowed = true;
                continue;
            }
            arcs.push_back(carried);
            arcs::addExtremes(carried, points[carried.at], box);
        }
    }
    areas += from.areas;
    overflowed = overflowed || from.overflowed;
}

RunTests::Placed RunTests::placed(const Shapes& s, const Matrix& m) {
    lost_ = s.overflowed;
    nonFinite_ = false;
    if (isIdentity(m)) return {s.points, s.arcs};
    // 0 while every plan number carried is finite, NaN once one is not.
    double guard = 0;
    auto check = [&guard](const Point3& p) { guard += (p.x - p.x) + (p.y - p.y); };
    scratch_.resize(s.points.size());
    if (s.splines.empty()) {
        for (size_t i = 0; i < s.points.size(); ++i) {
            scratch_[i] = m.apply(s.points[i]);
            check(scratch_[i]);
        }
    } else {
        for (size_t i = 0; i < s.points.size(); ++i) scratch_[i] = m.apply(s.points[i]);
        // A spline's chords are never asked: its curve is (carry()).
        auto spline = s.splines.begin();
        for (size_t r = 0; r < s.runs.size(); ++r)
            if (splineOf(s, spline, r) == nullptr)
                for (uint32_t i = s.runs[r].begin; i < s.runs[r].end; ++i) check(scratch_[i]);
    }
    scratchArcs_.resize(s.arcs.size());
    for (size_t i = 0; i < s.arcs.size(); ++i) {
        const ShapeArc& arc = scratchArcs_[i] = s.arcs[i].carried(m);
        check(arc.c);
        check(arc.a);
        check(arc.b);
    }
    nonFinite_ = !(guard == 0);
    return {scratch_, scratchArcs_};
}

bool RunTests::finiteRuns(const Shapes& s, const Placed& placed, size_t first, size_t next) const {
    if (!nonFinite_) return true;
    for (size_t r = first; r < next; ++r)
        if (anyPiece(s.runs[r], placed.points, placed.arcs,
                     [](const Point3& a, const Point3& b, const ShapeArc* arc) { return !finitePiece(a, b, arc); }))
            return false;
    return true;
}

void RunTests::carry(const ShapeSpline& s, const Matrix& m) {
    control_.resize(s.control.size());
    controlFinite_ = true;
    for (size_t i = 0; i < s.control.size(); ++i) {
        control_[i] = m.apply(s.control[i]);
        controlFinite_ = controlFinite_ && finiteInPlan(control_[i]);
    }
}

Extents RunTests::spanBox(const ShapeSpline& s, size_t k) const {
    Extents box;
    for (size_t i = k - s.degree; i <= k; ++i) box.add(control_[i]);
    return box;
}

RunTests::RunTests() : pieces_(std::make_unique<SpanPieces>()) {}
RunTests::~RunTests() = default;
RunTests::RunTests(RunTests&&) noexcept = default;
RunTests& RunTests::operator=(RunTests&&) noexcept = default;

void RunTests::spansNear(const ShapeSpline& s, double x, double y, double reach) {
    spans_.clear();
    eachSpan(s, [&](size_t k) {
        // Where some control point overflows, no box turns a span down: its
        // search says what it can.
        double least = controlFinite_ ? planDistance(spanBox(s, k), x, y) : 0;
        if (least <= reach) spans_.emplace_back(least, static_cast<uint32_t>(k));
        return false;
    });
    std::sort(spans_.begin(), spans_.end());
}

double RunTests::splineDistance(const ShapeSpline& s, const Matrix& m, double x, double y, double cut) {
    carry(s, m);
    // Nearest box first; a span whose box lies farther than the least found is done.
    spansNear(s, x, y, cut);
    for (const auto& [least, k] : spans_) {
        if (least >= cut) break;
        pieces_->load(s, control_, k);
        cut = pieces_->distance(x, y, cut);
    }
    return cut;
}

// Each span looked at is a step, and each piece of it halved.
Found RunTests::splineNear(const ShapeSpline& s, const Matrix& m, double x, double y, double radius,
                           WorkBudget& budget) {
    carry(s, m);
    spansNear(s, x, y, radius);
    bool undecided = false;
    for (const auto& [least, k] : spans_) {
        if (!budget.spend(1)) return Found::OutOfWork;
        pieces_->load(s, control_, k);
        switch (pieces_->near(x, y, radius, budget)) {
        case Found::Yes: return Found::Yes;
        case Found::OutOfWork: undecided = true; break;
        case Found::No: break;
        }
    }
    return undecided ? Found::OutOfWork : Found::No;
}

Found RunTests::splineMeets(const ShapeSpline& s, const Matrix& m, const PlanWindow& w, WorkBudget& budget) {
    carry(s, m);
    Found found = Found::No;
    eachSpan(s, [&](size_t k) {
        Extents box = spanBox(s, k);
        if (controlFinite_ && w.disjoint(box)) return false;
        Found span = Found::Yes;
        if (!controlFinite_ || !w.holds(box)) {
            span = Found::OutOfWork;
            if (budget.spend(1)) {
                pieces_->load(s, control_, k);
                span = pieces_->meets(w, budget);
            }
        }
        if (span != Found::No) found = span;
        return span == Found::Yes || budget.out();
    });
    return found;
}

Found RunTests::splineInside(const ShapeSpline& s, const Matrix& m, const PlanWindow& w, WorkBudget& budget) {
    carry(s, m);
    Found found = Found::Yes;
    eachSpan(s, [&](size_t k) {
        Extents box = spanBox(s, k);
        if (controlFinite_ && w.holds(box)) return false;
        Found span = Found::OutOfWork;
        if (budget.spend(1)) {
            pieces_->load(s, control_, k);
            span = pieces_->inside(w, budget);
        }
        if (span != Found::Yes) found = span;
        return span == Found::No || budget.out();
    });
    return found;
}

// A piece, an area or a line whose numbers overflow where it is asked
// tells nothing: unless another part decides, the answer is left
// undecided (Overflow), and so it is when some point was lost as the runs
// were drawn.
Found RunTests::near(const Shapes& s, const Matrix& m, double x, double y, double radius, WorkBudget& budget) {
    Placed placedRuns = placed(s, m);
    const std::vector<Point3>& pts = placedRuns.points;
    const std::vector<ShapeArc>& arcs = placedRuns.arcs;
    bool undecided = false;
    auto note = [&](Found f) {
        if (f == Found::OutOfWork) undecided = true;
        return f == Found::Yes;
    };
    auto overflow = [&] { return note(budget.undecided(Doubt::Overflow)); };
    auto within = [&](const Point3& a, const Point3& b, const ShapeArc* arc) {
        if (nonFinite_ && !finitePiece(a, b, arc)) {
            // Its ends that are finite are still points of it.
            for (const Point3& end : {a, b})
                if (finiteInPlan(end) && std::hypot(end.x - x, end.y - y) <= radius) return true;
            return overflow();
        }
        return arc ? note(arcs::near(*arc, a, b, x, y, radius, budget)) : segmentDistance(a, b, x, y) <= radius;
    };
    auto spline = s.splines.begin();
    for (size_t r = 0; r < s.runs.size();) {
        const ShapeRun& run = s.runs[r];
        if (const ShapeSpline* curve = splineOf(s, spline, r)) {
            if (note(splineNear(*curve, m, x, y, radius, budget))) return Found::Yes;
            ++r;
            continue;
        }
        if (run.kind == RunKind::Area) {
            size_t next = runGroupEnd(s, r);
            if (!finiteRuns(s, placedRuns, r, next)) overflow();
            else if (insideArea(s, pts, arcs, r, next, x, y)) return Found::Yes;
            for (size_t k = r; k < next; ++k)
                if (anyPiece(s.runs[k], pts, arcs, within)) return Found::Yes;
            r = next;
            continue;
        }
        ++r;
        if (run.end == run.begin) continue;
        if (endlessKind(run.kind)) {
            if (run.end - run.begin < 2) continue;
            const Point3 &a = pts[run.begin], &b = pts[run.begin + 1];
            if (nonFinite_ && !finitePiece(a, b, nullptr)) overflow();
            else if (lineDistance(a, b, run.kind == RunKind::Ray, x, y) <= radius) return Found::Yes;
            continue;
        }
        if (anyPiece(run, pts, arcs, within)) return Found::Yes;
    }
    if (lost_) overflow();
    return undecided ? Found::OutOfWork : Found::No;
}

double RunTests::distance(const Shapes& s, const Matrix& m, double x, double y) {
    Placed placedRuns = placed(s, m);
    const std::vector<Point3>& pts = placedRuns.points;
    const std::vector<ShapeArc>& arcs = placedRuns.arcs;
    double best = kNoDistance;
    auto nearest = [&](const Point3& a, const Point3& b, const ShapeArc* arc) {
        best = std::min(best, pieceDistance(a, b, arc, x, y));
        return false;
    };
    auto spline = s.splines.begin();
    for (size_t r = 0; r < s.runs.size();) {
        const ShapeRun& run = s.runs[r];
        if (const ShapeSpline* curve = splineOf(s, spline, r)) {
            best = splineDistance(*curve, m, x, y, best);
            ++r;
            continue;
        }
        if (run.kind == RunKind::Area) {
            size_t next;
            if (insideArea(s, pts, arcs, r, next, x, y)) return 0;
            for (size_t k = r; k < next; ++k) anyPiece(s.runs[k], pts, arcs, nearest);
            r = next;
            continue;
        }
        ++r;
        if (run.end == run.begin) continue;
        if (endlessKind(run.kind)) {
            if (run.end - run.begin >= 2)
                best = std::min(best, lineDistance(pts[run.begin], pts[run.begin + 1], run.kind == RunKind::Ray, x, y));
            continue;
        }
        anyPiece(run, pts, arcs, nearest);
    }
    return best;
}

Found RunTests::inside(const Shapes& s, const Matrix& m, const PlanWindow& w, WorkBudget& budget) {
    if (s.endless || s.runs.empty()) return Found::No;
    Placed placedRuns = placed(s, m);
    bool undecided = false, overflow = lost_;
    auto spline = s.splines.begin();
    for (size_t r = 0; r < s.runs.size(); ++r) {
        if (const ShapeSpline* curve = splineOf(s, spline, r)) {
            Found f = splineInside(*curve, m, w, budget);
            if (f == Found::No) return Found::No;
            undecided = undecided || f == Found::OutOfWork;
            continue;
        }
        for (uint32_t i = s.runs[r].begin; i < s.runs[r].end; ++i) {
            const Point3& p = placedRuns.points[i];
            if (nonFinite_ && !finiteInPlan(p)) overflow = true;
            else if (!w.holds(p)) return Found::No;
        }
    }
    for (const ShapeArc& arc : placedRuns.arcs) {
        if (nonFinite_ && !arc.finiteInPlan()) overflow = true;
        else if (!arcWithin(arc, placedRuns.points[arc.at], w)) return Found::No;
    }
    if (overflow) return budget.undecided(Doubt::Overflow);
    return undecided ? Found::OutOfWork : Found::Yes;
}

Found RunTests::meets(const Shapes& s, const Matrix& m, const PlanWindow& w, WorkBudget& budget) {
    Placed placedRuns = placed(s, m);
    const std::vector<Point3>& pts = placedRuns.points;
    const std::vector<ShapeArc>& arcs = placedRuns.arcs;
    bool undecided = false;
    auto overflow = [&] {
        budget.undecided(Doubt::Overflow);
        undecided = true;
        return false;
    };
    auto meetsPiece = [&](const Point3& a, const Point3& b, const ShapeArc* arc) {
        if (nonFinite_ && !finitePiece(a, b, arc)) return w.holds(a) || w.holds(b) || overflow();
        return pieceMeets(a, b, arc, w);
    };
    auto spline = s.splines.begin();
    for (size_t r = 0; r < s.runs.size();) {
        const ShapeRun& run = s.runs[r];
        if (const ShapeSpline* curve = splineOf(s, spline, r)) {
            Found f = splineMeets(*curve, m, w, budget);
            if (f == Found::Yes) return Found::Yes;
            undecided = undecided || f == Found::OutOfWork;
            ++r;
            continue;
        }
        if (run.kind == RunKind::Area) {
            size_t next = runGroupEnd(s, r);
            // The window inside an area.
            if (!finiteRuns(s, placedRuns, r, next)) overflow();
            else if (insideArea(s, pts, arcs, r, next, w.x1, w.y1)) return Found::Yes;
            for (size_t k = r; k < next; ++k)
                if (anyPiece(s.runs[k], pts, arcs, meetsPiece)) return Found::Yes;
            r = next;
            continue;
        }
        ++r;
        if (run.end == run.begin) continue;
        if (endlessKind(run.kind)) {
            if (run.end - run.begin < 2) continue;
            const Point3 &a = pts[run.begin], &b = pts[run.begin + 1];
            double from = run.kind == RunKind::Ray ? 0 : -std::numeric_limits<double>::infinity();
            if (nonFinite_ && !finitePiece(a, b, nullptr)) overflow();
            else if (lineMeetsBox(a, b, from, std::numeric_limits<double>::infinity(), w)) return Found::Yes;
            continue;
        }
        if (anyPiece(run, pts, arcs, meetsPiece)) return Found::Yes;
    }
    if (lost_) overflow();
    return undecided ? Found::OutOfWork : Found::No;
}

} // namespace host::db
