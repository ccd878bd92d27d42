#include "db/array_reach.h"

#include <algorithm>
#include <cmath>

#include "db/block_index.h"

namespace host::db {

namespace {

// A copy whose offset lies this fraction of a step outside a region still
// counts: rounding must never lose a copy that lies on the region's edge.
constexpr double kEdgeSlack = 1e-9;

struct V {
    double x = 0, y = 0;
};
V operator-(V a, V b) { return {a.x - b.x, a.y - b.y}; }
V operator+(V a, V b) { return {a.x + b.x, a.y + b.y}; }
V operator*(double k, V a) { return {k * a.x, k * a.y}; }
double dot(V a, V b) { return a.x * b.x + a.y * b.y; }
double cross(V a, V b) { return a.x * b.y - a.y * b.x; }

// The t for which lo <= f0 + t f1 <= hi narrows [from, to]; false when empty.
bool narrow(double f0, double f1, double lo, double hi, double& from, double& to) {
    if (f1 == 0) return f0 >= lo && f0 <= hi;
    double a = (lo - f0) / f1, b = (hi - f0) / f1;
    if (a > b) std::swap(a, b);
    from = std::max(from, a);
    to = std::min(to, b);
    return from <= to;
}

// The offsets within `radius` of a segment.
struct Capsule {
    V a, b;
    double radius;

    int outline(V out[8]) const {
        int n = 0;
        for (V p : {a, b})
            for (int corner = 0; corner < 4; ++corner)
                out[n++] = {p.x + (corner & 1 ? radius : -radius), p.y + (corner & 2 ? radius : -radius)};
        return n;
    }
    // The t of the line o + t d inside: the union of the band along the
    // segment and the discs at its ends, one interval as the capsule is convex.
    bool cut(V o, V d, double& from, double& to) const {
        bool any = false;
        from = INFINITY;
        to = -INFINITY;
        auto join = [&](double lo, double hi) {
            if (!(lo <= hi)) return;
            any = true;
            from = std::min(from, lo);
            to = std::max(to, hi);
        };
        for (V c : {a, b}) {
            V oc = o - c;
            double qa = dot(d, d), qb = dot(d, oc), qc = dot(oc, oc) - radius * radius;
            if (qa == 0) {
                if (qc <= 0) join(-INFINITY, INFINITY);
                continue;
            }
            double disc = qb * qb - qa * qc;
            if (disc < 0) continue;
            double root = std::sqrt(disc);
            join((-qb - root) / qa, (-qb + root) / qa);
        }
        V u = b - a;
        double length2 = dot(u, u);
        if (length2 > 0) {
            double lo = -INFINITY, hi = INFINITY;
            V oa = o - a;
            double along = std::sqrt(length2);
            if (narrow(dot(oa, u), dot(d, u), 0, length2, lo, hi) &&
                narrow(cross(u, oa), cross(u, d), -radius * along, radius * along, lo, hi))
                join(lo, hi);
        }
        return any;
    }
};

// A convex polygon of offsets, counter-clockwise; flat ones are capsules
// of no width.
struct Polygon {
    V p[8];
    int n = 0;

    int outline(V out[8]) const {
        std::copy(p, p + n, out);
        return n;
    }
    bool cut(V o, V d, double& from, double& to) const {
        from = -INFINITY;
        to = INFINITY;
        for (int i = 0; i < n; ++i) {
            V e = p[(i + 1) % n] - p[i];
            // Inside is to the left of each edge: cross(e, q - p) >= 0.
            if (!narrow(cross(e, o - p[i]), cross(e, d), 0, INFINITY, from, to)) return false;
        }
        return true;
    }
};

// The convex hull of up to eight points, counter-clockwise (monotone chain).
int hull(V pts[8], int n, V out[8]) {
    std::sort(pts, pts + n, [](V a, V b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
    V h[16];
    int k = 0;
    for (int i = 0; i < n; ++i) {
        while (k >= 2 && cross(h[k - 1] - h[k - 2], pts[i] - h[k - 2]) <= 0) --k;
        h[k++] = pts[i];
    }
    for (int i = n - 2, lower = k + 1; i >= 0; --i) {
        while (k >= lower && cross(h[k - 1] - h[k - 2], pts[i] - h[k - 2]) <= 0) --k;
        h[k++] = pts[i];
    }
    int count = std::max(1, k - 1);
    std::copy(h, h + std::min(count, 8), out);
    return std::min(count, 8);
}

// An index range [from, to] of integers, narrowed to the reals [lo, hi].
bool integersIn(double lo, double hi, int& from, int& to) {
    if (std::isnan(lo) || std::isnan(hi)) return false;
    double a = std::max(std::ceil(lo - kEdgeSlack), static_cast<double>(from));
    double b = std::min(std::floor(hi + kEdgeSlack), static_cast<double>(to));
    if (a > b) return false;
    from = static_cast<int>(a);
    to = static_cast<int>(b);
    return true;
}

// Calls line(k, o, d) for the lines of the array along its shorter side
// that may meet a region whose outline's hull is given: the copies of
// line k are o + t d for t in [from, to].  Stops when line() says so.
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
    for (int k = first; k <= last; ++k) {
        if (!budget.spend(1)) return Found::OutOfWork;
        V o = k * (byColumn ? column : row), d = byColumn ? row : column;
        int from = byColumn ? r0 : c0, to = byColumn ? r1 : c1;
        if (line(o, d, from, to)) return Found::Yes;
        if (budget.out()) return Found::OutOfWork;
    }
    return Found::No;
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

// The offsets that take a copy of the segment into the window: the window
// swept back along it.
Found segmentMeets(V a, V b, const PlanWindow& w, const CopyLattice& l, WorkBudget& budget) {
    V pts[8];
    int n = 0;
    for (V e : {a, b})
        for (V c : {V{w.x1, w.y1}, V{w.x2, w.y1}, V{w.x2, w.y2}, V{w.x1, w.y2}}) pts[n++] = c - e;
    Polygon region;
    region.n = hull(pts, n, region.p);
    if (region.n < 3) return anyOffsetIn(Capsule{region.p[0], region.p[region.n - 1], 0}, l, budget);
    return anyOffsetIn(region, l, budget);
}

Found segmentNear(V a, V b, V target, double radius, const CopyLattice& l, WorkBudget& budget) {
    return anyOffsetIn(Capsule{target - a, target - b, radius}, l, budget);
}

// The farthest any copy lies from the first.
double reach(const CopyLattice& l) {
    double most = 0;
    for (int c : {l.c0, l.c1})
        for (int r : {l.r0, l.r1}) most = std::max(most, std::hypot(c * l.column.x + r * l.row.x, c * l.column.y + r * l.row.y));
    return most;
}

// Calls f(a, b) for each segment the runs draw, a ray or endless line as a
// segment long enough to pass every copy near `target` (within `size` of
// it); a run of one point as a segment of no length.  Stops at Yes or
// OutOfWork.
template <class F>
Found eachSegment(const Shapes& s, const std::vector<Point3>& pts, const CopyLattice& l, V target, double size, F f) {
    const double far = reach(l) + size;
    for (const ShapeRun& run : s.runs) {
        size_t n = run.end - run.begin;
        if (n == 0) continue;
        const Point3* p = pts.data() + run.begin;
        Found found = Found::No;
        if (endlessKind(run.kind) && n >= 2) {
            V a{p[0].x, p[0].y}, d{p[1].x - p[0].x, p[1].y - p[0].y};
            double length = std::hypot(d.x, d.y);
            if (length > 0) {
                double along = far + std::hypot(target.x - a.x, target.y - a.y) + 1;
                V step = (along / length) * d;
                found = f(run.kind == RunKind::Ray ? a : a - step, a + step);
            } else {
                found = f(a, a);
            }
        } else if (n == 1) {
            found = f(V{p[0].x, p[0].y}, V{p[0].x, p[0].y});
        } else {
            for (size_t i = 1; i < n && found == Found::No; ++i) found = f(V{p[i - 1].x, p[i - 1].y}, V{p[i].x, p[i].y});
            if (found == Found::No && closedKind(run.kind) && n > 2)
                found = f(V{p[n - 1].x, p[n - 1].y}, V{p[0].x, p[0].y});
        }
        if (found != Found::No) return found;
    }
    return Found::No;
}

} // namespace

// Whether some copy of a filled area holds (x, y): along each line of the
// array the copies' offsets cut the area's edges, and between every other
// pair of cuts the point is inside (the even-odd rule).
static Found areaHolds(const Shapes& s, const std::vector<Point3>& pts, size_t first, size_t next,
                       const CopyLattice& l, V target, std::vector<double>& cuts, WorkBudget& budget) {
    Extents box;
    size_t edges = 0;
    for (size_t r = first; r < next; ++r) {
        for (uint32_t i = s.runs[r].begin; i < s.runs[r].end; ++i) box.add(pts[i]);
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
            if (n < 3) continue;
            for (size_t i = 0, j = n - 1; i < n; j = i++) {
                V a{pts[run.begin + i].x, pts[run.begin + i].y}, b{pts[run.begin + j].x, pts[run.begin + j].y};
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

// The area runs that fill together, from runs[first]: [first, next).
static size_t areaEnd(const Shapes& s, size_t first) {
    size_t r = first;
    while (r < s.runs.size() && s.runs[r].kind == RunKind::Area && s.runs[r].area == s.runs[first].area) ++r;
    return r;
}

// Calls ask(piece) for each piece of the runs (a run, or the runs of one
// filled area) carried by m, its arcs cut into chords for the question
// alone, a step spent for each point so drawn: one piece is drawn at a
// time, so that no step draws a whole block's curves.  Stops at Yes or
// OutOfWork.
template <class Ask>
static Found eachPiece(const Shapes& shapes, const Matrix& m, Shapes& slice, Shapes& flat, WorkBudget& budget,
                       Ask ask) {
    for (size_t r = 0; r < shapes.runs.size();) {
        size_t next = shapes.runs[r].kind == RunKind::Area ? areaEnd(shapes, r) : r + 1;
        sliceRuns(shapes, RunPiece{static_cast<uint32_t>(r), static_cast<uint32_t>(next)}, slice);
        slice.flattened(m, flat);
        if (!budget.spend(flat.points.size())) return Found::OutOfWork;
        if (Found f = ask(flat); f != Found::No) return f;
        r = next;
    }
    return Found::No;
}

// Every filled area of the runs tested for holding the target.
static Found anyAreaHolds(const Shapes& s, const std::vector<Point3>& pts, const CopyLattice& l, V target,
                          std::vector<double>& cuts, WorkBudget& budget) {
    for (size_t r = 0; r < s.runs.size();) {
        if (s.runs[r].kind != RunKind::Area) {
            ++r;
            continue;
        }
        size_t next = areaEnd(s, r);
        if (Found f = areaHolds(s, pts, r, next, l, target, cuts, budget); f != Found::No) return f;
        r = next;
    }
    return Found::No;
}

Found ArrayReach::near(const Shapes& shapes, const Matrix& m, const CopyLattice& l, double x, double y, double radius,
                       WorkBudget& budget) {
    V target{x, y};
    return eachPiece(shapes, m, slice_, flat_, budget, [&](const Shapes& s) {
        const std::vector<Point3>& pts = s.points;
        if (Found f = anyAreaHolds(s, pts, l, target, cuts_, budget); f != Found::No) return f;
        return eachSegment(s, pts, l, target, radius, [&](V a, V b) {
            if (!budget.spend(1)) return Found::OutOfWork;
            return segmentNear(a, b, target, radius, l, budget);
        });
    });
}

Found ArrayReach::meets(const Shapes& shapes, const Matrix& m, const CopyLattice& l, const PlanWindow& w,
                          WorkBudget& budget) {
    V centre{(w.x1 + w.x2) / 2, (w.y1 + w.y2) / 2};
    return eachPiece(shapes, m, slice_, flat_, budget, [&](const Shapes& s) {
        const std::vector<Point3>& pts = s.points;
        // A window inside an area meets it though no edge does.
        if (Found f = anyAreaHolds(s, pts, l, V{w.x1, w.y1}, cuts_, budget); f != Found::No) return f;
        return eachSegment(s, pts, l, centre, std::hypot(w.x2 - w.x1, w.y2 - w.y1), [&](V a, V b) {
            if (!budget.spend(1)) return Found::OutOfWork;
            return segmentMeets(a, b, w, l, budget);
        });
    });
}

} // namespace host::db
