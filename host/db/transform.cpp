// Moving, rotating, scaling and mirroring an entity's own groups.
#include <cmath>

#include "db/entity_values.h"
#include "db/geometry.h"
#include "db/units.h"

namespace host::db {

namespace {

struct Frame {
    const Matrix& m;
    double scale;     // length of the transformed x unit vector
    bool uniform;     // same scale on x and y, axes stay perpendicular
    bool mirrored;    // determinant of the x-y part below zero
};

Frame frameOf(const Matrix& m) {
    Point3 ex = m.applyVector({1, 0, 0}), ey = m.applyVector({0, 1, 0});
    double sx = std::hypot(ex.x, ex.y), sy = std::hypot(ey.x, ey.y);
    double dot = ex.x * ey.x + ex.y * ey.y;
    bool uniform = std::fabs(sx - sy) <= 1e-9 * std::max(1.0, sx) && std::fabs(dot) <= 1e-9 * std::max(1.0, sx * sy);
    return {m, sx, uniform, ex.x * ey.y - ex.y * ey.x < 0};
}

using values::toPoint;

void setPoint(Group& g, const Point3& p) {
    Group out = g.pointIs2d() ? Group::point2d(g.code(), p.x, p.y) : Group::point(g.code(), p.x, p.y, p.z);
    g = out;
}

void movePoint(Group& g, const Matrix& m) { setPoint(g, m.apply(toPoint(g.asPoint()))); }
void moveVector(Group& g, const Matrix& m) { setPoint(g, m.applyVector(toPoint(g.asPoint()))); }

// The direction an angle takes under the transform.
double mapAngle(const Matrix& m, double a) {
    Point3 v = m.applyVector({std::cos(a), std::sin(a), 0});
    return std::atan2(v.y, v.x);
}

double normalized(double a) {
    a = std::fmod(a, 2 * M_PI);
    return a < 0 ? a + 2 * M_PI : a;
}

Group* bodyGroup(Object& o, int code) { return findGroup(o, code, 0, xdataBegin(o)); }

void scaleReal(Group* g, double s) {
    if (g && g->kind() == ValueKind::Real) *g = Group::real(g->code(), g->asReal() * s);
}

// Angle groups are read and written in the unit the object keeps them in.
double angleOf(const Object& o, const Group& g) { return toRadians(o.typeName(), g.code(), g.asReal()); }
Group angleGroup(const Object& o, int code, double radians) {
    return Group::real(code, fromRadians(o.typeName(), code, normalized(radians)));
}

// Turns an angle group as the transform turns directions.
void turnAngle(Object& o, int code, const Frame& f) {
    if (Group* g = bodyGroup(o, code)) *g = angleGroup(o, code, mapAngle(f.m, angleOf(o, *g)));
}

bool transformArcAngles(Object& o, const Frame& f) {
    Group* a0 = bodyGroup(o, 50);
    Group* a1 = bodyGroup(o, 51);
    if (!a0 || !a1) return true;
    double s = mapAngle(f.m, angleOf(o, *a0)), e = mapAngle(f.m, angleOf(o, *a1));
    if (f.mirrored) std::swap(s, e);
    *a0 = angleGroup(o, 50, s);
    *a1 = angleGroup(o, 51, e);
    return true;
}

void transformXdata(Object& o, const Frame& f) {
    for (size_t i = xdataBegin(o); i < o.groups.size(); ++i) {
        Group& g = o.groups[i];
        switch (g.code()) {
        case 1011: movePoint(g, f.m); break;
        case 1012: moveVector(g, f.m); break;
        case 1013: {
            Point3 d = f.m.applyVector(toPoint(g.asPoint()));
            double len = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
            if (len > 0) setPoint(g, {d.x / len, d.y / len, d.z / len});
            break;
        }
        case 1041:
        case 1042: scaleReal(&g, f.scale); break;
        default: break;
        }
    }
}

void transformHatch(Object& o, const Frame& f) {
    size_t end = xdataBegin(o);
    bool inBoundary = false;
    int edgeType = 0;
    for (size_t i = 0; i < end; ++i) {
        Group& g = o.groups[i];
        int c = g.code();
        if (c == 91) inBoundary = true;
        if (c == 72) edgeType = static_cast<int>(g.asInt());
        bool seedOrBoundary = inBoundary || (c == 10 && i > 0 && o.groups[i - 1].code() == 98);
        if (c == 10 && seedOrBoundary) movePoint(g, f.m);
        else if (c == 10 && g.kind() == ValueKind::Point) {  // elevation point: only z counts
            Point3 p = f.m.apply({0, 0, g.asPoint()[2]});
            setPoint(g, {0, 0, p.z});
        } else if (c == 11 && inBoundary && (edgeType == 1 || edgeType == 4)) movePoint(g, f.m);  // a line's end, a fit point
        else if (c == 11 && inBoundary && edgeType == 3) moveVector(g, f.m);
        else if ((c == 12 || c == 13) && inBoundary && edgeType == 4) moveVector(g, f.m);  // a spline's end tangents
        else if (c == 40 && inBoundary && edgeType == 2) scaleReal(&g, f.scale);
        else if ((c == 50 || c == 51) && inBoundary && edgeType == 2 && !f.mirrored)
            g = angleGroup(o, c, mapAngle(f.m, angleOf(o, g)));
        if (c == 98) inBoundary = false;
    }
}

// An MTEXT: its insertion point moves and its direction turns, in its own
// groups (10, 11) and in its embedded object after 101 (there 11 and 10);
// its rotation turns; its heights and widths scale, but for its own line
// spacing and background factors (44, 45).
void transformMText(Object& o, const Frame& f) {
    size_t end = xdataBegin(o), own = values::embeddedObjectBegin(o);
    for (size_t i = 0; i < end; ++i) {
        Group& g = o.groups[i];
        int c = g.code();
        bool embedded = i > own;
        if (g.kind() == ValueKind::Point && (c == 10 || c == 11)) {
            if ((c == 10) != embedded) movePoint(g, f.m);
            else moveVector(g, f.m);
        } else if (c >= 40 && c <= 46 && (embedded || (c != 44 && c != 45))) {  // not its own factors
            scaleReal(&g, f.scale);
        }
    }
    turnAngle(o, 50, f);
}

} // namespace

bool transformEntity(Object& o, const Matrix& m) {
    Frame f = frameOf(m);
    std::string_view type = o.typeName();
    size_t end = xdataBegin(o);
    if ((type == "CIRCLE" || type == "ARC" || type == "ELLIPSE" || type == "TEXT") && !f.uniform) return false;

    if (type == "HATCH") {
        transformHatch(o, f);
    } else if (type == "MTEXT") {
        transformMText(o, f);
    } else if (type == "ELLIPSE") {
        if (Group* c = bodyGroup(o, 10)) movePoint(*c, m);
        if (Group* a = bodyGroup(o, 11)) moveVector(*a, m);
        Group* t0 = bodyGroup(o, 41);
        Group* t1 = bodyGroup(o, 42);
        if (f.mirrored && t0 && t1) {
            double s = normalized(-t1->asReal()), e = normalized(-t0->asReal());
            if (e <= s) e += 2 * M_PI;
            *t0 = Group::real(41, s);
            *t1 = Group::real(42, e);
        }
    } else {
        for (size_t i = 0; i < end; ++i) {
            Group& g = o.groups[i];
            int c = g.code();
            if (g.kind() != ValueKind::Point) continue;
            if (c >= 10 && c <= 18) movePoint(g, m);
            else if (c >= 211 && c <= 213 && type == "LEADER") moveVector(g, m);
        }
        if (type == "CIRCLE" || type == "ARC") scaleReal(bodyGroup(o, 40), f.scale);
        if (type == "ARC") transformArcAngles(o, f);
        if (type == "TEXT") {
            scaleReal(bodyGroup(o, 40), f.scale);
            turnAngle(o, 50, f);
        }
        if (type == "INSERT") {
            Group* rot = bodyGroup(o, 50);
            double r = rot ? angleOf(o, *rot) : 0;
            Point3 ex = m.applyVector({std::cos(r), std::sin(r), 0});
            Point3 ey = m.applyVector({-std::sin(r), std::cos(r), 0});
            double sx = std::hypot(ex.x, ex.y), sy = std::hypot(ey.x, ey.y);
            if (rot) *rot = angleGroup(o, 50, std::atan2(ex.y, ex.x));
            scaleReal(bodyGroup(o, 41), sx);
            scaleReal(bodyGroup(o, 42), f.mirrored ? -sy : sy);
        }
        if (type == "DIMENSION") turnAngle(o, 50, f);
    }
    transformXdata(o, f);
    return true;
}

} // namespace host::db
