#include "db/copy_lattice.h"

#include <cmath>

namespace host::db {

namespace {

// Clamps a real copy index range to [from, to]; false when empty.  A
// range that is not finite keeps them all.
bool clampRange(double lo, double hi, int& from, int& to) {
    if (!std::isfinite(lo) || !std::isfinite(hi)) return true;
    lo = std::max(std::floor(lo), static_cast<double>(from));
    hi = std::min(std::ceil(hi), static_cast<double>(to));
    if (lo > hi) return false;
    from = static_cast<int>(lo);
    to = static_cast<int>(hi);
    return true;
}

// The reals t for which t * step lies in the plan rectangle [lo, hi]; false when none.
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

bool planZero(const Point3& v) { return v.x == 0 && v.y == 0; }

} // namespace

CopyLattice CopyLattice::of(const InsertPlacement& place) {
    return {place.columnStep, place.rowStep, 0, place.columns - 1, 0, place.rows - 1};
}

CopyLattice CopyLattice::carried(const Matrix& m) const {
    CopyLattice l = *this;
    l.column = m.applyVector(column);
    l.row = m.applyVector(row);
    return l;
}

CopyLattice CopyLattice::planCopies() const {
    CopyLattice l = *this;
    if (planZero(column)) l.c1 = l.c0;
    if (planZero(row)) l.r1 = l.r0;
    return l;
}

void CopyLattice::corners(double x, double y, double xs[4], double ys[4]) const {
    const double cs[4] = {double(c0), double(c1), double(c1), double(c0)};
    const double rs[4] = {double(r0), double(r0), double(r1), double(r1)};
    for (int i = 0; i < 4; ++i) {
        xs[i] = x + cs[i] * column.x + rs[i] * row.x;
        ys[i] = y + cs[i] * column.y + rs[i] * row.y;
    }
}

bool CopyLattice::narrowTo(const double* xs, const double* ys, int n) {
    if (c0 == c1 && r0 == r1) {
        // One copy: whether its offset lies in the region's box.
        Point3 o{c0 * column.x + r0 * row.x, c0 * column.y + r0 * row.y, 0};
        double x1 = INFINITY, x2 = -INFINITY, y1 = INFINITY, y2 = -INFINITY;
        for (int i = 0; i < n; ++i) {
            x1 = std::min(x1, xs[i]), x2 = std::max(x2, xs[i]);
            y1 = std::min(y1, ys[i]), y2 = std::max(y2, ys[i]);
        }
        return !(o.x < x1 || o.x > x2 || o.y < y1 || o.y > y2);
    }
    if (r0 == r1 || c0 == c1) {
        // One line of copies: its step against the region's box, the
        // line's own offset taken off.
        bool alongColumns = r0 == r1;
        const Point3& step = alongColumns ? column : row;
        const Point3& other = alongColumns ? row : column;
        int fixed = alongColumns ? r0 : c0;
        Point3 lo{INFINITY, INFINITY, 0}, hi{-INFINITY, -INFINITY, 0};
        for (int i = 0; i < n; ++i) {
            lo = {std::min(lo.x, xs[i] - fixed * other.x), std::min(lo.y, ys[i] - fixed * other.y), 0};
            hi = {std::max(hi.x, xs[i] - fixed * other.x), std::max(hi.y, ys[i] - fixed * other.y), 0};
        }
        double from, to;
        if (!alongStep(step, lo, hi, from, to)) return false;
        return alongColumns ? clampRange(from, to, c0, c1) : clampRange(from, to, r0, r1);
    }
    double det = column.x * row.y - column.y * row.x;
    if (!(std::fabs(det) > 1e-12 * std::hypot(column.x, column.y) * std::hypot(row.x, row.y))) return true;
    double cLo = INFINITY, cHi = -INFINITY, rLo = INFINITY, rHi = -INFINITY;
    for (int i = 0; i < n; ++i) {
        double c = (xs[i] * row.y - ys[i] * row.x) / det, r = (column.x * ys[i] - column.y * xs[i]) / det;
        cLo = std::min(cLo, c), cHi = std::max(cHi, c);
        rLo = std::min(rLo, r), rHi = std::max(rHi, r);
    }
    return clampRange(cLo, cHi, c0, c1) && clampRange(rLo, rHi, r0, r1);
}

} // namespace host::db
