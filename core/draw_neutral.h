// Entity makers on layer "0" with linetype BYBLOCK and colour 0, so that the
// entities take the pen of the insert.  Each makes one entity (into the
// block being built) and returns the host's status, RTNORM on success.
#pragma once

#include <cstdint>

#include "ads_types.h"

int16_t MakeLine(const ads_point p1, const ads_point p2);
int16_t MakeCircle(const ads_point c, double r);
// An arc from a0 to a1 (radians, counter-clockwise) whose ends meet is
// drawn by readers as the whole circle.  Ends that meet after a whole turn
// forward are a whole circle and made as one; ends that meet otherwise (no
// sweep, or a whole turn backward) are an arc of nothing and not made.
enum class ArcSweep { kNone, kPart, kWhole };
ArcSweep SweepOf(double a0, double a1);
// Turns smaller than this are no turn: the ends of such an arc are all but
// equal, and readers draw it as a whole circle.
constexpr double kLeastSweep = 1e-7;
int16_t MakeArc(const ads_point c, double r, double a0, double a1);
int16_t MakeSolid(const ads_point p1, const ads_point p2, const ads_point p3, const ads_point p4);
// The ratio of an ellipse's minor to its major axis as the host holds it:
// a circle seen at a slant has the cosine of the slant as its ratio, which
// is negative past a right angle and nearly 0 close to it; the host takes
// only 1e-6 to 1, so the size is taken and clamped there.
double EllipseRatio(double ratio);
// A whole ellipse with its major axis along y, half-length a.
int16_t MakeEllipse(const ads_point c, double a, double ratio);
int16_t MakeEllipseArc(const ads_point c, double a, double t0, double t1, double ratio);

// Makes the entity of a list and releases the list; RTERROR for no list.
int16_t MakeFromList(resbuf* list);
