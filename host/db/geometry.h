// World geometry of entities: extents and transforms, for LINE, ARC,
// CIRCLE, ELLIPSE, SOLID, HATCH, TEXT (approximately: height by number of
// characters), INSERT (nested, through its block), LEADER and DIMENSION
// (through its "*D" block, else its points).  Other types give no extents.
// Picks and windows find entities where they are drawn (drawn_shapes.h).
#pragma once

#include <vector>

#include "db/database.h"

namespace host::db {

struct Point3 {
    double x = 0, y = 0, z = 0;
};

struct Extents {
    Point3 min{1e300, 1e300, 1e300};
    Point3 max{-1e300, -1e300, -1e300};
    bool valid() const { return min.x <= max.x; }
    void add(const Point3& p);
    void add(const Extents& other);
};

// A 4x4 affine matrix, row-major, acting on column vectors.
struct Matrix {
    double m[4][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
    Point3 apply(const Point3& p) const;
    Point3 applyVector(const Point3& v) const;  // no translation
    Matrix operator*(const Matrix& other) const;
    static Matrix translation(double x, double y, double z);
    static Matrix rotationZ(double radians);
    static Matrix scaling(double sx, double sy, double sz);
};

// The transform that places an INSERT's block in the world: base point
// back to the origin, scale, rotate, move to the insertion point.
Matrix insertTransform(const Database& db, const Object& insert);

// World extents of an entity; false when it has none.
bool worldExtents(const Database& db, Slot entity, Extents& out);
// Transforms an entity's geometry in place (points, radii, angles, scales
// and XDATA 1011-1013 / 1041 / 1042 as the host does).  False for
// transforms the type cannot take (e.g. non-uniform scale of an ARC).
bool transformEntity(Object& entity, const Matrix& m);

// Picks and windows, over the entities as they are drawn (drawn_shapes.cpp):
// a main entity with its visible attributes or its vertices' path, each
// point in object coordinates carried into the world, seen in plan.

// The topmost (last drawn) live main entity that any part of is within
// radius of (x, y) in model space; kNoSlot when none.  An attribute or
// vertex is never picked on its own, only as part of its insert or polyline.
Slot pick(const Database& db, double x, double y, double radius);
// Live main model-space entities wholly inside the window (crossing: also
// those any part of which meets it), in drawing order, each once.
std::vector<Slot> selectWindow(const Database& db, double x1, double y1, double x2, double y2,
                               bool crossing);

} // namespace host::db
