#include "db/geometry.h"

#include "db/sub_entities.h"
#include "db/units.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

namespace host::db {

namespace {

constexpr int kCircleSegments = 64;
constexpr int kMaxNesting = 16;

struct Outline {
    std::vector<Point3> points;
    bool closed = false;
    bool filled = false;  // an area: a point inside is on it
};

Point3 toPoint(const double* p) { return {p[0], p[1], p[2]}; }

const Group* first(const Object& o, int code) { return findGroup(o, code, 0, xdataBegin(o)); }

Point3 pointOf(const Object& o, int code) {
    const Group* g = first(o, code);
    return g ? toPoint(g->asPoint()) : Point3{};
}

double realOf(const Object& o, int code, double fallback) {
    const Group* g = first(o, code);
    if (g == nullptr) return fallback;
    return g->kind() == ValueKind::Real ? g->asReal() : static_cast<double>(g->asInt());
}

// An angle group in radians, whatever unit the object keeps it in.
double angleOf(const Object& o, int code) { return toRadians(o.typeName(), code, realOf(o, code, 0)); }

int intOf(const Object& o, int code, int fallback) {
    const Group* g = first(o, code);
    return g ? static_cast<int>(g->asInt()) : fallback;
}

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

size_t textLength(std::string_view text) {
    size_t n = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if ((c & 0xC0) == 0x80) continue;  // UTF-8 continuation
        if (text.compare(i, 3, "\\U+") == 0 && i + 7 <= text.size()) i += 6;  // one escaped character
        ++n;
    }
    return n;
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
    size_t end = xdataBegin(o);
    bool inBoundary = false;
    int edgeType = 0;
    Point3 last;
    Outline points;
    for (size_t i = 0; i < end; ++i) {
        const Group& g = o.groups[i];
        if (g.code() == 91) inBoundary = true;
        if (g.code() == 98) inBoundary = false;
        if (!inBoundary) continue;
        if (g.code() == 72) edgeType = static_cast<int>(g.asInt());
        if (g.code() == 10) {
            last = toPoint(g.asPoint());
            points.points.push_back(m.apply(last));
        } else if (g.code() == 11 && edgeType == 1) {
            points.points.push_back(m.apply(toPoint(g.asPoint())));
        } else if (g.code() == 40 && edgeType == 2) {
            addCircle(m, last, g.asReal(), 0, 0, true, out);
        } else if (g.code() == 11 && edgeType == 3) {
            const double* a = g.asPoint();
            double r = std::hypot(a[0], a[1]);
            addCircle(m, last, r, 0, 0, true, out);
        }
    }
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

double segmentDistance(const Point3& a, const Point3& b, double x, double y) {
    double dx = b.x - a.x, dy = b.y - a.y;
    double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(a.x + t * dx - x, a.y + t * dy - y);
}

bool insidePolygon(const std::vector<Point3>& p, double x, double y) {
    bool inside = false;
    for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
        if ((p[i].y > y) != (p[j].y > y) && x < (p[j].x - p[i].x) * (y - p[i].y) / (p[j].y - p[i].y) + p[i].x)
            inside = !inside;
    }
    return inside;
}

double outlineDistance(const Outline& o, double x, double y) {
    if (o.points.empty()) return 1e300;
    if (o.filled && o.points.size() > 2 && insidePolygon(o.points, x, y)) return 0;
    double best = std::hypot(o.points[0].x - x, o.points[0].y - y);
    for (size_t i = 1; i < o.points.size(); ++i)
        best = std::min(best, segmentDistance(o.points[i - 1], o.points[i], x, y));
    if (o.closed && o.points.size() > 2) best = std::min(best, segmentDistance(o.points.back(), o.points[0], x, y));
    return best;
}

// Liang-Barsky: does the segment meet the rectangle?
bool segmentMeetsBox(Point3 a, Point3 b, double x1, double y1, double x2, double y2) {
    double t0 = 0, t1 = 1, dx = b.x - a.x, dy = b.y - a.y;
    double p[4] = {-dx, dx, -dy, dy}, q[4] = {a.x - x1, x2 - a.x, a.y - y1, y2 - a.y};
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

double distanceTo(const Database& db, Slot entity, double x, double y) {
    double best = 1e300;
    std::vector<Outline> shapes = entityOutlines(db, entity);
    // An attribute is picked across its text, as a text is; its outline
    // stays out of the extents, which its insert's block gives.
    const Object* object = db.object(entity);
    if (object && object->typeName() == "ATTRIB") textOutline(*object, Matrix(), shapes);
    for (const Outline& o : shapes) best = std::min(best, outlineDistance(o, x, y));
    return best;
}

Slot pick(const Database& db, double x, double y, double radius) {
    const Block* ms = db.block(db.modelSpace());
    if (ms == nullptr) return kNoSlot;
    for (size_t i = ms->entities.size(); i-- > 0;) {
        Slot s = ms->entities[i];
        const Object* o = db.object(s);
        if (o == nullptr || o->erased || distanceTo(db, s, x, y) > radius) continue;
        Slot main = mainEntityOf(db, s);
        if (main != kNoSlot) return main;
    }
    return kNoSlot;
}

std::vector<Slot> selectWindow(const Database& db, double x1, double y1, double x2, double y2, bool crossing) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    std::vector<Slot> found;
    std::unordered_set<Slot> taken;  // an insert met with its attributes comes once
    const Block* ms = db.block(db.modelSpace());
    if (ms == nullptr) return found;
    for (Slot s : ms->entities) {
        const Object* o = db.object(s);
        if (o == nullptr || o->erased) continue;
        std::vector<Outline> shapes = entityOutlines(db, s);
        bool any = false, allInside = true, touches = false;
        for (const Outline& shape : shapes)
            for (size_t i = 0; i < shape.points.size(); ++i) {
                const Point3& p = shape.points[i];
                any = true;
                bool in = p.x >= x1 && p.x <= x2 && p.y >= y1 && p.y <= y2;
                allInside = allInside && in;
                touches = touches || in;
                if (!touches && crossing) {
                    size_t j = i + 1 < shape.points.size() ? i + 1 : (shape.closed ? 0 : i);
                    touches = segmentMeetsBox(p, shape.points[j], x1, y1, x2, y2);
                }
            }
        if (!touches && crossing)  // the window inside an area
            for (const Outline& shape : shapes)
                touches = touches || outlineDistance(shape, x1, y1) == 0;
        if (!any || !(allInside || (crossing && touches))) continue;
        Slot main = mainEntityOf(db, s);
        if (main != kNoSlot && taken.insert(main).second) found.push_back(main);
    }
    return found;
}

} // namespace host::db
