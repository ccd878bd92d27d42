// A curve of a run answered as the curve it is: an elliptical arc
// c + a cos t + b sin t, or a side of a tapered band beside one,
// c + s(t) (a cos t + b sin t) with s linear in t, which any affine matrix
// carries exactly (c, a and b carried, t and s kept), so that a circle of
// radius 1e12, or a band placed 2^20 times larger, costs what one of
// radius 1 does.  Each question is answered from the arc's numbers: its
// extreme points (the box), its distance to a point (refined only near the
// point), where it meets a window's edges and where a line crosses it
// (the even-odd rule of areas, also along a line of an array's copies).  Internal to the database
// library.
#pragma once

#include <utility>
#include <vector>

#include "db/curve_search.h"
#include "db/geometry.h"
#include "db/work_budget.h"

namespace host::db {

struct PlanWindow;

// How far a chord may stray from the curve it stands for, where chords are
// drawn (splines): well within the least pick box (1 unit).
constexpr double kChordTolerance = 0.05;

// The piece of a run from its point `at` to the next (for the last point
// of a closed run, back to the first): the arc for t from t0 to t1, either
// way round.  Tapered (a side of a band whose width runs along the arc),
// each point is moved along its radius by the factor s(t) = s0 + s1 (t -
// t0), which may pass 0 (an inner side past the centre); such an arc spans
// at most a turn.  s0 = 1, s1 = 0: the arc itself.
struct ShapeArc {
    uint32_t at = 0;
    // Drawn through its run's own points (a bulge's vertices, the corners
    // of its band) with its centre worked out from them: where that centre
    // lies so far off that it carries more rounding than those points, they
    // decide (arcs::fromEnds).
    bool throughEnds = false;
    Point3 c, a, b;
    double t0 = 0, t1 = 0;
    double s0 = 1, s1 = 0;

    bool tapered() const { return s1 != 0 || s0 != 1; }
    double factor(double t) const { return s0 + s1 * (t - t0); }
    Point3 point(double t) const;
    // The same arc carried by m.
    ShapeArc carried(const Matrix& m) const;
    bool finite() const;
    // Finite in plan, all a question in plan reads of it.
    bool finiteInPlan() const;
};

// An arc that is no circle in plan, for a curve search (curve_search.h):
// sub-arcs of at most a quarter turn, within which every point lies over
// the chord and strays from it by at most its sagitta at the arc's
// greatest stretch.  The parameters of its pieces are kept in `room`, a
// piece's room taken again once it is released.
class ArcPieces final : public CurveKind {
public:
    struct Room {
        CurveSearch search;
        std::vector<std::pair<double, double>> ranges;
        std::vector<uint32_t> free;
    };
    // fromStart: its points worked out from `start`, the run's point where
    // it starts (arcs::pointFrom), else about its centre.
    ArcPieces(const ShapeArc& arc, const Point3& start, bool fromStart, Room& room);
    bool halve(const CurvePiece& piece, CurvePiece& first, CurvePiece& second) override;
    void release(const CurvePiece& piece) override { room_.free.push_back(piece.id); }
    const CurvePiece* pieces() const { return first_; }
    size_t count() const { return n_; }
    // The arc's size in plan, for the search's tolerance: its greatest
    // stretch (for a tapered one, times its largest factor).
    double size() const { return size_; }
    CurveSearch& search() { return room_.search; }

private:
    CurvePiece make(double u, double v, const Point3& p, const Point3& q, uint32_t id);
    uint32_t newId();
    Point3 at(double t) const;
    const ShapeArc& arc_;
    const Point3 start_;
    const bool fromEnds_;
    double reach_, size_;
    Room& room_;
    CurvePiece first_[4];
    size_t n_ = 0;
};

namespace arcs {

// `start` below is always the run's own point where the arc starts (at
// t0, the point `at`), `from` and `to` its two ends.

// Whether the arc is answered from its start rather than its centre: drawn
// through its ends, and its centre's rounding (from the ulps of its
// coordinates and radius) larger than that of its start and length.  Then
// a point of it is its start plus a difference that cancels nothing
// (pointFrom), and a question its centre's numbers leave in doubt is
// answered from those.
bool fromEnds(const ShapeArc& arc, const Point3& start);
Point3 pointFrom(const ShapeArc& arc, const Point3& start, double t);
// Of a number worked out about the centre and the same worked out from
// the start, the centre's where they agree within the latter's rounding.
double agreed(double centred, double fromStart);

// The extreme points of the arc in x, y and z that lie on it, added to the
// box (its ends are the run's own points).
void addExtremes(const ShapeArc& arc, const Point3& start, Extents& box);
// Whether some point of the arc from `from` to `to` (its ends, the run's
// own points) lies within radius of (x, y) in plan, each sub-arc halved a
// step of `budget`; OutOfWork when it runs out.
Found near(const ShapeArc& arc, const Point3& from, const Point3& to, double x, double y, double radius,
           WorkBudget& budget);
// Bounds for rings (plan_ring.h): the distance in plan from (x, y) to the
// arc, or a little less; the farthest it lies, or a little more.
double distance(const ShapeArc& arc, const Point3& start, double x, double y);
double farthest(const ShapeArc& arc, const Point3& start, double x, double y);
// Whether the arc crosses or touches an edge of the window (its ends are
// tested by the caller).
bool meetsEdges(const ShapeArc& arc, const Point3& start, const PlanWindow& w);
// Whether the arc, from `from` (its start) to `to` (its end, both the run's
// own points), crosses the horizontal ray from (x, y) to +x an odd number
// of times, by the rule a straight piece keeps: an end counts as above
// the line when its y is greater.
bool crossesOdd(const ShapeArc& arc, const Point3& from, const Point3& to, double x, double y);
// Where the arc, from `from` to `to`, crosses the line through o along d
// (in plan), by the same rule (an end counts on the left of the line when
// cross(d, end - o) > 0): each crossing p as dot(p - o, d), at most four.
int lineCrossings(const ShapeArc& arc, const Point3& from, const Point3& to, const Point3& o, const Point3& d,
                  double along[4]);
// Whether the arc is a circle in plan, and its radius there (a tapered
// one never is).
bool circleInPlan(const ShapeArc& arc, double& radius);
// What an answer worked out about the arc's centre may be off by.
double centreRounding(const ShapeArc& arc);

} // namespace arcs

} // namespace host::db
