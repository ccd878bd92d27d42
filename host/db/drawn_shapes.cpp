#include "db/drawn_shapes.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "db/entity_values.h"
#include "db/sub_entities.h"

namespace host::db {

namespace {

using namespace values;

constexpr int kCircleSegments = 64;
constexpr double kTwoPi = 2 * M_PI;
// Below this in both x and y the extrusion is near world z, and the
// arbitrary axis algorithm crosses world y instead of world z.
constexpr double kArbitraryAxisLimit = 1.0 / 64;

// ATTRIB 70.
constexpr int kAttributeInvisible = 1;
// POLYLINE 70 (LWPOLYLINE 70 too for closed).
constexpr int kPolylineClosed = 1;
constexpr int kPolyline3d = 8;
constexpr int kPolygonMesh = 16;
constexpr int kPolyfaceMesh = 64;
// VERTEX 70.
constexpr int kVertexSplineFrame = 16;  // a control point of a spline fit, not drawn
constexpr int kVertexMesh = 64;
constexpr int kVertexFaceRecord = 128;  // with kVertexMesh a polyface's point, alone a face

// cos and sin at the multiples of the segment angle: curves are sampled
// there (so that quadrant points are hit) without a call per point.
struct UnitCircle {
    std::array<double, kCircleSegments> cos{}, sin{};
    UnitCircle() {
        for (int k = 0; k < kCircleSegments; ++k) {
            cos[k] = std::cos(k * kTwoPi / kCircleSegments);
            sin[k] = std::sin(k * kTwoPi / kCircleSegments);
        }
    }
};
const UnitCircle& unitCircle() {
    static const UnitCircle circle;
    return circle;
}

bool finite(const Point3& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }

void startRun(Shapes& out, bool closed, bool filled) {
    uint32_t at = static_cast<uint32_t>(out.points.size());
    out.runs.push_back({at, at, closed, filled});
}

void addPoint(Shapes& out, const Matrix& m, const Point3& local) {
    Point3 p = m.apply(local);
    if (!finite(p)) return;
    out.points.push_back(p);
    out.runs.back().end = static_cast<uint32_t>(out.points.size());
    out.box.add(p);
}

// The elliptical arc c + a cos t + b sin t for t from t0 to t1 (all round
// when closed).
void addCurve(Shapes& out, const Matrix& m, Point3 c, Point3 a, Point3 b, double t0, double t1, bool closed) {
    if (!std::isfinite(t0) || !std::isfinite(t1)) return;
    double sweep = closed ? kTwoPi : std::fmod(t1 - t0, kTwoPi);
    if (sweep <= 0) sweep += kTwoPi;
    t0 = std::fmod(t0, kTwoPi);  // the same points, from a start the sampling can count from
    t1 = t0 + sweep;
    auto at = [&](double cs, double sn) {
        addPoint(out, m, {c.x + a.x * cs + b.x * sn, c.y + a.y * cs + b.y * sn, c.z + a.z * cs + b.z * sn});
    };
    startRun(out, closed, false);
    at(std::cos(t0), std::sin(t0));
    const UnitCircle& unit = unitCircle();
    double step = kTwoPi / kCircleSegments;
    long long k = static_cast<long long>(std::floor(t0 / step)) + 1;
    for (int n = 0; k * step < t1 && n <= kCircleSegments; ++k, ++n) {
        int i = static_cast<int>(((k % kCircleSegments) + kCircleSegments) % kCircleSegments);
        at(unit.cos[i], unit.sin[i]);
    }
    if (!closed) at(std::cos(t1), std::sin(t1));
}

void addCircle(Shapes& out, const Matrix& m, Point3 c, double r, double a0, double a1, bool closed) {
    addCurve(out, m, c, {r, 0, 0}, {0, r, 0}, a0, a1, closed);
}

// The points between p and q of the arc that a bulge (the tangent of a
// quarter of its angle, positive counter-clockwise) makes of the segment.
void addBulge(Shapes& out, const Matrix& m, const Point3& p, const Point3& q, double bulge) {
    double dx = q.x - p.x, dy = q.y - p.y, length = std::hypot(dx, dy);
    if (bulge == 0 || !std::isfinite(bulge) || length == 0) return;
    double angle = 4 * std::atan(bulge);
    // The centre lies off the chord's middle, to the left for a positive bulge.
    double offset = length / 2 * (1 - bulge * bulge) / (2 * bulge);
    double cx = (p.x + q.x) / 2 - dy / length * offset, cy = (p.y + q.y) / 2 + dx / length * offset;
    int segments = std::max(1, static_cast<int>(std::ceil(std::fabs(angle) / kTwoPi * kCircleSegments)));
    double step = angle / segments, cs = std::cos(step), sn = std::sin(step);
    double rx = p.x - cx, ry = p.y - cy;
    for (int i = 1; i < segments; ++i) {
        double x = rx * cs - ry * sn;
        ry = rx * sn + ry * cs;
        rx = x;
        addPoint(out, m, {cx + rx, cy + ry, p.z});
    }
}

// A path through the vertices, each bulge an arc to the next vertex.
void addPath(Shapes& out, const Matrix& m, const std::vector<Point3>& vertices, const std::vector<double>& bulges,
             bool closed) {
    if (vertices.empty()) return;
    startRun(out, closed, false);
    for (size_t i = 0; i < vertices.size(); ++i) {
        addPoint(out, m, vertices[i]);
        bool last = i + 1 == vertices.size();
        if (!last || closed) addBulge(out, m, vertices[i], vertices[last ? 0 : i + 1], bulges[i]);
    }
}

void addPolygon(Shapes& out, const Matrix& m, std::initializer_list<Point3> points, bool filled) {
    startRun(out, true, filled);
    for (const Point3& p : points) addPoint(out, m, p);
}

// The object-coordinate placement after m.
Matrix placeIn(const Matrix& m, const Object& o) {
    const Group* extrusion = first(o, 210);
    if (extrusion == nullptr || extrusion->kind() != ValueKind::Point) return m;
    const double* n = extrusion->asPoint();
    if (n[0] == 0 && n[1] == 0 && n[2] > 0) return m;
    return m * objectToWorld(o);
}

// A text's box: height by number of characters, at its alignment.
void addText(Shapes& out, const Object& o, const Matrix& m, std::string_view shown) {
    double h = realOf(o, 40, 1.0);
    double w = h * static_cast<double>(textLength(shown)) * realOf(o, 41, 1.0);
    int hmode = intOf(o, 72, 0), vmode = intOf(o, 73, 0);
    Point3 at = (hmode != 0 || vmode != 0) && first(o, 11) ? pointOf(o, 11) : pointOf(o, 10);
    double x0 = hmode == 1 || hmode == 4 ? -w / 2 : hmode == 2 ? -w : 0;
    double y0 = vmode == 2 ? -h / 2 : vmode == 3 ? -h : 0;
    if (hmode == 4) y0 = -h / 2;
    Matrix place = placeIn(m, o) * Matrix::translation(at.x, at.y, at.z) * Matrix::rotationZ(angleOf(o, 50));
    addPolygon(out, place, {{x0, y0, 0}, {x0 + w, y0, 0}, {x0 + w, y0 + h, 0}, {x0, y0 + h, 0}}, true);
}

bool visibleAttribute(const Object& o) { return o.isType("ATTRIB") && !(intOf(o, 70, 0) & kAttributeInvisible); }

// Points of a hatch's boundaries: one area through the polyline and line
// points, a circle for each arc edge.
void addHatch(Shapes& out, const Object& o, const Matrix& m, std::vector<Point3>& points) {
    Matrix place = placeIn(m, o);
    points.clear();
    forEachHatchBoundary(
        o, [&](const Point3& p) { points.push_back(p); },
        [&](const Point3& c, double r) { addCircle(out, place, c, r, 0, 0, true); });
    if (points.empty()) return;
    bool area = points.size() > 2;
    startRun(out, area, area);
    for (const Point3& p : points) addPoint(out, place, p);
}

// The polyline of an entity's points, for types drawn by them alone.
void addPoints(Shapes& out, const Object& o, const Matrix& m) {
    startRun(out, false, false);
    size_t end = xdataBegin(o);
    for (size_t i = 0; i < end; ++i) {
        int c = o.groups[i].code();
        if (o.groups[i].kind() == ValueKind::Point && c >= 10 && c <= 18) addPoint(out, m, toPoint(o.groups[i].asPoint()));
    }
}

double segmentDistance(const Point3& a, const Point3& b, double x, double y) {
    double dx = b.x - a.x, dy = b.y - a.y;
    double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(a.x + t * dx - x, a.y + t * dy - y);
}

bool insidePolygon(const Point3* p, size_t n, double x, double y) {
    bool inside = false;
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        if ((p[i].y > y) != (p[j].y > y) && x < (p[j].x - p[i].x) * (y - p[i].y) / (p[j].y - p[i].y) + p[i].x)
            inside = !inside;
    }
    return inside;
}

double runDistance(const Point3* p, size_t n, bool closed, bool filled, double x, double y) {
    if (filled && n > 2 && insidePolygon(p, n, x, y)) return 0;
    double best = std::hypot(p[0].x - x, p[0].y - y);
    for (size_t i = 1; i < n; ++i) best = std::min(best, segmentDistance(p[i - 1], p[i], x, y));
    if (closed && n > 2) best = std::min(best, segmentDistance(p[n - 1], p[0], x, y));
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

bool pointIn(const Point3& p, double x1, double y1, double x2, double y2) {
    return p.x >= x1 && p.x <= x2 && p.y >= y1 && p.y <= y2;
}

// The sub-entities that follow the main entity at `index`: [index + 1, end).
size_t subEntitiesEnd(const Database& db, const std::vector<Slot>& entities, size_t index, Handle owner) {
    size_t end = index + 1;
    while (end < entities.size()) {
        const Object* next = db.object(entities[end]);
        if (next == nullptr || !isSubEntity(*next) || next->owner != owner) break;
        ++end;
    }
    return end;
}

} // namespace

void Shapes::clear() {
    points.clear();
    runs.clear();
    box = Extents();
}

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

const Shapes* DrawnShapes::blockShapes(Slot record) {
    if (auto found = blocks_.find(record); found != blocks_.end()) return found->second.get();
    const Block* block = record == kNoSlot ? nullptr : db_.block(record);
    if (block == nullptr || !building_.insert(record).second) return nullptr;
    auto shapes = std::make_unique<Shapes>();
    const Matrix identity;
    for (size_t i = 0; i < block->entities.size(); ++i) {
        const Object* o = db_.object(block->entities[i]);
        // An attribute definition is not drawn in an insert: its attribute is.
        if (o == nullptr || o->erased || isSubEntity(*o) || o->isType("ATTDEF")) continue;
        entity(*o, &block->entities, i, identity, *shapes, nullptr);
    }
    building_.erase(record);
    return blocks_.emplace(record, std::move(shapes)).first->second.get();
}

void DrawnShapes::insert(const Object& o, const std::vector<Slot>* entities, size_t index, const Matrix& m,
                         Shapes& out, std::vector<Placed>* placed) {
    Slot record = db_.findRecord(Table::BlockRecord, groupText(o, 2));
    const Block* block = record == kNoSlot ? nullptr : db_.block(record);
    Point3 base;
    if (const Object* begin = block ? db_.object(block->begin) : nullptr) base = pointOf(*begin, 10);
    Point3 at = pointOf(o, 10);
    Matrix place = placeIn(m, o) * Matrix::translation(at.x, at.y, at.z) * Matrix::rotationZ(angleOf(o, 50)) *
                   Matrix::scaling(realOf(o, 41, 1), realOf(o, 42, 1), realOf(o, 43, 1)) *
                   Matrix::translation(-base.x, -base.y, -base.z);
    if (const Shapes* shapes = blockShapes(record); shapes != nullptr && !shapes->points.empty()) {
        if (placed != nullptr) {
            placed->push_back({shapes, place});
        } else {
            for (const ShapeRun& run : shapes->runs) {
                startRun(out, run.closed, run.filled);
                for (uint32_t i = run.begin; i < run.end; ++i) addPoint(out, place, shapes->points[i]);
            }
        }
    }
    // The attributes are placed in the insert's space, not its block's.
    if (entities == nullptr) return;
    for (size_t i = index + 1, end = subEntitiesEnd(db_, *entities, index, o.handle); i < end; ++i) {
        const Object* sub = db_.object((*entities)[i]);
        if (sub != nullptr && !sub->erased && visibleAttribute(*sub)) addText(out, *sub, m, groupText(*sub, 1));
    }
}

void DrawnShapes::polyline(const Object& o, const std::vector<Slot>* entities, size_t index, const Matrix& m,
                           Shapes& out) {
    int flags = intOf(o, 70, 0);
    bool mesh = flags & (kPolygonMesh | kPolyfaceMesh);
    bool plane = !mesh && !(flags & kPolyline3d);  // in object coordinates at its elevation
    double elevation = pointOf(o, 10).z;
    path_.clear();
    bulges_.clear();
    if (entities != nullptr) {
        for (size_t i = index + 1, end = subEntitiesEnd(db_, *entities, index, o.handle); i < end; ++i) {
            const Object* v = db_.object((*entities)[i]);
            if (v == nullptr || v->erased || !v->isType("VERTEX")) continue;
            int vertexFlags = intOf(*v, 70, 0);
            if (vertexFlags & kVertexSplineFrame) continue;
            if ((vertexFlags & kVertexFaceRecord) && !(vertexFlags & kVertexMesh)) continue;
            Point3 p = pointOf(*v, 10);
            if (plane) p.z = elevation;
            path_.push_back(p);
            bulges_.push_back(plane ? realOf(*v, 42, 0) : 0);
        }
    }
    if (mesh) {  // a mesh by its vertex points
        for (const Point3& p : path_) {
            startRun(out, false, false);
            addPoint(out, m, p);
        }
        return;
    }
    addPath(out, plane ? placeIn(m, o) : m, path_, bulges_, flags & kPolylineClosed);
}

void DrawnShapes::entity(const Object& o, const std::vector<Slot>* entities, size_t index, const Matrix& m,
                         Shapes& out, std::vector<Placed>* placed) {
    std::string_view type = o.typeName();
    if (type == "LINE") {
        startRun(out, false, false);
        addPoint(out, m, pointOf(o, 10));
        addPoint(out, m, pointOf(o, 11));
    } else if (type == "CIRCLE") {
        addCircle(out, placeIn(m, o), pointOf(o, 10), realOf(o, 40, 0), 0, 0, true);
    } else if (type == "ARC") {
        addCircle(out, placeIn(m, o), pointOf(o, 10), realOf(o, 40, 0), angleOf(o, 50), angleOf(o, 51), false);
    } else if (type == "ELLIPSE") {
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
    } else if (type == "SOLID" || type == "TRACE") {
        // Corner order 1 2 4 3 goes round the quadrilateral.
        addPolygon(out, placeIn(m, o), {pointOf(o, 10), pointOf(o, 11), pointOf(o, 13), pointOf(o, 12)}, true);
    } else if (type == "TEXT") {
        addText(out, o, m, groupText(o, 1));
    } else if (type == "ATTRIB") {
        if (visibleAttribute(o)) addText(out, o, m, groupText(o, 1));
    } else if (type == "ATTDEF") {
        addText(out, o, m, groupText(o, 2));  // shows its tag
    } else if (type == "HATCH") {
        addHatch(out, o, m, path_);
    } else if (type == "INSERT") {
        insert(o, entities, index, m, out, placed);
    } else if (type == "POLYLINE") {
        polyline(o, entities, index, m, out);
    } else if (type == "LWPOLYLINE") {
        double elevation = realOf(o, 38, 0);
        path_.clear();
        bulges_.clear();
        size_t end = xdataBegin(o);
        for (size_t i = 0; i < end; ++i) {
            const Group& g = o.groups[i];
            if (g.code() == 10 && g.kind() == ValueKind::Point) {
                path_.push_back({g.asPoint()[0], g.asPoint()[1], elevation});
                bulges_.push_back(0);
            } else if (g.code() == 42 && !bulges_.empty()) {
                bulges_.back() = g.kind() == ValueKind::Real ? g.asReal() : 0;
            }
        }
        addPath(out, placeIn(m, o), path_, bulges_, intOf(o, 70, 0) & kPolylineClosed);
    } else if (type == "VERTEX" || type == "SEQEND") {
        // drawn as part of their polyline or insert
    } else if (type == "DIMENSION") {
        const Shapes* block = blockShapes(db_.findRecord(Table::BlockRecord, groupText(o, 2)));
        if (block != nullptr && !block->points.empty()) {
            if (placed != nullptr) {
                placed->push_back({block, m});
            } else {
                for (const ShapeRun& run : block->runs) {
                    startRun(out, run.closed, run.filled);
                    for (uint32_t i = run.begin; i < run.end; ++i) addPoint(out, m, block->points[i]);
                }
            }
        } else {
            startRun(out, false, false);
            for (int code : {10, 11, 13, 14})
                if (first(o, code)) addPoint(out, m, pointOf(o, code));
        }
    } else {
        // LEADER, and types the host does not model: the polyline of their
        // points (a shape's in object coordinates).
        addPoints(out, o, type == "SHAPE" ? placeIn(m, o) : m);
    }
}

void DrawnShapes::finish() {
    box_ = own_.box;
    for (const Placed& p : placed_) {
        const Extents& b = p.block->box;
        for (int corner = 0; corner < 8; ++corner)
            box_.add(p.m.apply({corner & 1 ? b.max.x : b.min.x, corner & 2 ? b.max.y : b.min.y,
                                corner & 4 ? b.max.z : b.min.z}));
    }
}

bool DrawnShapes::build(const std::vector<Slot>& entities, size_t index) {
    own_.clear();
    placed_.clear();
    const Object* o = index < entities.size() ? db_.object(entities[index]) : nullptr;
    if (o != nullptr) entity(*o, &entities, index, Matrix(), own_, &placed_);
    finish();
    return box_.valid();
}

bool DrawnShapes::buildAlone(const Object& o) {
    own_.clear();
    placed_.clear();
    entity(o, nullptr, 0, Matrix(), own_, &placed_);
    finish();
    return box_.valid();
}

template <class F>
bool DrawnShapes::anyRun(F f) {
    for (const ShapeRun& run : own_.runs)
        if (run.end > run.begin && f(own_.points.data() + run.begin, run.end - run.begin, run.closed, run.filled))
            return true;
    for (const Placed& p : placed_)
        for (const ShapeRun& run : p.block->runs) {
            if (run.end == run.begin) continue;
            placedPoints_.clear();
            for (uint32_t i = run.begin; i < run.end; ++i) placedPoints_.push_back(p.m.apply(p.block->points[i]));
            if (f(placedPoints_.data(), placedPoints_.size(), run.closed, run.filled)) return true;
        }
    return false;
}

double DrawnShapes::distance(double x, double y) {
    double best = 1e300;
    anyRun([&](const Point3* p, size_t n, bool closed, bool filled) {
        best = std::min(best, runDistance(p, n, closed, filled, x, y));
        return best == 0;
    });
    return best;
}

bool DrawnShapes::inside(double x1, double y1, double x2, double y2) {
    if (!box_.valid()) return false;
    if (pointIn(box_.min, x1, y1, x2, y2) && pointIn(box_.max, x1, y1, x2, y2)) return true;
    if (box_.max.x < x1 || box_.min.x > x2 || box_.max.y < y1 || box_.min.y > y2) return false;
    return !anyRun([&](const Point3* p, size_t n, bool, bool) {
        for (size_t i = 0; i < n; ++i)
            if (!pointIn(p[i], x1, y1, x2, y2)) return true;
        return false;
    });
}

bool DrawnShapes::meets(double x1, double y1, double x2, double y2) {
    if (!box_.valid() || box_.max.x < x1 || box_.min.x > x2 || box_.max.y < y1 || box_.min.y > y2) return false;
    if (pointIn(box_.min, x1, y1, x2, y2) && pointIn(box_.max, x1, y1, x2, y2)) return true;
    return anyRun([&](const Point3* p, size_t n, bool closed, bool filled) {
        for (size_t i = 0; i < n; ++i) {
            if (pointIn(p[i], x1, y1, x2, y2)) return true;
            size_t j = i + 1 < n ? i + 1 : (closed ? 0 : i);
            if (segmentMeetsBox(p[i], p[j], x1, y1, x2, y2)) return true;
        }
        // The window inside an area.
        return filled && n > 2 && insidePolygon(p, n, x1, y1);
    });
}

double distanceTo(const Database& db, Slot entity, double x, double y) {
    const Object* o = db.object(entity);
    if (o == nullptr) return 1e300;
    DrawnShapes shapes(db);
    const Block* block = db.block(db.ownerBlock(entity));
    size_t index = block ? positionInBlock(*block, entity) : 0;
    bool drawn = block && index < block->entities.size() ? shapes.build(block->entities, index) : shapes.buildAlone(*o);
    return drawn ? shapes.distance(x, y) : 1e300;
}

Slot pick(const Database& db, double x, double y, double radius) {
    const Block* ms = db.block(db.modelSpace());
    if (ms == nullptr) return kNoSlot;
    DrawnShapes shapes(db);
    for (size_t i = ms->entities.size(); i-- > 0;) {
        Slot s = ms->entities[i];
        const Object* o = db.object(s);
        if (o == nullptr || o->erased || isSubEntity(*o) || !shapes.build(ms->entities, i)) continue;
        const Extents& box = shapes.box();
        double dx = std::max({box.min.x - x, x - box.max.x, 0.0}), dy = std::max({box.min.y - y, y - box.max.y, 0.0});
        if (std::hypot(dx, dy) <= radius && shapes.distance(x, y) <= radius) return s;
    }
    return kNoSlot;
}

std::vector<Slot> selectWindow(const Database& db, double x1, double y1, double x2, double y2, bool crossing) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    std::vector<Slot> found;
    const Block* ms = db.block(db.modelSpace());
    if (ms == nullptr) return found;
    DrawnShapes shapes(db);
    for (size_t i = 0; i < ms->entities.size(); ++i) {
        const Object* o = db.object(ms->entities[i]);
        if (o == nullptr || o->erased || isSubEntity(*o) || !shapes.build(ms->entities, i)) continue;
        if (crossing ? shapes.meets(x1, y1, x2, y2) : shapes.inside(x1, y1, x2, y2)) found.push_back(ms->entities[i]);
    }
    return found;
}

} // namespace host::db
