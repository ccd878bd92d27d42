// What entities draw, as runs of points in one frame: polylines, closed
// outlines, filled areas and endless lines, with the box around them; and
// the plan-view tests a pick, window or crossing makes of such runs once a
// matrix has carried them into the world.  Only x and y are compared.
// A piece between two points of a run is straight, or an arc of a side
// table (db/plan_arcs.h) answered as the curve it is: what a run keeps
// never grows with a curve's size or the scale it is seen at.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "db/plan_arcs.h"
#include "db/geometry.h"
#include "db/work_budget.h"

namespace host::db {

enum class RunKind : uint8_t {
    Open,     // a polyline through its points
    Closed,   // and back to its first point
    Area,     // closed and filled: the runs of one area fill together by the even-odd rule
    Ray,      // two points: from the first through the second, on without end
    Endless,  // two points: the line through them, both ways without end
};

// Runs that go back to their first point; runs without end.
inline bool closedKind(RunKind k) { return k == RunKind::Closed || k == RunKind::Area; }
inline bool endlessKind(RunKind k) { return k == RunKind::Ray || k == RunKind::Endless; }

struct ShapeRun {
    uint32_t begin = 0, end = 0;
    RunKind kind = RunKind::Open;
    uint32_t area = 0;  // Area runs with the same number fill together
};

// A spline kept with the run of its chords (drawn within the chord
// tolerance in the run's own frame): a pick, window or crossing asks the
// curve itself, each knot span turned down whole by the box of its control
// points (which holds it) or cut into chords within the tolerance where
// the question is asked, for that question alone.
struct ShapeSpline {
    uint32_t run = 0;
    uint32_t degree = 0;
    std::vector<Point3> control;         // in the run's frame
    std::vector<double> weights, knots;  // no weights: all 1
    Extents box;                         // of its curve, by its extreme points (spline_extremes.h)
};

// Runs of points and the box around what they draw; a ray or endless line
// marks them `endless`, and only a ray's start is in the box.  `arcs` are
// in the order of the points they start at, at most one a point.
struct Shapes {
    std::vector<Point3> points;
    std::vector<ShapeRun> runs;
    std::vector<ShapeArc> arcs;
    std::vector<ShapeSpline> splines;  // in the order of their runs
    Extents box;
    bool endless = false;
    uint32_t areas = 0;
    bool overflowed = false;  // a point was left out: its numbers overflow

    void clear();
    // A new area: the Area runs started after it, up to the next, fill together.
    void newArea() { ++areas; }
    void startRun(RunKind kind);
    // A point of the current run, carried by m; a non-finite one is left out.
    void add(const Matrix& m, const Point3& local);
    // The piece from the current run's last point to the point added next
    // (or, for its last, back to its first) is the arc c + a cos t + b sin t
    // from t0 to t1, carried by m; its ends are the caller's points.  With
    // a factor s0 + s1 (t - t0) other than 1 on a cos t + b sin t, the side
    // of a tapered band (ShapeArc), which spans at most a turn.  An arc
    // that is not finite once carried, or a tapered one of more than a
    // turn, stays a straight piece.
    void curveToNext(const Matrix& m, const Point3& c, const Point3& a, const Point3& b, double t0, double t1,
                     double s0 = 1, double s1 = 0);
    // The same for an arc given whole (its `at` is set here), which may be
    // drawn through those points (ShapeArc::throughEnds).
    void curveToNext(const Matrix& m, ShapeArc local);
    // Every run of `from`, each point carried by m, areas kept apart, for
    // questions in plan (a point or arc is left out only when its x or y
    // overflows); a spline's box is its box carried, which holds it but is
    // no longer bounded by its extreme points.
    void append(const Shapes& from, const Matrix& m);

private:
    // A point of the current run, as it is.
    void keep(const Point3& p);
};

// Past the runs drawn as one with runs[first]: the Area runs that fill
// together with it, or it alone.
size_t runGroupEnd(const Shapes& s, size_t first);

// The first arc that starts at or after point `at` (arcs are in the order
// of their points).
std::vector<ShapeArc>::const_iterator arcFrom(const std::vector<ShapeArc>& arcs, uint32_t at);

// The spline kept with run r, `next` the first not yet passed (splines
// are in the order of their runs).
const ShapeSpline* splineOf(const Shapes& s, std::vector<ShapeSpline>::const_iterator& next, size_t r);

class SpanPieces;

// A window or crossing rectangle, x1 <= x2 and y1 <= y2.

struct PlanWindow {
    double x1, y1, x2, y2;
    bool holds(const Point3& p) const { return p.x >= x1 && p.x <= x2 && p.y >= y1 && p.y <= y2; }
    // The whole box lies in the window; none of it does.
    bool holds(const Extents& box) const { return holds(box.min) && holds(box.max); }
    bool disjoint(const Extents& box) const { return box.max.x < x1 || box.min.x > x2 || box.max.y < y1 || box.min.y > y2; }
};

// Whether the segment from a to b meets the window (in plan).
bool segmentMeetsWindow(const Point3& a, const Point3& b, const PlanWindow& w);

// The tests of runs carried into the world by m; `scratch` keeps its room
// from call to call.  A curve that is no circle is refined piece by piece,
// each a step of `budget`: OutOfWork when it runs out before the answer,
// or when what is left to decide it overflows where m carries it (the
// budget says which).
class RunTests {
public:
    RunTests();
    ~RunTests();
    RunTests(RunTests&&) noexcept;
    RunTests& operator=(RunTests&&) noexcept;
    // Some part drawn within radius of (x, y) in plan (inside an area counts).
    Found near(const Shapes& s, const Matrix& m, double x, double y, double radius, WorkBudget& budget);
    // Every part drawn lies in the window (Yes).
    Found inside(const Shapes& s, const Matrix& m, const PlanWindow& w, WorkBudget& budget);
    // Some part drawn meets the window (Yes).
    Found meets(const Shapes& s, const Matrix& m, const PlanWindow& w, WorkBudget& budget);
    // Distance in plan from (x, y) to the nearest part drawn (0 inside an
    // area), or a little less, never more: a bound for rings (plan_ring.h).
    double distance(const Shapes& s, const Matrix& m, double x, double y);

private:
    // The points and arcs of every run, carried by m (the shapes' own when
    // m is the identity).
    struct Placed {
        const std::vector<Point3>& points;
        const std::vector<ShapeArc>& arcs;
    };
    Placed placed(const Shapes& s, const Matrix& m);
    // Whether every piece of runs [first, next) is finite as placed last.
    bool finiteRuns(const Shapes& s, const Placed& placed, size_t first, size_t next) const;
    // A spline asked where m carries it: its control points there
    // (`control_`, `controlFinite_` when none overflows), the plan box of
    // those of knot span k; the spans whose boxes lie within `reach` of
    // (x, y), nearest first, in `spans_`.
    void carry(const ShapeSpline& s, const Matrix& m);
    Extents spanBox(const ShapeSpline& s, size_t k) const;
    void spansNear(const ShapeSpline& s, double x, double y, double reach);
    double splineDistance(const ShapeSpline& s, const Matrix& m, double x, double y, double cut);
    Found splineNear(const ShapeSpline& s, const Matrix& m, double x, double y, double radius, WorkBudget& budget);
    Found splineMeets(const ShapeSpline& s, const Matrix& m, const PlanWindow& w, WorkBudget& budget);
    Found splineInside(const ShapeSpline& s, const Matrix& m, const PlanWindow& w, WorkBudget& budget);
    std::vector<Point3> scratch_, control_;
    std::unique_ptr<SpanPieces> pieces_;  // spline_spans.h
    std::vector<ShapeArc> scratchArcs_;
    std::vector<std::pair<double, uint32_t>> spans_;
    // As placed last: some point was lost when the runs were drawn (their
    // numbers overflowed); some point or arc overflows where m carries it.
    bool lost_ = false, nonFinite_ = false, controlFinite_ = true;
};

bool isIdentity(const Matrix& m);

} // namespace host::db
