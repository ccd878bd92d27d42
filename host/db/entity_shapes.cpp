#include "db/entity_shapes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "db/entity_values.h"
#include "db/polyline_bands.h"
#include "db/polyline_flags.h"
#include "db/shape_parts.h"

namespace host::db {

namespace {

using namespace values;
using namespace parts;

// Below this in both x and y the extrusion is near world z, and the
// arbitrary axis algorithm crosses world y instead of world z.
constexpr double kArbitraryAxisLimit = 1.0 / 64;
// Curve angles beyond this many radians are brought back within a turn.
constexpr double kFarAngle = 64 * M_PI;
constexpr double kDegreesPerTurn = 360;


// An angle far beyond a few turns brought within one.
double withinTurn(double t) { return std::fabs(t) > kFarAngle ? std::fmod(t, kTwoPi) : t; }

void addCircle(Shapes& out, const Matrix& m, Point3 c, double r, double a0, double a1, bool closed) {
    addCurve(out, m, c, {r, 0, 0}, {0, r, 0}, a0, a1, closed);
}

// A path through the vertices, each bulge an arc to the next vertex.
void addPath(Shapes& out, const Matrix& m, const std::vector<Point3>& vertices, const std::vector<double>& bulges,
             bool closed) {
    if (vertices.empty()) return;
    out.startRun(closed ? RunKind::Closed : RunKind::Open);
    addPathPoints(out, m, vertices, bulges, closed);
}

void addArea(Shapes& out, const Matrix& m, std::initializer_list<Point3> points) {
    out.newArea();
    out.startRun(RunKind::Area);
    for (const Point3& p : points) out.add(m, p);
}

// A RAY from 10 along 11, an XLINE through 10 along 11 both ways: the
// point and one unit along; without a direction, the point alone.
void addEndless(Shapes& out, const Object& o, const Matrix& m, RunKind kind) {
    Point3 p = pointOf(o, 10), d = pointOf(o, 11);
    // Scaled down first, so that a huge direction still has its length.
    double largest = std::max({std::fabs(d.x), std::fabs(d.y), std::fabs(d.z)});
    if (std::isfinite(largest) && largest > 0) d = {d.x / largest, d.y / largest, d.z / largest};
    double length = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
    bool along = std::isfinite(length) && length > 0;
    out.startRun(along ? kind : RunKind::Open);
    out.add(m, p);
    if (along) out.add(m, {p.x + d.x / length, p.y + d.y / length, p.z + d.z / length});
}

// The polyline of an entity's points, for types drawn by them alone.
void addPoints(Shapes& out, const Object& o, const Matrix& m) {
    out.startRun(RunKind::Open);
    size_t end = xdataBegin(o);
    for (size_t i = 0; i < end; ++i) {
        int c = o.groups[i].code();
        if (o.groups[i].kind() == ValueKind::Point && c >= 10 && c <= 18) out.add(m, toPoint(o.groups[i].asPoint()));
    }
}

void clearPath(ShapeScratch& scratch) {
    scratch.path.clear();
    scratch.bulges.clear();
    scratch.startWidths.clear();
    scratch.endWidths.clear();
}

// A 2D POLYLINE's vertex: its flags, point, bulge and widths, read in one
// pass (a width it leaves out is the polyline's default).
struct Vertex {
    int flags = 0;
    Point3 p;
    double bulge = 0, start, end;
    Vertex(const Object& v, double defaultStart, double defaultEnd) : start(defaultStart), end(defaultEnd) {
        // The first group of each code counts.
        bool point = false, bulged = false, started = false, ended = false, flagged = false;
        size_t groups = xdataBegin(v);
        for (size_t i = 0; i < groups; ++i) {
            const Group& g = v.groups[i];
            switch (g.code()) {
            case 10: if (!std::exchange(point, true)) p = toPoint(g.asPoint()); break;
            case 42: if (!std::exchange(bulged, true)) bulge = realValue(g); break;
            case 40: if (!std::exchange(started, true)) start = realValue(g); break;
            case 41: if (!std::exchange(ended, true)) end = realValue(g); break;
            case 70: if (!std::exchange(flagged, true)) flags = static_cast<int>(g.asInt()); break;
            default: break;
            }
        }
    }
};

// A polyline as its bands where any segment has a width, else as a path.
void addWidePath(Shapes& out, const Matrix& m, const ShapeScratch& scratch, bool closed, bool wide) {
    if (wide) addBands(out, m, scratch, closed);
    else addPath(out, m, scratch.path, scratch.bulges, closed);
}

void addPolyline(Shapes& out, const Object& o, const std::vector<const Object*>& subs, const Matrix& m,
                 ShapeScratch& scratch) {
    int flags = intOf(o, 70, 0);
    if (isMesh(flags)) {
        addMesh(o, subs, m, out, scratch);
        return;
    }
    bool plane = !(flags & kPolyline3d);  // in object coordinates at its elevation, with bulges and widths
    double elevation = pointOf(o, 10).z;
    double defaultStart = plane ? realOf(o, 40, 0) : 0, defaultEnd = plane ? realOf(o, 41, 0) : 0;
    bool wide = false;
    clearPath(scratch);
    for (const Object* v : subs) {
        if (!v->isType("VERTEX")) continue;
        Vertex vertex(*v, defaultStart, defaultEnd);
        if (vertexRole(flags, vertex.flags) != VertexRole::Point) continue;
        if (plane) vertex.p.z = elevation;
        scratch.path.push_back(vertex.p);
        scratch.bulges.push_back(plane ? vertex.bulge : 0);
        if (!plane) continue;
        scratch.startWidths.push_back(vertex.start);
        scratch.endWidths.push_back(vertex.end);
        wide = wide || bandWidth(vertex.start) > 0 || bandWidth(vertex.end) > 0;
    }
    addWidePath(out, plane ? placeIn(m, o) : m, scratch, flags & kPolylineClosed, wide);
}

void addLightweightPolyline(Shapes& out, const Object& o, const Matrix& m, ShapeScratch& scratch) {
    double elevation = realOf(o, 38, 0), constant = 0;
    bool wide = false;
    clearPath(scratch);
    size_t end = xdataBegin(o);
    for (size_t i = 0; i < end; ++i) {
        const Group& g = o.groups[i];
        int c = g.code();
        if (c == 10 && g.kind() == ValueKind::Point) {
            scratch.path.push_back({g.asPoint()[0], g.asPoint()[1], elevation});
            scratch.bulges.push_back(0);
            scratch.startWidths.push_back(0);
            scratch.endWidths.push_back(0);
        } else if (c == 42 && !scratch.bulges.empty()) {
            scratch.bulges.back() = g.kind() == ValueKind::Real ? g.asReal() : 0;
        } else if ((c == 40 || c == 41) && !scratch.path.empty()) {
            (c == 40 ? scratch.startWidths : scratch.endWidths).back() = realValue(g);
            wide = wide || bandWidth(realValue(g)) > 0;
        } else if (c == 43) {
            constant = bandWidth(realValue(g));
        }
    }
    // A constant width (43) stands for every segment's own.
    if (constant > 0) {
        std::fill(scratch.startWidths.begin(), scratch.startWidths.end(), constant);
        std::fill(scratch.endWidths.begin(), scratch.endWidths.end(), constant);
        wide = true;
    }
    addWidePath(out, placeIn(m, o), scratch, intOf(o, 70, 0) & kPolylineClosed, wide);
}

void addEllipse(Shapes& out, const Object& o, const Matrix& m) {
    // In world coordinates: the minor axis is the extrusion across the major one.
    Point3 a = pointOf(o, 11), n{0, 0, 1};
    if (const Group* e = first(o, 210); e && e->kind() == ValueKind::Point) {
        Point3 given = toPoint(e->asPoint());
        double length = std::sqrt(given.x * given.x + given.y * given.y + given.z * given.z);
        if (std::isfinite(length) && length > 0) n = {given.x / length, given.y / length, given.z / length};
    }
    double ratio = realOf(o, 40, 1.0);
    Point3 b{(n.y * a.z - n.z * a.y) * ratio, (n.z * a.x - n.x * a.z) * ratio, (n.x * a.y - n.y * a.x) * ratio};
    double t0 = realOf(o, 41, 0), t1 = realOf(o, 42, kTwoPi);
    bool full = std::fabs(t1 - t0 - kTwoPi) < 1e-9 || (t0 == 0 && t1 == 0);
    addCurve(out, m, pointOf(o, 10), a, b, t0, t1, full);
}

} // namespace

namespace parts {

double curveAngle(std::string_view type, int code, double stored) {
    double t = toRadians(type, code, stored);
    if (!(std::fabs(t) > kFarAngle)) return t;
    return toRadians(type, code, std::fmod(stored, angleInDegrees(type, code) ? kDegreesPerTurn : kTwoPi));
}

bool arcRange(double& t0, double& t1, bool closed) {
    if (!std::isfinite(t0) || !std::isfinite(t1)) return false;
    // Each on its own: an angle names a place on the curve.
    t0 = withinTurn(t0);
    t1 = withinTurn(t1);
    if (closed) t1 = t0 + kTwoPi;
    while (t1 <= t0) t1 += kTwoPi;  // at most a few turns
    return true;
}

void addArc(Shapes& out, const Matrix& m, const Point3& c, const Point3& a, const Point3& b, double from, double to) {
    ShapeArc arc{0, false, c, a, b, from, to};
    out.add(m, arc.point(from));
    out.curveToNext(m, c, a, b, from, to);
    out.add(m, arc.point(to));
}

void addCurve(Shapes& out, const Matrix& m, Point3 c, Point3 a, Point3 b, double t0, double t1, bool closed) {
    if (!arcRange(t0, t1, closed)) return;
    out.startRun(closed ? RunKind::Closed : RunKind::Open);
    if (!closed) {
        addArc(out, m, c, a, b, t0, t1);
        return;
    }
    // Two halves, the second back to the first point.
    addArc(out, m, c, a, b, t0, t0 + M_PI);
    out.curveToNext(m, c, a, b, t0 + M_PI, t1);
}

bool bulgeArc(const Point3& p, const Point3& q, double bulge, BulgeArc& out) {
    double dx = q.x - p.x, dy = q.y - p.y, length = std::hypot(dx, dy);
    if (straightBulge(bulge) || !std::isfinite(bulge) || length == 0) return false;
    // The centre lies off the chord's middle, to the left for a positive bulge.
    double offset = length / 2 * (1 - bulge * bulge) / (2 * bulge);
    double cx = (p.x + q.x) / 2 - dy / length * offset, cy = (p.y + q.y) / 2 + dx / length * offset;
    if (!std::isfinite(cx) || !std::isfinite(cy)) return false;
    out.c = {cx, cy, p.z};
    out.a = {p.x - cx, p.y - cy, 0};
    out.b = {-out.a.y, out.a.x, 0};  // a quarter turn on, counter-clockwise
    out.angle = 4 * std::atan(bulge);
    return true;
}

void addBulge(Shapes& out, const Matrix& m, const Point3& p, const Point3& q, double bulge) {
    BulgeArc arc;
    // Its centre is worked out from p and q, which the run keeps.
    if (bulgeArc(p, q, bulge, arc)) out.curveToNext(m, {0, true, arc.c, arc.a, arc.b, 0, arc.angle});
}

void addPathPoints(Shapes& out, const Matrix& m, const std::vector<Point3>& vertices, const std::vector<double>& bulges,
                   bool closed) {
    for (size_t i = 0; i < vertices.size(); ++i) {
        out.add(m, vertices[i]);
        bool last = i + 1 == vertices.size();
        if (i < bulges.size() && (!last || closed)) addBulge(out, m, vertices[i], vertices[last ? 0 : i + 1], bulges[i]);
    }
}

} // namespace parts

Matrix objectToWorld(const Object& entity) {
    Matrix m;
    const Group* extrusion = first(entity, 210);
    if (extrusion == nullptr || extrusion->kind() != ValueKind::Point) return m;
    Point3 n = toPoint(extrusion->asPoint());
    double length = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
    if (!std::isfinite(length) || length == 0) return m;
    n = {n.x / length, n.y / length, n.z / length};
    // Ax = Wy x N near world z, else Wz x N; Ay = N x Ax.
    Point3 ax = std::fabs(n.x) < kArbitraryAxisLimit && std::fabs(n.y) < kArbitraryAxisLimit
                    ? Point3{n.z, 0, -n.x}
                    : Point3{-n.y, n.x, 0};
    double axLength = std::sqrt(ax.x * ax.x + ax.y * ax.y + ax.z * ax.z);
    ax = {ax.x / axLength, ax.y / axLength, ax.z / axLength};
    Point3 ay{n.y * ax.z - n.z * ax.y, n.z * ax.x - n.x * ax.z, n.x * ax.y - n.y * ax.x};
    const Point3 axes[3] = {ax, ay, n};
    for (int column = 0; column < 3; ++column) {
        m.m[0][column] = axes[column].x;
        m.m[1][column] = axes[column].y;
        m.m[2][column] = axes[column].z;
    }
    return m;
}

Matrix placeIn(const Matrix& m, const Object& o) {
    const Group* extrusion = first(o, 210);
    if (extrusion == nullptr || extrusion->kind() != ValueKind::Point) return m;
    const double* n = extrusion->asPoint();
    if (n[0] == 0 && n[1] == 0 && n[2] > 0) return m;
    return m * objectToWorld(o);
}

void addEntityShape(const Object& o, const std::vector<const Object*>& subs, const Matrix& m, Shapes& out,
                    ShapeScratch& scratch) {
    std::string_view type = o.typeName();
    if (type == "LINE") {
        out.startRun(RunKind::Open);
        out.add(m, pointOf(o, 10));
        out.add(m, pointOf(o, 11));
    } else if (type == "CIRCLE") {
        addCircle(out, placeIn(m, o), pointOf(o, 10), realOf(o, 40, 0), 0, 0, true);
    } else if (type == "ARC") {
        addCircle(out, placeIn(m, o), pointOf(o, 10), realOf(o, 40, 0), curveAngle(type, 50, realOf(o, 50, 0)),
                  curveAngle(type, 51, realOf(o, 51, 0)), false);
    } else if (type == "ELLIPSE") {
        addEllipse(out, o, m);
    } else if (type == "SOLID" || type == "TRACE") {
        // Corner order 1 2 4 3 goes round the quadrilateral.
        addArea(out, placeIn(m, o), {pointOf(o, 10), pointOf(o, 11), pointOf(o, 13), pointOf(o, 12)});
    } else if (type == "TEXT") {
        addTextBox(o, m, groupText(o, 1), out);
    } else if (type == "ATTDEF") {
        addTextBox(o, m, groupText(o, 2), out);  // shows its tag
    } else if (type == "MTEXT") {
        addMText(o, m, out);
    } else if (type == "HATCH") {
        addHatch(o, m, out, scratch);
    } else if (type == "POLYLINE") {
        addPolyline(out, o, subs, m, scratch);
    } else if (type == "LWPOLYLINE") {
        addLightweightPolyline(out, o, m, scratch);
    } else if (type == "SPLINE") {
        addSpline(o, m, out, scratch);
    } else if (type == "3DFACE") {
        addFace(o, m, out);
    } else if (type == "RAY") {
        addEndless(out, o, m, RunKind::Ray);
    } else if (type == "XLINE") {
        addEndless(out, o, m, RunKind::Endless);
    } else if (type == "INSERT" || type == "DIMENSION" || type == "ATTRIB" || type == "VERTEX" || type == "SEQEND") {
        // placed by the caller, or drawn as part of their main entity
    } else {
        // LEADER, and types the host does not model: the polyline of their
        // points (a shape's in object coordinates).
        addPoints(out, o, type == "SHAPE" ? placeIn(m, o) : m);
    }
}

} // namespace host::db
