// What one entity draws, in the frame of the block that holds it: its
// points in object coordinates carried by its extrusion (arbitrary axis
// algorithm), curves as arcs, splines by their chords and curve, texts as
// the box their characters take, rays and construction lines as endless
// runs.
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

// A B-spline as a file gives it: degree, knots, control points with their
// weights (none: all 1), and the fit points it passes through with the
// tangents at its ends (12 and 13), when given.
struct SplineData {
    long degree = 3;
    std::vector<double> knots, weights;
    std::vector<Point3> control, fit;
    Point3 startTangent, endTangent;
    bool hasStartTangent = false, hasEndTangent = false;
    void clear() {
        degree = 3;
        knots.clear();
        weights.clear();
        control.clear();
        fit.clear();
        hasStartTangent = hasEndTangent = false;
    }
};

// Buffers kept from entity to entity.
struct ShapeScratch {
    std::vector<Point3> path, curve;
    std::vector<double> bulges, startWidths, endWidths;
    SplineData spline;
    SplineData drawn;  // the spline as it is evaluated: knots scaled, or made through the fit points
};

// Appends the runs of a leaf entity, each point carried by m.  `subs` are
// its sub-entities in order (a POLYLINE's VERTEXes), erased ones left out
// by the caller.  INSERT, DIMENSION, ATTRIB, VERTEX and SEQEND add nothing.
void addEntityShape(const Object& o, const std::vector<const Object*>& subs, const Matrix& m, Shapes& out,
                    ShapeScratch& scratch);
// A single-line text's box (TEXT, ATTRIB, ATTDEF) showing `shown`.
void addTextBox(const Object& o, const Matrix& m, std::string_view shown, Shapes& out);

} // namespace host::db
