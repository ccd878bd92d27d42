#include "db/geometry.h"

#include "db/entity_values.h"

#include <algorithm>
#include <cmath>

namespace host::db {

namespace {

using namespace values;

constexpr int kCircleSegments = 64;
constexpr int kMaxNesting = 16;

struct Outline {
    std::vector<Point3> points;
    bool closed = false;
    bool filled = false;  // an area: a point inside is on it
};

// Points of an elliptical arc c + a cos t + b sin t for t in [t0, t1].
void addCurve(const Matrix& m, Point3 c, Point3 a, Point3 b, double t0, double t1, bool closed,
              std::vector<Outline>& out) {
    Outline o;
    o.closed = closed;
    while (t1 <= t0) t1 += 2 * M_PI;
    if (closed) t1 = t0 + 2 * M_PI;
    int n = std::max(2, static_cast<int>(std::ceil((t1 - t0) / (2 * M_PI) * kCircleSegments)));
    // Sample at the multiples of the segment angle so that quadrant points are hit.
    double step = 2 * M_PI / kCircleSegments;
    std::vector<double> ts{t0};
    for (double k = std::floor(t0 / step) + 1; k * step < t1 && ts.size() < static_cast<size_t>(n) + 2; ++k)
        ts.push_back(k * step);
    if (!closed) ts.push_back(t1);
    for (double t : ts) {
        double cs = std::cos(t), sn = std::sin(t);
        o.points.push_back(m.apply({c.x + a.x * cs + b.x * sn, c.y + a.y * cs + b.y * sn, c.z + a.z * cs + b.z * sn}));
    }
    out.push_back(std::move(o));
}

void addCircle(const Matrix& m, Point3 c, double r, double a0, double a1, bool closed, std::vector<Outline>& out) {
    addCurve(m, c, {r, 0, 0}, {0, r, 0}, a0, a1, closed, out);
}

void addPolyline(const Matrix& m, std::initializer_list<Point3> pts, bool closed, bool filled,
                 std::vector<Outline>& out) {
    Outline o;
    o.closed = closed;
    o.filled = filled;
    for (const Point3& p : pts) o.points.push_back(m.apply(p));
    out.push_back(std::move(o));
}

void textOutline(const Object& o, const Matrix& m, std::vector<Outline>& out) {
    double h = realOf(o, 40, 1.0);
    double w = h * static_cast<double>(textLength(groupText(o, 1))) * realOf(o, 41, 1.0);
    int hmode = intOf(o, 72, 0), vmode = intOf(o, 73, 0);
    Point3 at = (hmode != 0 || vmode != 0) && first(o, 11) ? pointOf(o, 11) : pointOf(o, 10);
    double x0 = hmode == 1 || hmode == 4 ? -w / 2 : hmode == 2 ? -w : 0;
    double y0 = vmode == 2 ? -h / 2 : vmode == 3 ? -h : 0;
    if (hmode == 4) y0 = -h / 2;
    Matrix place = m * Matrix::translation(at.x, at.y, at.z) * Matrix::rotationZ(angleOf(o, 50));
    addPolyline(place, {{x0, y0, 0}, {x0 + w, y0, 0}, {x0 + w, y0 + h, 0}, {x0, y0 + h, 0}}, true, true, out);
}

void hatchOutline(const Object& o, const Matrix& m, std::vector<Outline>& out) {
    Outline points;
    forEachHatchBoundary(
        o, [&](const Point3& p) { points.points.push_back(m.apply(p)); },
        [&](const Point3& c, double r) { addCircle(m, c, r, 0, 0, true, out); });
    if (!points.points.empty()) {
        points.closed = points.filled = points.points.size() > 2;
        out.push_back(std::move(points));
    }
}

void outlines(const Database& db, const Object& o, const Matrix& m, int depth, std::vector<Outline>& out);

void blockOutlines(const Database& db, std::string_view name, const Matrix& m, int depth,
                   std::vector<Outline>& out) {
    Slot record = db.findRecord(Table::BlockRecord, name);
    const Block* b = record == kNoSlot ? nullptr : db.block(record);
    if (b == nullptr || depth >= kMaxNesting) return;
    for (Slot s : b->entities)
        if (const Object* e = db.object(s); e && !e->erased) outlines(db, *e, m, depth + 1, out);
}

void outlines(const Database& db, const Object& o, const Matrix& m, int depth, std::vector<Outline>& out) {
    std::string_view type = o.typeName();
    if (type == "LINE") {
        addPolyline(m, {pointOf(o, 10), pointOf(o, 11)}, false, false, out);
    } else if (type == "CIRCLE") {
        addCircle(m, pointOf(o, 10), realOf(o, 40, 0), 0, 0, true, out);
    } else if (type == "ARC") {
        addCircle(m, pointOf(o, 10), realOf(o, 40, 0), angleOf(o, 50), angleOf(o, 51), false, out);
    } else if (type == "ELLIPSE") {
        Point3 a = pointOf(o, 11);
        double ratio = realOf(o, 40, 1.0);
        Point3 b{-a.y * ratio, a.x * ratio, 0};
        double t0 = realOf(o, 41, 0), t1 = realOf(o, 42, 2 * M_PI);
        bool full = std::fabs(t1 - t0 - 2 * M_PI) < 1e-9 || (t0 == 0 && t1 == 0);
        addCurve(m, pointOf(o, 10), a, b, t0, t1, full, out);
    } else if (type == "SOLID" || type == "TRACE") {
        // Corner order 1 2 4 3 goes round the quadrilateral.
        addPolyline(m, {pointOf(o, 10), pointOf(o, 11), pointOf(o, 13), pointOf(o, 12)}, true, true, out);
    } else if (type == "TEXT") {
        textOutline(o, m, out);
    } else if (type == "HATCH") {
        hatchOutline(o, m, out);
    } else if (type == "INSERT") {
        blockOutlines(db, groupText(o, 2), m * insertTransform(db, o), depth, out);
    } else if (type == "DIMENSION") {
        size_t before = out.size();
        blockOutlines(db, groupText(o, 2), m, depth, out);
        if (out.size() == before) {
            Outline pts;
            for (int code : {10, 11, 13, 14})
                if (first(o, code)) pts.points.push_back(m.apply(pointOf(o, code)));
            out.push_back(std::move(pts));
        }
    } else {
        // LEADER, and types the host does not model: the polyline of their points.
        Outline pts;
        size_t end = xdataBegin(o);
        for (size_t i = 0; i < end; ++i) {
            int c = o.groups[i].code();
            if (o.groups[i].kind() == ValueKind::Point && c >= 10 && c <= 18)
                pts.points.push_back(m.apply(toPoint(o.groups[i].asPoint())));
        }
        if (!pts.points.empty()) out.push_back(std::move(pts));
    }
}

std::vector<Outline> entityOutlines(const Database& db, Slot entity) {
    std::vector<Outline> out;
    if (const Object* o = db.object(entity)) outlines(db, *o, Matrix(), 0, out);
    return out;
}

} // namespace

void Extents::add(const Point3& p) {
    min = {std::min(min.x, p.x), std::min(min.y, p.y), std::min(min.z, p.z)};
    max = {std::max(max.x, p.x), std::max(max.y, p.y), std::max(max.z, p.z)};
}

void Extents::add(const Extents& other) {
    if (!other.valid()) return;
    add(other.min);
    add(other.max);
}

Point3 Matrix::apply(const Point3& p) const {
    return {m[0][0] * p.x + m[0][1] * p.y + m[0][2] * p.z + m[0][3],
            m[1][0] * p.x + m[1][1] * p.y + m[1][2] * p.z + m[1][3],
            m[2][0] * p.x + m[2][1] * p.y + m[2][2] * p.z + m[2][3]};
}

Point3 Matrix::applyVector(const Point3& v) const {
    return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z, m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
            m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
}

Matrix Matrix::operator*(const Matrix& o) const {
    Matrix r;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            double s = 0;
            for (int k = 0; k < 4; ++k) s += m[i][k] * o.m[k][j];
            r.m[i][j] = s;
        }
    return r;
}

Matrix Matrix::translation(double x, double y, double z) {
    Matrix r;
    r.m[0][3] = x;
    r.m[1][3] = y;
    r.m[2][3] = z;
    return r;
}

Matrix Matrix::rotationZ(double a) {
    Matrix r;
    r.m[0][0] = std::cos(a);
    r.m[0][1] = -std::sin(a);
    r.m[1][0] = std::sin(a);
    r.m[1][1] = std::cos(a);
    return r;
}

Matrix Matrix::scaling(double sx, double sy, double sz) {
    Matrix r;
    r.m[0][0] = sx;
    r.m[1][1] = sy;
    r.m[2][2] = sz;
    return r;
}

Matrix insertTransform(const Database& db, const Object& insert) {
    Point3 base;
    Slot record = db.findRecord(Table::BlockRecord, groupText(insert, 2));
    if (const Block* b = record == kNoSlot ? nullptr : db.block(record))
        if (const Object* begin = db.object(b->begin)) base = pointOf(*begin, 10);
    Point3 at = pointOf(insert, 10);
    return Matrix::translation(at.x, at.y, at.z) * Matrix::rotationZ(angleOf(insert, 50)) *
           Matrix::scaling(realOf(insert, 41, 1), realOf(insert, 42, 1), realOf(insert, 43, 1)) *
           Matrix::translation(-base.x, -base.y, -base.z);
}

bool worldExtents(const Database& db, Slot entity, Extents& out) {
    out = Extents();
    for (const Outline& o : entityOutlines(db, entity))
        for (const Point3& p : o.points) out.add(p);
    return out.valid();
}

} // namespace host::db
