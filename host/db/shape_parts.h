// Pieces the leaf shapes share (entity_shapes, text_shapes, spline_shapes,
// hatch_shapes, mesh_shapes): curves sampled one way, so that the extents
// and the selection see the same points, and the kinds kept in files of
// their own.  Internal to the database library.
#pragma once

#include <cmath>
#include <string_view>
#include <vector>

#include "db/entity_shapes.h"

namespace host::db::parts {

constexpr int kCircleSegments = 64;
constexpr double kTwoPi = 2 * M_PI;

// The points of the elliptical arc c + a cos t + b sin t, counter-clockwise
// from t0 to t1 (all round when closed): t0, each multiple of the segment
// angle between (so that quadrant points are hit), and t1 unless closed.
// Nothing for a non-finite t.
void sampleCurve(std::vector<Point3>& out, Point3 c, Point3 a, Point3 b, double t0, double t1, bool closed);
// The same as a run of its own.
void addCurve(Shapes& out, const Matrix& m, Point3 c, Point3 a, Point3 b, double t0, double t1, bool closed);
// Into the current run: the points strictly between p and q of the arc that
// a bulge makes of the segment (its z is p's).
void addBulge(Shapes& out, const Matrix& m, const Point3& p, const Point3& q, double bulge);
// Into the current run: the vertices, each bulge an arc to the next (the
// last one's back to the first when closed).
void addPathPoints(Shapes& out, const Matrix& m, const std::vector<Point3>& vertices, const std::vector<double>& bulges,
                   bool closed);

// Points along the curve, a bounded number per knot span; through the fit
// points when it has no control points; the control polygon when degree,
// knots and weights do not fit together.
void sampleSpline(const SplineData& s, std::vector<Point3>& out);

// The kinds kept in files of their own.
void addMText(const Object& o, const Matrix& m, Shapes& out);
void addSpline(const Object& o, const Matrix& m, Shapes& out, ShapeScratch& scratch);
void addHatch(const Object& o, const Matrix& m, Shapes& out, ShapeScratch& scratch);
void addFace(const Object& o, const Matrix& m, Shapes& out);
// A polygon or polyface mesh: the edges of its faces.  `subs` its VERTEXes.
void addMesh(const Object& o, const std::vector<const Object*>& subs, const Matrix& m, Shapes& out,
             ShapeScratch& scratch);

} // namespace host::db::parts
