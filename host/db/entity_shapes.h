// What one entity draws, in the frame of the block that holds it: its
// points in object coordinates carried by its extrusion (arbitrary axis
// algorithm), curves sampled, texts as the box their characters take.
// Entities that place a block (INSERT, DIMENSION) and attributes are put
// together by the caller (drawn_shapes.h); this file knows every other kind.
#pragma once

#include <string_view>
#include <vector>

#include "db/shape_runs.h"

namespace host::db {

// The matrix that takes an entity's object coordinates (extrusion, group
// 210) into the world; the identity for +Z or no extrusion.
Matrix objectToWorld(const Object& entity);
// m followed by the entity's object-coordinate placement.
Matrix placeIn(const Matrix& m, const Object& entity);

// Buffers kept from entity to entity.
struct ShapeScratch {
    std::vector<Point3> path;
    std::vector<double> bulges;
};

// Appends the runs of a leaf entity, each point carried by m.  `subs` are
// its sub-entities in order (a POLYLINE's VERTEXes), erased ones left out
// by the caller.  INSERT, DIMENSION, ATTRIB, VERTEX and SEQEND add nothing.
void addEntityShape(const Object& o, const std::vector<const Object*>& subs, const Matrix& m, Shapes& out,
                    ShapeScratch& scratch);
// A single-line text's box (TEXT, ATTRIB, ATTDEF) showing `shown`.
void addTextBox(const Object& o, const Matrix& m, std::string_view shown, Shapes& out);

} // namespace host::db
