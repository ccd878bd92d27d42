// Faces drawn by their edges: a 3DFACE's four edges without those flagged
// invisible, a polygon mesh's M x N grid (closed in M, in N by its flags)
// and a polyface mesh's face records, whose vertex indices name the
// mesh's points from 1 (a negative index: the edge from it is invisible).
// All in world coordinates.  A grid larger than its vertices draws
// nothing, an index past them nothing of its edges: never a read past the
// list.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "db/entity_values.h"
#include "db/polyline_flags.h"
#include "db/shape_parts.h"

namespace host::db::parts {

namespace {

using namespace values;

// 3DFACE 70: edges 1 to 4 invisible.
constexpr int kFirstEdgeInvisible = 1;
constexpr int kFaceCorners = 4;
// A polyface face record's vertex indices.
constexpr int kFaceIndexCodes[kFaceCorners] = {71, 72, 73, 74};

void addEdge(Shapes& out, const Matrix& m, const Point3& a, const Point3& b) {
    out.startRun(RunKind::Open);
    out.add(m, a);
    out.add(m, b);
}

void addPolygonMesh(const Object& o, const std::vector<Point3>& v, const Matrix& m, Shapes& out) {
    int flags = intOf(o, 70, 0);
    long rows = intOf(o, 71, 0), columns = intOf(o, 72, 0);
    if (rows < 1 || columns < 1 || static_cast<unsigned long>(rows) > v.size() / static_cast<unsigned long>(columns))
        return;
    auto at = [&](long r, long c) { return v[static_cast<size_t>(r * columns + c)]; };
    for (long r = 0; r < rows; ++r) {
        out.startRun(flags & kMeshClosedInN ? RunKind::Closed : RunKind::Open);
        for (long c = 0; c < columns; ++c) out.add(m, at(r, c));
    }
    for (long c = 0; c < columns; ++c) {
        out.startRun(flags & kPolylineClosed ? RunKind::Closed : RunKind::Open);
        for (long r = 0; r < rows; ++r) out.add(m, at(r, c));
    }
}

void addPolyfaceMesh(const Object& o, const std::vector<const Object*>& subs, const std::vector<Point3>& v,
                     const Matrix& m, Shapes& out) {
    int flags = intOf(o, 70, 0);
    for (const Object* face : subs) {
        if (!face->isType("VERTEX") || vertexRole(flags, intOf(*face, 70, 0)) != VertexRole::Face) continue;
        long index[kFaceCorners];
        int corners = 0;
        for (int code : kFaceIndexCodes)
            if (long i = intOf(*face, code, 0); i != 0) index[corners++] = i;
        for (int k = 0; k < corners && corners > 1; ++k) {
            long from = index[k], to = std::labs(index[(k + 1) % corners]);
            if (from < 0 || static_cast<unsigned long>(from) > v.size() || static_cast<unsigned long>(to) > v.size())
                continue;  // invisible, or no such point
            addEdge(out, m, v[static_cast<size_t>(from - 1)], v[static_cast<size_t>(to - 1)]);
        }
    }
}

} // namespace

void addFace(const Object& o, const Matrix& m, Shapes& out) {
    Point3 corner[kFaceCorners] = {pointOf(o, 10), pointOf(o, 11), pointOf(o, 12),
                                   first(o, 13) ? pointOf(o, 13) : pointOf(o, 12)};
    int hidden = intOf(o, 70, 0);
    for (int k = 0; k < kFaceCorners; ++k)
        if (!(hidden & (kFirstEdgeInvisible << k))) addEdge(out, m, corner[k], corner[(k + 1) % kFaceCorners]);
}

void addMesh(const Object& o, const std::vector<const Object*>& subs, const Matrix& m, Shapes& out,
             ShapeScratch& scratch) {
    std::vector<Point3>& points = scratch.path;
    points.clear();
    int flags = intOf(o, 70, 0);
    for (const Object* v : subs)
        if (v->isType("VERTEX") && vertexRole(flags, intOf(*v, 70, 0)) == VertexRole::Point)
            points.push_back(pointOf(*v, 10));
    if (flags & kPolygonMesh) addPolygonMesh(o, points, m, out);
    else addPolyfaceMesh(o, subs, points, m, out);
}

} // namespace host::db::parts
