// Pieces the leaf shapes share (entity_shapes, text_shapes, spline_shapes,
// hatch_shapes, mesh_shapes): curves made one way, so that the extents
// and the selection see the same curve, and the kinds kept in files of
// their own.  Internal to the database library.
#pragma once

#include <cmath>
#include <string_view>
#include <vector>

#include "db/entity_shapes.h"

namespace host::db::parts {

constexpr double kTwoPi = 2 * M_PI;

// An angle group in radians; one far beyond a few turns is brought within
// a turn first, in the unit the file keeps it in (1e20 degrees is the 280
// it names, which the same number in radians no longer holds).
double curveAngle(std::string_view type, int code, double stored);

// The parameters of the elliptical arc counter-clockwise from t0 to t1
// (all round when closed) as they are drawn: each far beyond a few turns
// brought within one, t1 after t0 by at most a turn; false for a non-finite one.
bool arcRange(double& t0, double& t1, bool closed);
// The elliptical arc c + a cos t + b sin t, counter-clockwise from t0 to t1
// (all round when closed), as a run of its own carried by m: kept as the
// arc it is (shape_runs.h), between its ends (or, closed, between the
// point at t0 and the one half a turn on).
void addCurve(Shapes& out, const Matrix& m, Point3 c, Point3 a, Point3 b, double t0, double t1, bool closed);
// Into the current run: the point at `from`, the arc on to `to` (either
// way round) and the point there.
void addArc(Shapes& out, const Matrix& m, const Point3& c, const Point3& a, const Point3& b, double from, double to);

// A bulge this small bends a segment by less than about this share of its
// length (its sagitta is bulge x length / 2, each end leans by about twice
// the bulge): no more than rounding costs an arc worked out about a centre
// over 1e7 lengths away, whose numbers overflow long before the segment's
// do where it is placed large.  Such a segment is drawn straight, thin or
// wide.
constexpr double kStraightBulge = 1e-8;
inline bool straightBulge(double bulge) { return std::fabs(bulge) <= kStraightBulge; }

// The circle a bulge makes of the segment from p to q (its z is p's):
// c + a cos t + b sin t from t = 0 at p to `angle` at q; false when the
// segment stays straight (a straight bulge, no length, no finite centre).
struct BulgeArc {
    Point3 c, a, b;
    double angle = 0;
};
bool bulgeArc(const Point3& p, const Point3& q, double bulge, BulgeArc& out);
// The current run's last point being p: the piece to the next point the
// caller adds, q, is the arc the bulge makes of the segment.
void addBulge(Shapes& out, const Matrix& m, const Point3& p, const Point3& q, double bulge);
// Into the current run: the vertices, each bulge an arc to the next (the
// last one's back to the first when closed).
void addPathPoints(Shapes& out, const Matrix& m, const std::vector<Point3>& vertices, const std::vector<double>& bulges,
                   bool closed);

// Points along the curve, each knot span cut until its chords stay within
// kChordTolerance of it in the frame m carries it into, with a bounded
// number of points a span and a spline; through the fit points when it has
// no control points (spline_fit.cpp); the control polygon when degree,
// knots and weights do not fit together.  `work` is room kept from call to
// call.
// True when it is drawn as the curve, `work` then holding the curve as it
// is evaluated (degree, control points, weights, knots in their own scale).
bool sampleSpline(const SplineData& s, const Matrix& m, std::vector<Point3>& out, SplineData& work);

// The cubic B-spline through the fit points as CAD programs make it:
// chord-length parameters, the end tangents given (both, else estimated
// from the points), scaled by the points' chord length.  False, leaving
// `out` with no control points, when it cannot be made (fewer than two
// distinct finite points, a system that does not solve); then the fit
// points are drawn as they are.
bool interpolateFitPoints(const SplineData& s, SplineData& out);

// The kinds kept in files of their own.
void addMText(const Object& o, const Matrix& m, Shapes& out);
void addSpline(const Object& o, const Matrix& m, Shapes& out, ShapeScratch& scratch);
void addHatch(const Object& o, const Matrix& m, Shapes& out, ShapeScratch& scratch);
void addFace(const Object& o, const Matrix& m, Shapes& out);
// A polygon or polyface mesh: the edges of its faces.  `subs` its VERTEXes.
void addMesh(const Object& o, const std::vector<const Object*>& subs, const Matrix& m, Shapes& out,
             ShapeScratch& scratch);

} // namespace host::db::parts
