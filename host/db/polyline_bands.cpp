#include "db/polyline_bands.h"

#include <algorithm>
#include <cmath>

#include "db/shape_parts.h"

namespace host::db::parts {

namespace {

// Straight segments whose sides turn by less than this (radians) meet
// without a mitre, as other programs draw them.
constexpr double kNoMitreTurn = 0.031415;

struct Segment {
    Point3 p, q;
    double start = 0, end = 0, bulge = 0;
    bool banded() const { return start > 0 || end > 0; }
    bool straight() const { return bulge == 0; }
};

double at(const std::vector<double>& values, size_t i) { return i < values.size() ? values[i] : 0; }

Point3 offset(const Point3& p, double nx, double ny, double distance) {
    return {p.x + nx * distance, p.y + ny * distance, p.z};
}

double cross(double ax, double ay, double bx, double by) { return ax * by - ay * bx; }

bool finite(const Point3& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

class Bands {
public:
    Bands(Shapes& out, const Matrix& m) : out_(out), m_(m) {}

    void segment(const Segment& s) {
        if (!s.banded()) {
            out_.startRun(RunKind::Open);
            out_.add(m_, s.p);
            addBulge(out_, m_, s.p, s.q, s.bulge);
            out_.add(m_, s.q);
        } else if (s.straight() || !arc(s)) {
            quad(s);
        }
    }

    // The mitre on the outer side of the joint where straight a ends and
    // straight b starts: between the ends of their sides and the point
    // where those sides, carried on, meet.
    void mitre(const Segment& a, const Segment& b) {
        if (!a.straight() || !b.straight() || !(a.end > 0) || !(b.start > 0)) return;
        double ax = a.q.x - a.p.x, ay = a.q.y - a.p.y, la = std::hypot(ax, ay);
        double bx = b.q.x - b.p.x, by = b.q.y - b.p.y, lb = std::hypot(bx, by);
        double turn = cross(ax, ay, bx, by);
        if (!(la > 0) || !(lb > 0) || turn == 0 || !std::isfinite(turn)) return;
        double side = turn > 0 ? -0.5 : 0.5;  // a left turn's outer side is on the right
        Point3 a0 = offset(a.p, -ay / la, ax / la, side * a.start), a1 = offset(a.q, -ay / la, ax / la, side * a.end);
        Point3 b0 = offset(b.p, -by / lb, bx / lb, side * b.start), b1 = offset(b.q, -by / lb, bx / lb, side * b.end);
        double rx = a1.x - a0.x, ry = a1.y - a0.y, sx = b1.x - b0.x, sy = b1.y - b0.y;
        double sides = cross(rx, ry, sx, sy);
        if (std::atan2(std::fabs(sides), rx * sx + ry * sy) < kNoMitreTurn || sides == 0) return;
        double t = cross(b0.x - a0.x, b0.y - a0.y, sx, sy) / sides;
        Point3 tip{a0.x + rx * t, a0.y + ry * t, a.q.z};
        if (!finite(tip)) return;
        area({a.q, a1, tip, b0});
    }

private:
    void area(std::initializer_list<Point3> corners) {
        out_.newArea();
        out_.startRun(RunKind::Area);
        for (const Point3& p : corners) out_.add(m_, p);
    }

    void quad(const Segment& s) {
        double dx = s.q.x - s.p.x, dy = s.q.y - s.p.y, length = std::hypot(dx, dy);
        double nx = -dy / length, ny = dx / length;
        area({offset(s.p, nx, ny, s.start / 2), offset(s.q, nx, ny, s.end / 2), offset(s.q, nx, ny, -s.end / 2),
              offset(s.p, nx, ny, -s.start / 2)});
    }

    // The band between the arcs beside a bulged segment: the arc's points,
    // each moved out and in along its radius by half the width there (in
    // proportion to the length along the arc); false when the arc has no
    // finite centre.
    bool arc(const Segment& s) {
        double dx = s.q.x - s.p.x, dy = s.q.y - s.p.y, length = std::hypot(dx, dy);
        // The centre lies off the chord's middle, to the left for a positive bulge.
        double off = length / 2 * (1 - s.bulge * s.bulge) / (2 * s.bulge);
        double cx = (s.p.x + s.q.x) / 2 - dy / length * off, cy = (s.p.y + s.q.y) / 2 + dx / length * off;
        if (!std::isfinite(cx) || !std::isfinite(cy)) return false;
        const Matrix identity;
        arc_.clear();
        arc_.startRun(RunKind::Open);
        arc_.add(identity, s.p);
        addBulge(arc_, identity, s.p, s.q, s.bulge);
        arc_.add(identity, s.q);
        const std::vector<Point3>& a = arc_.points;
        if (a.size() < 2) return false;
        widths_.assign(a.size(), 0);
        for (size_t j = 1; j < a.size(); ++j)
            widths_[j] = widths_[j - 1] + std::hypot(a[j].x - a[j - 1].x, a[j].y - a[j - 1].y);
        double total = widths_.back();
        for (double& w : widths_) w = s.start + (s.end - s.start) * (total > 0 ? w / total : 0);
        out_.newArea();
        out_.startRun(RunKind::Area);
        for (size_t j = 0; j < a.size(); ++j) out_.add(m_, beside(a[j], cx, cy, widths_[j] / 2));
        for (size_t j = a.size(); j-- > 0;) out_.add(m_, beside(a[j], cx, cy, -widths_[j] / 2));
        return true;
    }

    // p moved by `distance` away from the centre.
    static Point3 beside(const Point3& p, double cx, double cy, double distance) {
        double r = std::hypot(p.x - cx, p.y - cy);
        return r > 0 ? offset(p, (p.x - cx) / r, (p.y - cy) / r, distance) : p;
    }

    Shapes& out_;
    const Matrix& m_;
    Shapes arc_;
    std::vector<double> widths_;
};

} // namespace

double bandWidth(double width) { return std::isfinite(width) ? std::fabs(width) : 0; }

void addBands(Shapes& out, const Matrix& m, const ShapeScratch& scratch, bool closed) {
    const std::vector<Point3>& v = scratch.path;
    size_t n = v.size(), drawnFrom = out.runs.size();
    size_t segments = closed ? n : n > 0 ? n - 1 : 0;
    Bands bands(out, m);
    Segment first, previous;
    size_t drawn = 0;
    for (size_t i = 0; i < segments; ++i) {
        Segment s{v[i], v[i + 1 < n ? i + 1 : 0], bandWidth(at(scratch.startWidths, i)),
                  bandWidth(at(scratch.endWidths, i)), at(scratch.bulges, i)};
        if (!std::isfinite(s.bulge)) s.bulge = 0;
        if (s.p.x == s.q.x && s.p.y == s.q.y) continue;  // no length: the next one goes on from here
        bands.segment(s);
        if (drawn++ == 0) first = s;
        else bands.mitre(previous, s);
        previous = s;
    }
    // Closed by its flag or by coming back to its first vertex: the last
    // segment joins the first.
    bool comesBack = n > 2 && v.front().x == v.back().x && v.front().y == v.back().y;
    if (drawn > 1 && (closed || comesBack)) bands.mitre(previous, first);
    if (out.runs.size() == drawnFrom && n > 0) {  // every vertex on one spot
        out.startRun(RunKind::Open);
        addPathPoints(out, m, v, scratch.bulges, closed);
    }
}

} // namespace host::db::parts
