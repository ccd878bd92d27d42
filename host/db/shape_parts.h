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

// Curves are cut at the multiples of 1/64 turn, halved as often as their
// size needs for every chord to stay within kChordTolerance of the curve
// in the frame it is drawn in: well within the least pick box (1 unit), so
// that a pick on a curve of any size meets it.  Small curves keep 1/64 turn.
constexpr int kCircleSegments = 64;
constexpr double kChordTolerance = 0.05;
// 64 halved six times: radii up to some 170,000 within the tolerance, and
// no more points than this a turn for a larger or hostile one.
constexpr int kMaxTurnSegments = 4096;
constexpr double kTwoPi = 2 * M_PI;

// An angle group in radians; one far beyond a few turns is brought within
// a turn first, in the unit the file keeps it in (1e20 degrees is the 280
// it names, which the same number in radians no longer holds).
double curveAngle(std::string_view type, int code, double stored);

// The points of the elliptical arc c + a cos t + b sin t, counter-clockwise
// from t0 to t1 (all round when closed): t0, each multiple of the segment
// angle between (so that quadrant points are hit), and t1 unless closed.
// The segment angle suits the arc's size once m carries it into the frame
// it is drawn in.  Nothing for a non-finite t.
void sampleCurve(std::vector<Point3>& out, const Matrix& m, Point3 c, Point3 a, Point3 b, double t0, double t1,
                 bool closed);
// The same as a run of its own, each point carried by m.
void addCurve(Shapes& out, const Matrix& m, Point3 c, Point3 a, Point3 b, double t0, double t1, bool closed);
// Into the current run: the points strictly between p and q of the arc that
// a bulge makes of the segment (its z is p's): the bulge's angle cut in
// equal steps of at most 1/64 turn, each halved as the arc's size needs.
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
void sampleSpline(const SplineData& s, const Matrix& m, std::vector<Point3>& out, SplineData& work);
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
