// What the flags (70) of a POLYLINE and of its VERTEXes say: the kind of
// polyline, and what each vertex is in it.  The drawing and the sure box
// both ask here which vertices are drawn: a box that left out a drawn
// vertex would turn down picks on it.
#pragma once

namespace host::db {

// POLYLINE 70 (an LWPOLYLINE's 70 too for closed).
constexpr int kPolylineClosed = 1;  // a polygon mesh: closed in M
constexpr int kPolyline3d = 8;
constexpr int kPolygonMesh = 16;
constexpr int kMeshClosedInN = 32;
constexpr int kPolyfaceMesh = 64;
// VERTEX 70.
constexpr int kVertexSplineFrame = 16;  // a control point of a spline fit
constexpr int kVertexMesh = 64;
constexpr int kVertexFaceRecord = 128;  // with kVertexMesh a polyface's point, alone a face

inline bool isMesh(int polylineFlags) { return (polylineFlags & (kPolygonMesh | kPolyfaceMesh)) != 0; }
// A polyline flagged as both kinds of mesh is a polygon mesh.
inline bool isPolyface(int polylineFlags) { return isMesh(polylineFlags) && !(polylineFlags & kPolygonMesh); }

enum class VertexRole {
    Skipped,  // not drawn: a spline fit's control point, a face record outside a polyface, a non-mesh point in a mesh
    Point,    // a point of the path, or of the mesh
    Face,     // a polyface's face record, naming its corners by index
};

// What a VERTEX with `vertexFlags` is in a POLYLINE with `polylineFlags`.
inline VertexRole vertexRole(int polylineFlags, int vertexFlags) {
    if ((vertexFlags & kVertexFaceRecord) && !(vertexFlags & kVertexMesh))
        return isPolyface(polylineFlags) ? VertexRole::Face : VertexRole::Skipped;
    if (vertexFlags & kVertexSplineFrame) return VertexRole::Skipped;
    if (isMesh(polylineFlags) && !(vertexFlags & kVertexMesh)) return VertexRole::Skipped;
    return VertexRole::Point;
}

} // namespace host::db
