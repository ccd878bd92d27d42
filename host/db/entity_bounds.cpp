#include "db/entity_bounds.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "db/entity_values.h"
#include "db/finite_numbers.h"
#include "db/polyline_flags.h"
#include "db/sub_entities.h"

namespace host::db {

namespace {

using namespace values;

struct Kinds {
    TypeId line, circle, arc, lwpolyline, polyline, vertex;
};
const Kinds& kinds() {
    static const Kinds k{internType("LINE"),       internType("CIRCLE"),   internType("ARC"),
                         internType("LWPOLYLINE"), internType("POLYLINE"), internType("VERTEX")};
    return k;
}

// The first group of each code an entity's bound reads, in one pass over
// its body (a pick reads every entity of a drawing).
struct BoundGroups {
    const Group *point = nullptr, *other = nullptr, *radius = nullptr, *bulge = nullptr, *start = nullptr,
                *end = nullptr, *flags = nullptr, *extrusion = nullptr;
    explicit BoundGroups(const Object& o) {
        for (const Group& g : o.groups) {
            const Group** slot = nullptr;
            switch (g.code()) {
            case 10: slot = &point; break;
            case 11: slot = &other; break;
            case 40: slot = &start; break;
            case 41: slot = &end; break;
            case 42: slot = &bulge; break;
            case 70: slot = &flags; break;
            case 210: slot = &extrusion; break;
            case 1001: return;  // XDATA
            default: continue;
            }
            if (*slot == nullptr) *slot = &g;
        }
    }
    static Point3 pointOf(const Group* g) { return g ? toPoint(g->asPoint()) : Point3{}; }
    bool inWorldPlane() const {
        if (extrusion == nullptr || extrusion->kind() != ValueKind::Point) return true;
        const double* n = extrusion->asPoint();
        return n[0] == 0 && n[1] == 0 && n[2] > 0;
    }
};

// A path of vertices with bulges: its vertices' box grown by the most any
// part strays from it.  An arc of bulge b over a chord c stays within
// |b| c / 2 of the chord (its sagitta, at a half circle its radius).
class PathBound {
public:
    bool vertex(const Point3& p) {
        if (!finite(p)) return false;
        if (have_) grow_ = std::max(grow_, std::fabs(bulge_) * std::hypot(p.x - last_.x, p.y - last_.y) / 2);
        if (!have_) first_ = p;
        box_.add(p);
        last_ = p;
        have_ = true;
        bulge_ = 0;
        return true;
    }
    bool bulge(double b) {
        if (!std::isfinite(b)) return false;
        bulge_ = b;
        return true;
    }
    // A band's joints are mitred, and a mitre reaches farther the sharper
    // the turn: a polyline with a width is drawn to be bounded.
    bool width(double w) { return w == 0; }
    // The last vertex's bulge runs back to the first when closed.
    bool finish(bool closed, Extents& out) {
        if (!have_) return false;
        if (closed) grow_ = std::max(grow_, std::fabs(bulge_) * std::hypot(first_.x - last_.x, first_.y - last_.y) / 2);
        double g = grow_;
        if (!std::isfinite(g)) return false;
        out = box_;
        out.min.x -= g;
        out.min.y -= g;
        out.max.x += g;
        out.max.y += g;
        return finite(out.min) && finite(out.max);
    }

private:
    Extents box_;
    Point3 first_, last_;
    double bulge_ = 0, grow_ = 0;
    bool have_ = false;
};

bool lightweightPolyline(const Object& o, Extents& out) {
    PathBound path;
    double elevation = 0;
    bool closed = false, elevated = false, flagged = false;  // the first 38 and 70 count, as in the drawing
    const size_t end = o.groups.size();
    for (size_t i = 0; i < end; ++i) {
        const Group& g = o.groups[i];
        bool ok = true;
        switch (g.code()) {
        case 10:
            if (g.kind() != ValueKind::Point) return false;
            ok = path.vertex({g.asPoint()[0], g.asPoint()[1], 0});
            break;
        case 42: ok = path.bulge(realValue(g)); break;
        case 40:
        case 41:
        case 43: ok = path.width(realValue(g)); break;
        case 38: if (!std::exchange(elevated, true)) elevation = realValue(g); break;
        case 70: if (!std::exchange(flagged, true)) closed = g.asInt() & kPolylineClosed; break;
        case 210:
            if (g.kind() == ValueKind::Point && !(g.asPoint()[0] == 0 && g.asPoint()[1] == 0 && g.asPoint()[2] > 0))
                return false;
            break;
        case 1001: i = end; continue;
        default: break;
        }
        if (!ok) return false;
    }
    if (!path.finish(closed, out) || !std::isfinite(elevation)) return false;
    out.min.z = out.max.z = elevation;
    return true;
}

bool polyline(const Database& db, const std::vector<Slot>& entities, size_t index, const Object& o, Extents& out) {
    BoundGroups head(o);
    int flags = head.flags ? static_cast<int>(head.flags->asInt()) : 0;
    if (isMesh(flags) || !head.inWorldPlane()) return false;
    bool plane = !(flags & kPolyline3d);
    PathBound path;
    if (plane && !(path.width(realOr(head.start, 0)) && path.width(realOr(head.end, 0)))) return false;
    double elevation = BoundGroups::pointOf(head.point).z;
    Extents heights;
    const Kinds& k = kinds();
    for (size_t i = index + 1; i < entities.size(); ++i) {
        const Object* v = db.object(entities[i]);
        if (v == nullptr || !isSubEntity(*v) || v->owner != o.handle) break;
        if (v->erased || v->type != k.vertex) continue;
        BoundGroups vertex(*v);
        int vertexFlags = vertex.flags ? static_cast<int>(vertex.flags->asInt()) : 0;
        if (vertexRole(flags, vertexFlags) != VertexRole::Point) continue;
        Point3 p = BoundGroups::pointOf(vertex.point);
        if (!finite(p)) return false;
        heights.add(Point3{0, 0, p.z});
        if (plane) p.z = 0;
        if (!path.vertex(p)) return false;
        if (plane && !(path.bulge(realOr(vertex.bulge, 0)) && path.width(realOr(vertex.start, 0)) &&
                       path.width(realOr(vertex.end, 0))))
            return false;
    }
    if (!path.finish(flags & kPolylineClosed, out) || !std::isfinite(elevation)) return false;
    if (plane) {
        out.min.z = out.max.z = elevation;
    } else {
        out.min.z = heights.min.z;
        out.max.z = heights.max.z;
    }
    return true;
}

bool circle(const Object& o, Extents& out) {
    BoundGroups groups(o);
    if (!groups.inWorldPlane()) return false;
    Point3 c = BoundGroups::pointOf(groups.point);
    double r = std::fabs(realOr(groups.start, 0));
    if (!finite(c) || !std::isfinite(r)) return false;
    out = Extents();
    out.add(Point3{c.x - r, c.y - r, c.z});
    out.add(Point3{c.x + r, c.y + r, c.z});
    return finite(out.min) && finite(out.max);
}

bool line(const Object& o, Extents& out) {
    BoundGroups groups(o);
    Point3 a = BoundGroups::pointOf(groups.point), b = BoundGroups::pointOf(groups.other);
    if (!finite(a) || !finite(b)) return false;
    out = Extents();
    out.add(a);
    out.add(b);
    return true;
}

} // namespace

bool quickBounds(const Database& db, const std::vector<Slot>& entities, size_t index, Extents& out) {
    const Object* o = index < entities.size() ? db.object(entities[index]) : nullptr;
    if (o == nullptr || o->erased) return false;
    const Kinds& k = kinds();
    if (o->type == k.line) return line(*o, out);
    if (o->type == k.circle || o->type == k.arc) return circle(*o, out);
    if (o->type == k.lwpolyline) return lightweightPolyline(*o, out);
    if (o->type == k.polyline) return polyline(db, entities, index, *o, out);
    return false;
}

} // namespace host::db
