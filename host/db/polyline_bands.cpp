#include "db/polyline_bands.h"

#include <algorithm>
#include <cmath>

#include "db/finite_numbers.h"
#include "db/plan_distance.h"
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
    bool straight() const { return straightBulge(bulge); }
};

double at(const std::vector<double>& values, size_t i) { return i < values.size() ? values[i] : 0; }

Point3 offset(const Point3& p, double nx, double ny, double distance) {
    return {p.x + nx * distance, p.y + ny * distance, p.z};
}


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

    // The band between the sides of a bulged segment: each side the arc
    // moved out or in along its radius by half the width there, the width
    // running evenly with the angle from start to end; false when the arc
    // has no finite centre.  A side of even width is the arc about the same
    // centre; a tapered one is c + s(t) (a cos t + b sin t) with s linear
    // in t (plan_arcs.h), which any placement carries exactly.  An inner
    // side wider than the radius passes the centre (s below 0) as it does
    // in the band drawn.  Where the centre carries more rounding than the
    // vertices (arcs::fromEnds), each corner is its vertex moved along the
    // radius there, and each side is answered from its corners.
    bool arc(const Segment& s) {
        BulgeArc arc;
        if (!bulgeArc(s.p, s.q, s.bulge, arc)) return false;
        double radius = std::hypot(arc.a.x, arc.a.y);
        const bool far = arcs::fromEnds({0, true, arc.c, arc.a, arc.b, 0, arc.angle}, s.p);
        // The factor on the radius where the width is `width`, out (+1) or in (-1).
        auto factor = [&](double width, double sign) { return 1 + sign * width / 2 / radius; };
        auto corner = [&](bool atEnd, double sign) {
            double t = atEnd ? arc.angle : 0, width = atEnd ? s.end : s.start, k = factor(width, sign);
            double ex = arc.a.x * std::cos(t) + arc.b.x * std::sin(t), ey = arc.a.y * std::cos(t) + arc.b.y * std::sin(t);
            Point3 centred{arc.c.x + k * ex, arc.c.y + k * ey, s.p.z};
            if (!far) return centred;
            const Point3& vertex = atEnd ? s.q : s.p;
            double out = sign * width / 2 / radius;
            return Point3{arcs::agreed(centred.x, vertex.x + out * ex), arcs::agreed(centred.y, vertex.y + out * ey), s.p.z};
        };
        // A side from the start, or (back) from the end to the start.
        auto side = [&](double sign, bool back) {
            double t0 = back ? arc.angle : 0, t1 = back ? 0 : arc.angle;
            if (s.start == s.end) {
                double k = factor(s.start, sign);
                Point3 a{arc.a.x * k, arc.a.y * k, 0}, b{arc.b.x * k, arc.b.y * k, 0};
                out_.curveToNext(m_, {0, far, arc.c, a, b, t0, t1});
            } else {
                double grow = sign * (s.end - s.start) / 2 / radius / arc.angle;
                out_.curveToNext(m_, {0, far, arc.c, arc.a, arc.b, t0, t1, factor(back ? s.end : s.start, sign), grow});
            }
        };
        out_.newArea();
        out_.startRun(RunKind::Area);
        out_.add(m_, corner(false, 1));
        side(1, false);
        out_.add(m_, corner(true, 1));
        out_.add(m_, corner(true, -1));
        side(-1, true);
        out_.add(m_, corner(false, -1));
        return true;
    }

    Shapes& out_;
    const Matrix& m_;
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
