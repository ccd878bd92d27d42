#include "db/array_reach.h"

#include <algorithm>
#include <cmath>

#include "db/curve_search.h"
#include "db/finite_numbers.h"
#include "db/offset_regions.h"
#include "db/plan_distance.h"

namespace host::db {

namespace {

using namespace offsets;

Found asFound(bool yes) { return yes ? Found::Yes : Found::No; }
Found asFound(Found f) { return f; }

// No is no answer where some of the runs overflowed as they were placed
// (and were left out).
Found unlessOverflowed(const Shapes& placed, Found f, WorkBudget& budget) {
    return f == Found::No && placed.overflowed ? budget.undecided(Doubt::Overflow) : f;
}

// Calls line(o, d, from, to) for the lines of the array along its shorter
// side that may meet a region whose outline's hull is given: the copies of
// the line are o + t d for t in [from, to].  Stops at a line that answers
// Yes (or true); a line left undecided leaves the answer so, unless a
// later one finds it.
template <class Line>
Found eachLine(const V* outline, int n, const CopyLattice& lattice, WorkBudget& budget, Line line) {
    CopyLattice l = lattice.planCopies();
    double xs[8], ys[8];
    for (int i = 0; i < n; ++i) xs[i] = outline[i].x, ys[i] = outline[i].y;
    if (!l.narrowTo(xs, ys, n)) return Found::No;
    V column{l.column.x, l.column.y}, row{l.row.x, l.row.y};
    int c0 = l.c0, c1 = l.c1, r0 = l.r0, r1 = l.r1;
    bool byColumn = static_cast<long>(c1) - c0 <= static_cast<long>(r1) - r0;
    int first = byColumn ? c0 : r0, last = byColumn ? c1 : r1;
    bool undecided = false;
    for (int k = first; k <= last; ++k) {
        if (!budget.spend(1)) return Found::OutOfWork;
        V o = k * (byColumn ? column : row), d = byColumn ? row : column;
        int from = byColumn ? r0 : c0, to = byColumn ? r1 : c1;
        Found f = asFound(line(o, d, from, to));
        if (f == Found::Yes) return f;
        if (budget.out()) return Found::OutOfWork;
        undecided = undecided || f == Found::OutOfWork;
    }
    return undecided ? Found::OutOfWork : Found::No;
}

template <class Region>
Found anyOffsetIn(const Region& region, const CopyLattice& l, WorkBudget& budget) {
    V outline[8];
    int n = region.outline(outline);
    return eachLine(outline, n, l, budget, [&](V o, V d, int from, int to) {
        double lo, hi;
        return region.cut(o, d, lo, hi) && integersIn(lo, hi, from, to);
    });
}


Found segmentMeets(V a, V b, const PlanWindow& w, const CopyLattice& l, WorkBudget& budget) {
    return anyOffsetIn(Swept(a, b, w), l, budget);
}

Found segmentNear(V a, V b, V target, double radius, const CopyLattice& l, WorkBudget& budget) {
    return anyOffsetIn(Capsule{target - a, target - b, radius}, l, budget);
}

// One line of an array's copies: the offsets o + s d for s in [from, to].
struct CopyLine {
    V o, d;
    int from, to;
    V at(int s) const { return o + static_cast<double>(s) * d; }
};

// Whether the copy of the arc at offset `off` comes within radius of the
// target, or meets the window (`start` and `end` its ends): the arc's own
// answer, as one copy placed alone gets it.
Found copyNear(const ShapeArc& arc, const Point3& start, const Point3& end, V off, V target, double radius,
               WorkBudget& budget) {
    return arcs::near(arc, start, end, target.x - off.x, target.y - off.y, radius, budget);
}
Found copyMeets(const ShapeArc& arc, const Point3& start, const Point3& end, V off, const PlanWindow& w) {
    const PlanWindow moved{w.x1 - off.x, w.y1 - off.y, w.x2 - off.x, w.y2 - off.y};
    return moved.holds(start) || moved.holds(end) || arcs::meetsEdges(arc, start, moved) ? Found::Yes : Found::No;
}

// Each copy s of the line in [lo, hi] tested by exact(s), a step each.
template <class Exact>
Found testCopies(double lo, double hi, const CopyLine& line, WorkBudget& budget, Exact exact) {
    int from = line.from, to = line.to;
    if (!integersIn(lo, hi, from, to)) return Found::No;
    for (long s = from; s <= to; ++s) {
        if (!budget.spend(1)) return Found::OutOfWork;
        if (Found f = exact(static_cast<int>(s)); f != Found::No) return f;
    }
    return Found::No;
}

// Whether some integer of the line lies in one of n intervals.
bool anyCopyIn(const double* lo, const double* hi, int n, const CopyLine& line) {
    for (int i = 0; i < n; ++i) {
        int from = line.from, to = line.to;
        if (integersIn(lo[i], hi[i], from, to)) return true;
    }
    return false;
}


// The s for which the direction p - s d from the centre of the arc (a
// circle of radius R in plan) lies within its angles: the two half-planes
// its end directions bound, together for at most half a turn, either for
// more.
int sectorCut(const ShapeArc& arc, double R, V p, V d, double lo[2], double hi[2]) {
    double t0 = std::min(arc.t0, arc.t1), t1 = std::max(arc.t0, arc.t1);
    lo[0] = -INFINITY;
    hi[0] = INFINITY;
    if (!(t1 - t0 < 2 * M_PI)) return 1;
    V a = (1 / R) * V{arc.a.x, arc.a.y}, b = (1 / R) * V{arc.b.x, arc.b.y};
    // Beyond the start going forward, short of the end.
    V past = std::cos(t0) * b - std::sin(t0) * a, before = std::sin(t1) * a - std::cos(t1) * b;
    auto half = [&](V n, double& from, double& to) { return narrow(dot(p, n), -dot(d, n), 0, INFINITY, from, to); };
    if (t1 - t0 <= M_PI) return half(past, lo[0], hi[0]) && half(before, lo[0], hi[0]) ? 1 : 0;
    lo[1] = -INFINITY;
    hi[1] = INFINITY;
    int n = 0;
    if (half(past, lo[n], hi[n])) ++n;
    if (half(before, lo[n], hi[n])) ++n;
    return n;
}

// The s of the line whose copy of the arc, a circle of radius R in plan
// from `start` to `end`, comes within `radius` of the target: its ring
// within its angles, and the discs round its ends.  Exact but for rounding;
// an arc answered from its ends widened by its centre's (each copy found
// is asked exactly).
int circleCut(const ShapeArc& arc, double R, const Point3& start, const Point3& end, const CopyLine& line, V target,
              double radius, double lo[6], double hi[6]) {
    if (arcs::fromEnds(arc, start)) radius += arcs::centreRounding(arc);
    V p = target - line.o - V{arc.c.x, arc.c.y};
    double ringLo[2], ringHi[2], sectorLo[2], sectorHi[2];
    int rings = ringCut(p, line.d, R - radius, R + radius, ringLo, ringHi);
    int sectors = sectorCut(arc, R, p, line.d, sectorLo, sectorHi);
    int n = 0;
    for (int i = 0; i < rings; ++i)
        for (int j = 0; j < sectors; ++j) {
            lo[n] = std::max(ringLo[i], sectorLo[j]);
            hi[n] = std::min(ringHi[i], sectorHi[j]);
            if (lo[n] <= hi[n]) ++n;
        }
    for (const Point3& e : {start, end}) {
        V disc = target - V{e.x, e.y};
        if (Capsule{disc, disc, radius}.cut(line.o, line.d, lo[n], hi[n])) ++n;
    }
    return n;
}

// Pieces are halved no further once they stray from their chords by no
// more than the curve's least stray (curve_search.h's tolerance): the
// copies they may reach are tested one by one.  Halving stops long before
// kMostWaiting pieces wait.
constexpr int kMostWaiting = 160;

// The least stray worth halving for, for a curve of the given size;
// infinite when the size is not finite.
double leastStray(double size) { return std::max(kCurveAbsoluteTolerance, kCurveRelativeTolerance * size); }

// The copies of one line that some part of a curve reaches, by branch and
// bound over its pieces (depth first, so that its room stays that of the
// pieces waiting).  region(piece, grow, lo, hi) cuts the line where the
// piece's chord, grown by `grow` (shrunk where it is negative), reaches
// the question: grown by the piece's stray it holds every copy the piece
// reaches, so a piece whose cut holds no copy is dropped; shrunk by it,
// only copies it reaches, one tested at once.  Every piece looked at and
// every copy tested is a step.
template <class Region, class Exact>
Found piecesReach(CurveKind& kind, const CurvePiece* first, size_t n, double least, const CopyLine& line,
                  WorkBudget& budget, Region region, Exact exact) {
    // A curve too large for its stray to be told: every copy of the line tested.
    if (!std::isfinite(least)) return testCopies(line.from, line.to, line, budget, exact);
    CurvePiece waiting[kMostWaiting];
    int top = 0;
    for (size_t i = n; i-- > 0;) waiting[top++] = first[i];
    while (top > 0) {
        if (!budget.spend(1)) return Found::OutOfWork;
        const CurvePiece piece = waiting[--top];
        double lo, hi;
        int from = line.from, to = line.to;
        if (!region(piece, piece.stray, lo, hi) || !integersIn(lo, hi, from, to)) {
            kind.release(piece);
            continue;
        }
        CurvePiece a, b;
        if (piece.stray <= least || top + 2 > kMostWaiting || !kind.halve(piece, a, b)) {
            kind.release(piece);
            if (Found f = testCopies(lo, hi, line, budget, exact); f != Found::No) return f;
            continue;
        }
        double inLo, inHi;
        from = line.from, to = line.to;
        if (region(piece, -piece.stray, inLo, inHi) && integersIn(inLo, inHi, from, to)) {
            if (!budget.spend(1)) return Found::OutOfWork;
            if (Found f = exact(from + (to - from) / 2); f != Found::No) return f;
        }
        waiting[top++] = b;
        waiting[top++] = a;
    }
    return Found::No;
}

// The line cut where a piece's chord, grown by `grow`, comes within
// radius of the target; or meets the window.
bool pieceNearCut(const CurvePiece& piece, double grow, V target, double radius, const CopyLine& line, double& lo,
                  double& hi) {
    double r = radius + grow;
    const Capsule capsule{target - V{piece.x0, piece.y0}, target - V{piece.x1, piece.y1}, r};
    return r >= 0 && capsule.cut(line.o, line.d, lo, hi);
}
bool pieceMeetsCut(const CurvePiece& piece, double grow, const PlanWindow& w, const CopyLine& line, double& lo,
                   double& hi) {
    const PlanWindow grown{w.x1 - grow, w.y1 - grow, w.x2 + grow, w.y2 + grow};
    return grown.x1 <= grown.x2 && grown.y1 <= grown.y2 &&
           Swept({piece.x0, piece.y0}, {piece.x1, piece.y1}, grown).cut(line.o, line.d, lo, hi);
}

// Some copy of the line of the arc (from `start` to `end`) within radius
// of the target: a circle in plan by its ring, any other arc by its
// sub-arcs.
Found arcNearOnLine(const ShapeArc& arc, const Point3& start, const Point3& end, const CopyLine& line, V target,
                    double radius, ArcPieces::Room& room, WorkBudget& budget) {
    auto exact = [&](int s) { return copyNear(arc, start, end, line.at(s), target, radius, budget); };
    if (dot(line.d, line.d) == 0) return testCopies(line.from, line.from, line, budget, exact);
    double R;
    if (arcs::circleInPlan(arc, R)) {
        double lo[6], hi[6];
        int n = circleCut(arc, R, start, end, line, target, radius, lo, hi);
        for (int i = 0; i < n; ++i)
            if (Found f = testCopies(lo[i], hi[i], line, budget, exact); f != Found::No) return f;
        return Found::No;
    }
    ArcPieces pieces(arc, start, arcs::fromEnds(arc, start), room);
    return piecesReach(pieces, pieces.pieces(), pieces.count(), leastStray(pieces.size()), line, budget,
                       [&](const CurvePiece& piece, double grow, double& lo, double& hi) {
                           return pieceNearCut(piece, grow, target, radius, line, lo, hi);
                       },
                       exact);
}

// Some copy of the line of the arc meeting the window.  A circle in plan
// is first asked for copies within reach of the circle round the window:
// a line with none is done at once.
Found arcMeetsOnLine(const ShapeArc& arc, const Point3& start, const Point3& end, const CopyLine& line,
                     const PlanWindow& w, ArcPieces::Room& room, WorkBudget& budget) {
    auto exact = [&](int s) { return copyMeets(arc, start, end, line.at(s), w); };
    if (dot(line.d, line.d) == 0) return testCopies(line.from, line.from, line, budget, exact);
    double R;
    if (arcs::circleInPlan(arc, R)) {
        double lo[6], hi[6];
        V centre{(w.x1 + w.x2) / 2, (w.y1 + w.y2) / 2};
        int n = circleCut(arc, R, start, end, line, centre, std::hypot(w.x2 - w.x1, w.y2 - w.y1) / 2, lo, hi);
        if (!anyCopyIn(lo, hi, n, line)) return Found::No;
    }
    ArcPieces pieces(arc, start, arcs::fromEnds(arc, start), room);
    return piecesReach(pieces, pieces.pieces(), pieces.count(), leastStray(pieces.size()), line, budget,
                       [&](const CurvePiece& piece, double grow, double& lo, double& hi) {
                           return pieceMeetsCut(piece, grow, w, line, lo, hi);
                       },
                       exact);
}

// The box of the arc from `start` to `end`.
Extents arcBox(const ShapeArc& arc, const Point3& start, const Point3& end) {
    Extents box;
    box.add(start);
    box.add(end);
    arcs::addExtremes(arc, start, box);
    return box;
}

// The offsets that bring a box within radius of the target, or onto the
// window: the corners of their rectangle.
void nearOutline(const Extents& box, V target, double radius, V outline[4]) {
    for (int corner = 0; corner < 4; ++corner)
        outline[corner] = target - V{corner & 1 ? box.max.x + radius : box.min.x - radius,
                                     corner & 2 ? box.max.y + radius : box.min.y - radius};
}
void meetsOutline(const Extents& box, const PlanWindow& w, V outline[4]) {
    for (int corner = 0; corner < 4; ++corner)
        outline[corner] = {corner & 1 ? w.x2 - box.min.x : w.x1 - box.max.x,
                           corner & 2 ? w.y2 - box.min.y : w.y1 - box.max.y};
}

// Some copy of the arc within radius of the target: the lines of copies
// whose offsets bring its box within reach, each cut as above.
Found arcNear(const ShapeArc& arc, const Point3& start, const Point3& end, V target, double radius,
              const CopyLattice& l, ArcPieces::Room& room, WorkBudget& budget) {
    V outline[4];
    nearOutline(arcBox(arc, start, end), target, radius, outline);
    return eachLine(outline, 4, l, budget, [&](V o, V d, int from, int to) {
        return arcNearOnLine(arc, start, end, CopyLine{o, d, from, to}, target, radius, room, budget);
    });
}

Found arcMeets(const ShapeArc& arc, const Point3& start, const Point3& end, const PlanWindow& w, const CopyLattice& l,
               ArcPieces::Room& room, WorkBudget& budget) {
    V outline[4];
    meetsOutline(arcBox(arc, start, end), w, outline);
    return eachLine(outline, 4, l, budget, [&](V o, V d, int from, int to) {
        return arcMeetsOnLine(arc, start, end, CopyLine{o, d, from, to}, w, room, budget);
    });
}

// Calls f(hull, least) for each span of some length of the spline, loaded
// in both `span` (for the pieces of a line) and `copy` (for a copy's own
// search), `hull` the box of its Bezier points, which holds it, and
// `least` the stray its pieces are halved down to.  A span is a step.
// Stops at Yes or when the work is out.
template <class F>
Found eachSplineSpan(const ShapeSpline& s, SpanPieces& span, SpanPieces& copy, WorkBudget& budget, F f) {
    Found found = Found::No;
    eachSpan(s, [&](size_t k) {
        if (!budget.spend(1)) {
            found = Found::OutOfWork;
            return true;
        }
        span.load(s, s.control, k);
        copy.load(s, s.control, k);
        const Extents hull = span.hull();
        // A span whose numbers overflow where it is placed tells nothing.
        Found answer = finiteBox(hull)
                           ? f(hull, leastStray(std::hypot(hull.max.x - hull.min.x, hull.max.y - hull.min.y)))
                           : budget.undecided(Doubt::Overflow);
        if (answer != Found::No) found = answer;
        return answer == Found::Yes || budget.out();
    });
    return found;
}

// Some copy of the spline within radius of the target, span by span: the
// lines of copies whose offsets bring the span's hull within reach, each
// cut by branch and bound over the span's pieces; a copy in doubt is asked
// the span's own search, as one copy placed alone is asked.
Found splineNear(const ShapeSpline& s, V target, double radius, const CopyLattice& l, SpanPieces& span,
                 SpanPieces& copy, WorkBudget& budget) {
    return eachSplineSpan(s, span, copy, budget, [&](const Extents& hull, double least) {
        V outline[4];
        nearOutline(hull, target, radius, outline);
        return eachLine(outline, 4, l, budget, [&](V o, V d, int from, int to) {
            const CopyLine line{o, d, from, to};
            auto exact = [&](int k) {
                V off = line.at(k);
                return copy.near(target.x - off.x, target.y - off.y, radius, budget);
            };
            if (dot(d, d) == 0) return testCopies(from, from, line, budget, exact);
            const CurvePiece whole = span.whole();
            return piecesReach(span, &whole, 1, least, line, budget,
                               [&](const CurvePiece& piece, double grow, double& lo, double& hi) {
                                   return pieceNearCut(piece, grow, target, radius, line, lo, hi);
                               },
                               exact);
        });
    });
}

Found splineMeets(const ShapeSpline& s, const PlanWindow& w, const CopyLattice& l, SpanPieces& span,
                  SpanPieces& copy, WorkBudget& budget) {
    return eachSplineSpan(s, span, copy, budget, [&](const Extents& hull, double least) {
        V outline[4];
        meetsOutline(hull, w, outline);
        return eachLine(outline, 4, l, budget, [&](V o, V d, int from, int to) {
            const CopyLine line{o, d, from, to};
            auto exact = [&](int k) {
                V off = line.at(k);
                return copy.meets(PlanWindow{w.x1 - off.x, w.y1 - off.y, w.x2 - off.x, w.y2 - off.y}, budget);
            };
            if (dot(d, d) == 0) return testCopies(from, from, line, budget, exact);
            const CurvePiece whole = span.whole();
            return piecesReach(span, &whole, 1, least, line, budget,
                               [&](const CurvePiece& piece, double grow, double& lo, double& hi) {
                                   return pieceMeetsCut(piece, grow, w, line, lo, hi);
                               },
                               exact);
        });
    });
}

// Every spline of the runs asked by f(spline); stops at Yes or when the
// work is out.
template <class F>
Found eachSpline(const Shapes& s, WorkBudget& budget, F f) {
    bool undecided = false;
    for (const ShapeSpline& spline : s.splines) {
        Found found = f(spline);
        if (found == Found::Yes || budget.out()) return found;
        undecided = undecided || found == Found::OutOfWork;
    }
    return undecided ? Found::OutOfWork : Found::No;
}

// The farthest any copy lies from the first.
double reach(const CopyLattice& l) {
    double most = 0;
    for (int c : {l.c0, l.c1})
        for (int r : {l.r0, l.r1}) most = std::max(most, std::hypot(c * l.column.x + r * l.row.x, c * l.column.y + r * l.row.y));
    return most;
}

// Calls f(a, b, arc) for each piece the runs draw, from a to b, `arc` the
// curve between them or nullptr for a segment; a ray or endless line as a
// segment long enough to pass every copy near `target` (within `size` of
// it); a run of one point as a segment of no length.  The chords of a kept
// spline are left out: the curve is asked.  Stops at Yes or OutOfWork.
template <class F>
Found eachSegment(const Shapes& s, const std::vector<Point3>& pts, const CopyLattice& l, V target, double size, F f) {
    const double far = reach(l) + size;
    auto spline = s.splines.begin();
    for (size_t r = 0; r < s.runs.size(); ++r) {
        const ShapeRun& run = s.runs[r];
        size_t n = run.end - run.begin;
        if (n == 0 || splineOf(s, spline, r) != nullptr) continue;
        const Point3* p = pts.data() + run.begin;
        Found found = Found::No;
        if (endlessKind(run.kind) && n >= 2) {
            V a{p[0].x, p[0].y}, d{p[1].x - p[0].x, p[1].y - p[0].y};
            double length = std::hypot(d.x, d.y);
            if (length > 0) {
                double along = far + std::hypot(target.x - a.x, target.y - a.y) + 1;
                V step = (along / length) * d;
                found = f(run.kind == RunKind::Ray ? a : a - step, a + step, nullptr);
            } else {
                found = f(a, a, nullptr);
            }
        } else if (n == 1) {
            found = f(V{p[0].x, p[0].y}, V{p[0].x, p[0].y}, nullptr);
        } else {
            auto arc = arcFrom(s.arcs, run.begin);
            auto arcAt = [&](size_t i) -> const ShapeArc* {
                while (arc != s.arcs.end() && arc->at < run.begin + i) ++arc;
                return arc != s.arcs.end() && arc->at == run.begin + i ? &*arc : nullptr;
            };
            for (size_t i = 1; i < n && found == Found::No; ++i)
                found = f(V{p[i - 1].x, p[i - 1].y}, V{p[i].x, p[i].y}, arcAt(i - 1));
            const ShapeArc* back = found == Found::No && closedKind(run.kind) ? arcAt(n - 1) : nullptr;
            if (found == Found::No && closedKind(run.kind) && (n > 2 || back != nullptr))
                found = f(V{p[n - 1].x, p[n - 1].y}, V{p[0].x, p[0].y}, back);
        }
        if (found != Found::No) return found;
    }
    return Found::No;
}

} // namespace

const Shapes& ArrayReach::placed(const Shapes& s, const Matrix& m) {
    carried_.clear();
    carried_.append(s, m);
    return carried_;
}

// Whether some copy of a filled area holds (x, y): along each line of the
// array the copies' offsets cut the area's edges, straight or curved, and
// between every other pair of cuts the point is inside (the even-odd rule).
static Found areaHolds(const Shapes& s, const std::vector<Point3>& pts, size_t first, size_t next,
                       const CopyLattice& l, V target, std::vector<double>& cuts, WorkBudget& budget) {
    Extents box;
    size_t edges = 0;
    for (size_t r = first; r < next; ++r) {
        for (uint32_t i = s.runs[r].begin; i < s.runs[r].end; ++i) box.add(pts[i]);
        for (auto arc = arcFrom(s.arcs, s.runs[r].begin); arc != s.arcs.end() && arc->at < s.runs[r].end; ++arc)
            arcs::addExtremes(*arc, pts[arc->at], box);
        edges += s.runs[r].end - s.runs[r].begin;
    }
    if (!box.valid()) return Found::No;
    // The offsets that bring the target into the area's box.
    V outline[4];
    for (int corner = 0; corner < 4; ++corner)
        outline[corner] = target - V{corner & 1 ? box.max.x : box.min.x, corner & 2 ? box.max.y : box.min.y};
    return eachLine(outline, 4, l, budget, [&](V o, V d, int from, int to) {
        if (!budget.spend(edges)) return false;
        if (dot(d, d) == 0) {
            // One copy along this line: the target against it alone, cut
            // along x.
            d = {1, 0};
            from = to = 0;
        }
        // The copy at offset o + t d holds the target when target - o - t d
        // is inside: the line q(t) = (target - o) - t d against each edge.
        V q0 = target - o;
        cuts.clear();
        for (size_t r = first; r < next; ++r) {
            const ShapeRun& run = s.runs[r];
            size_t n = run.end - run.begin;
            auto arc = arcFrom(s.arcs, run.begin);
            // Two straight pieces back and forth cancel; curved ones need not.
            if (n < 3 && (arc == s.arcs.end() || arc->at >= run.end)) continue;
            for (size_t i = 0; i < n; ++i) {
                const Point3 &from = pts[run.begin + i], &to = pts[run.begin + (i + 1) % n];
                while (arc != s.arcs.end() && arc->at < run.begin + i) ++arc;
                if (arc != s.arcs.end() && arc->at == run.begin + i) {
                    double along[4];
                    int crossings = arcs::lineCrossings(*arc, from, to, {q0.x, q0.y, 0}, {d.x, d.y, 0}, along);
                    for (int k = 0; k < crossings; ++k) cuts.push_back(-along[k] / dot(d, d));
                    continue;
                }
                V a{from.x, from.y}, b{to.x, to.y};
                double sa = cross(d, a - q0), sb = cross(d, b - q0);
                if ((sa > 0) == (sb > 0)) continue;
                V hit = a + (sa / (sa - sb)) * (b - a);
                cuts.push_back(-dot(hit - q0, d) / dot(d, d));
            }
        }
        std::sort(cuts.begin(), cuts.end());
        for (size_t k = 0; k + 1 < cuts.size(); k += 2) {
            int lo = from, hi = to;
            if (integersIn(cuts[k], cuts[k + 1], lo, hi)) return true;
        }
        return false;
    });
}

// Every filled area of the runs tested for holding the target.
static Found anyAreaHolds(const Shapes& s, const std::vector<Point3>& pts, const CopyLattice& l, V target,
                          std::vector<double>& cuts, WorkBudget& budget) {
    for (size_t r = 0; r < s.runs.size();) {
        if (s.runs[r].kind != RunKind::Area) {
            ++r;
            continue;
        }
        size_t next = runGroupEnd(s, r);
        if (Found f = areaHolds(s, pts, r, next, l, target, cuts, budget); f != Found::No) return f;
        r = next;
    }
    return Found::No;
}

Found ArrayReach::near(const Shapes& shapes, const Matrix& m, const CopyLattice& l, double x, double y, double radius,
                       WorkBudget& budget) {
    const Shapes& s = placed(shapes, m);
    const std::vector<Point3>& pts = s.points;
    V target{x, y};
    if (Found f = anyAreaHolds(s, pts, l, target, cuts_, budget); f != Found::No) return f;
    Found found = eachSegment(s, pts, l, target, radius, [&](V a, V b, const ShapeArc* arc) {
        if (!budget.spend(1)) return Found::OutOfWork;
        if (arc) return arcNear(*arc, {a.x, a.y, 0}, {b.x, b.y, 0}, target, radius, l, arcRoom_, budget);
        return segmentNear(a, b, target, radius, l, budget);
    });
    if (found == Found::Yes || budget.out()) return found;
    Found curves = eachSpline(s, budget, [&](const ShapeSpline& spline) {
        return splineNear(spline, target, radius, l, span_, copy_, budget);
    });
    return unlessOverflowed(s, curves == Found::No ? found : curves, budget);
}

Found ArrayReach::meets(const Shapes& shapes, const Matrix& m, const CopyLattice& l, const PlanWindow& w,
                          WorkBudget& budget) {
    const Shapes& s = placed(shapes, m);
    const std::vector<Point3>& pts = s.points;
    // A window inside an area meets it though no edge does.
    if (Found f = anyAreaHolds(s, pts, l, V{w.x1, w.y1}, cuts_, budget); f != Found::No) return f;
    V centre{(w.x1 + w.x2) / 2, (w.y1 + w.y2) / 2};
    const double size = std::hypot(w.x2 - w.x1, w.y2 - w.y1);
    Found found = eachSegment(s, pts, l, centre, size, [&](V a, V b, const ShapeArc* arc) {
        if (!budget.spend(1)) return Found::OutOfWork;
        if (arc) return arcMeets(*arc, {a.x, a.y, 0}, {b.x, b.y, 0}, w, l, arcRoom_, budget);
        return segmentMeets(a, b, w, l, budget);
    });
    if (found == Found::Yes || budget.out()) return found;
    Found curves = eachSpline(s, budget, [&](const ShapeSpline& spline) {
        return splineMeets(spline, w, l, span_, copy_, budget);
    });
    return unlessOverflowed(s, curves == Found::No ? found : curves, budget);
}

} // namespace host::db
