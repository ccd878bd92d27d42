#include "db/shape_runs.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace host::db {

namespace {

constexpr double kNoDistance = 1e300;

bool finite(const Point3& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }

double segmentDistance(const Point3& a, const Point3& b, double x, double y) {
    double dx = b.x - a.x, dy = b.y - a.y;
    double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(a.x + t * dx - x, a.y + t * dy - y);
}

// The distance to the line through a and b, from a on (ray) or both ways.
double lineDistance(const Point3& a, const Point3& b, bool ray, double x, double y) {
    double dx = b.x - a.x, dy = b.y - a.y;
    double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / len2 : 0;
    if (ray) t = std::max(t, 0.0);
    return std::hypot(a.x + t * dx - x, a.y + t * dy - y);
}

// Crossings of a horizontal ray from (x, y) to +x with the closed run: odd inside.
bool crossesOdd(const Point3* p, size_t n, double x, double y) {
    bool odd = false;
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        if ((p[i].y > y) != (p[j].y > y) && x < (p[j].x - p[i].x) * (y - p[i].y) / (p[j].y - p[i].y) + p[i].x)
            odd = !odd;
    }
    return odd;
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

bool closedKind(RunKind k) { return k == RunKind::Closed || k == RunKind::Area; }
bool endlessKind(RunKind k) { return k == RunKind::Ray || k == RunKind::Endless; }

// Whether (x, y) lies inside the area that starts at runs[first]: the
// even-odd rule over all its runs.  `next` is set past its last run.
bool insideArea(const Shapes& s, const std::vector<Point3>& pts, size_t first, size_t& next, double x, double y) {
    bool odd = false;
    uint32_t area = s.runs[first].area;
    size_t r = first;
    for (; r < s.runs.size() && s.runs[r].kind == RunKind::Area && s.runs[r].area == area; ++r) {
        const ShapeRun& run = s.runs[r];
        if (run.end - run.begin > 2 && crossesOdd(pts.data() + run.begin, run.end - run.begin, x, y)) odd = !odd;
    }
    next = r;
    return odd;
}

// Calls f(a, b) for each segment a run draws.
template <class F>
bool anySegment(const ShapeRun& run, const std::vector<Point3>& pts, F f) {
    size_t n = run.end - run.begin;
    const Point3* p = pts.data() + run.begin;
    if (n == 1) return f(p[0], p[0]);
    for (size_t i = 1; i < n; ++i)
        if (f(p[i - 1], p[i])) return true;
    return closedKind(run.kind) && n > 2 && f(p[n - 1], p[0]);
}

} // namespace

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
    ShapeRun& run = runs.back();
    // A ray's box is its start; its second point, and an endless line's
    // points, only give the direction.
    bool inBox = run.kind == RunKind::Ray ? run.end == run.begin : run.kind != RunKind::Endless;
    points.push_back(p);
    run.end = static_cast<uint32_t>(points.size());
    if (inBox) box.add(p);
}

void Shapes::append(const Shapes& from, const Matrix& m) {
    uint32_t areaBase = areas;
    for (const ShapeRun& run : from.runs) {
        startRun(run.kind);
        runs.back().area = run.kind == RunKind::Area ? areaBase + run.area : 0;
        for (uint32_t i = run.begin; i < run.end; ++i) add(m, from.points[i]);
    }
    areas += from.areas;
}

const std::vector<Point3>& RunTests::placed(const Shapes& s, const Matrix& m, bool identity) {
    if (identity) return s.points;
    scratch_.resize(s.points.size());
    for (size_t i = 0; i < s.points.size(); ++i) scratch_[i] = m.apply(s.points[i]);
    return scratch_;
}

double RunTests::distance(const Shapes& s, const Matrix& m, double x, double y) {
    const std::vector<Point3>& pts = placed(s, m, isIdentity(m));
    double best = kNoDistance;
    for (size_t r = 0; r < s.runs.size();) {
        const ShapeRun& run = s.runs[r];
        if (run.kind == RunKind::Area) {
            size_t next;
            if (insideArea(s, pts, r, next, x, y)) return 0;
            for (size_t k = r; k < next; ++k)
                anySegment(s.runs[k], pts, [&](const Point3& a, const Point3& b) {
                    best = std::min(best, segmentDistance(a, b, x, y));
                    return false;
                });
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
        anySegment(run, pts, [&](const Point3& a, const Point3& b) {
            best = std::min(best, segmentDistance(a, b, x, y));
            return false;
        });
    }
    return best;
}

bool RunTests::inside(const Shapes& s, const Matrix& m, const PlanWindow& w) {
    if (s.endless) return false;
    const std::vector<Point3>& pts = placed(s, m, isIdentity(m));
    for (const ShapeRun& run : s.runs)
        for (uint32_t i = run.begin; i < run.end; ++i)
            if (!w.holds(pts[i])) return false;
    return !s.runs.empty();
}

bool RunTests::meets(const Shapes& s, const Matrix& m, const PlanWindow& w) {
    const std::vector<Point3>& pts = placed(s, m, isIdentity(m));
    for (size_t r = 0; r < s.runs.size();) {
        const ShapeRun& run = s.runs[r];
        if (run.kind == RunKind::Area) {
            size_t next;
            // The window inside an area.
            if (insideArea(s, pts, r, next, w.x1, w.y1)) return true;
            for (size_t k = r; k < next; ++k)
                if (anySegment(s.runs[k], pts, [&](const Point3& a, const Point3& b) {
                        return w.holds(a) || lineMeetsBox(a, b, 0, 1, w);
                    }))
                    return true;
            r = next;
            continue;
        }
        ++r;
        if (run.end == run.begin) continue;
        if (endlessKind(run.kind)) {
            double from = run.kind == RunKind::Ray ? 0 : -std::numeric_limits<double>::infinity();
            if (run.end - run.begin >= 2 &&
                lineMeetsBox(pts[run.begin], pts[run.begin + 1], from, std::numeric_limits<double>::infinity(), w))
                return true;
            continue;
        }
        if (anySegment(run, pts, [&](const Point3& a, const Point3& b) {
                return w.holds(a) || lineMeetsBox(a, b, 0, 1, w);
            }))
            return true;
    }
    return false;
}

} // namespace host::db
