// World geometry of entities: points, boxes and matrices; where an INSERT
// (or each copy of a MINSERT) puts its block; the world extents of an
// entity as it is drawn (drawn_shapes.h knows what that is, for extents
// and selection alike); transforms of an entity's stored geometry.
#pragma once

#include <algorithm>
#include <cmath>
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
    void add(const Point3& p) {
        min = {std::min(min.x, p.x), std::min(min.y, p.y), std::min(min.z, p.z)};
        max = {std::max(max.x, p.x), std::max(max.y, p.y), std::max(max.z, p.z)};
    }
    void add(const Extents& other) {
        if (!other.valid()) return;
        add(other.min);
        add(other.max);
    }
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

// Where an INSERT puts its block: the matrix of its first copy (base point
// back to the origin, scale, rotate, move to the insertion point, carried
// by the extrusion), and for a MINSERT its columns and rows, each copy the
// first moved by column * columnStep + row * rowStep (the spacings 44 and
// 45 along the insert's rotated axes, in the frame the matrix maps into).
struct InsertPlacement {
    Matrix m;
    Point3 columnStep, rowStep;
    int columns = 1, rows = 1;
    // The same placement step by step, for boxes placed as saves always
    // placed them (the same rounding).
    Point3 at, scale{1, 1, 1}, base;
    double cosine = 1, sine = 0;
    bool inPlane = true;  // no extrusion but +Z
    Point3 place(const Point3& local) const {
        if (!inPlane) return m.apply(local);
        double x = (local.x - base.x) * scale.x, y = (local.y - base.y) * scale.y, z = local.z - base.z;
        return {at.x + cosine * x - sine * y, at.y + sine * x + cosine * y, at.z + z * scale.z};
    }
};
InsertPlacement insertPlacement(const Database& db, const Object& insert);
// The same with its block record found already (kNoSlot: none).
InsertPlacement insertPlacement(const Database& db, const Object& insert, Slot record);
// The same with the block's base point known too.
InsertPlacement insertPlacement(const Object& insert, const Point3& base);
// A block's base point (the 10 of its BLOCK); the origin for a record that is no block.
Point3 blockBase(const Database& db, Slot record);
// The first copy's matrix alone.
Matrix insertTransform(const Database& db, const Object& insert);

// The box around the eight corners of `box` carried by m; `known`, when
// given, says whether every corner is finite (cornersKnown).
Extents transformedBox(const Extents& box, const Matrix& m, bool* known = nullptr);
// Whether a box round a valid box's corners carried by a matrix holds them
// all: a corner that overflows (a NaN coordinate, which the box leaves out)
// overflows through an infinite product, which leaves an infinite coordinate
// in it or in another corner, unless every corner is lost.
// (A sum of its coordinates that overflows only makes a box of such
// numbers unknown, which it nearly is.)
inline bool cornersKnown(const Extents& carried) {
    return carried.valid() &&
           std::isfinite(carried.min.x + carried.min.y + carried.min.z + carried.max.x + carried.max.y + carried.max.z);
}

// World extents of an entity as drawn (with its attributes or vertices);
// false when it has none.  A ray or construction line gives its start
// point alone (an XLINE nothing), never an endless number.
bool worldExtents(const Database& db, Slot entity, Extents& out);
// Transforms an entity's geometry in place (points, radii, angles, scales
// and XDATA 1011-1013 / 1041 / 1042 as the host does).  False for
// transforms the type cannot take (e.g. non-uniform scale of an ARC).
bool transformEntity(Object& entity, const Matrix& m);

} // namespace host::db
