// One branch-and-bound for every curve a run keeps (elliptical arcs, spline
// spans), so that a pick is answered alike whatever the curve: the curve is
// cut into pieces, each known by its two ends (points of the curve) and by
// how far it may stray from the chord between them, and a piece can be
// halved.  Pieces are looked at best first, the one that may lie nearest
// taken next, and each piece halved is a step of the caller's work
// (work_budget.h): a question that runs out says so and is never answered
// from a bound it did not tighten.  Internal to the database library.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "db/work_budget.h"

namespace host::db {

// Where a piece is taken as straight, for a window's or a crossing's test
// and for the least distance wanted as a bound: where it strays this
// little from its chord (absolute, and relative to the curve's size) ...
constexpr double kCurveAbsoluteTolerance = 1e-9;
constexpr double kCurveRelativeTolerance = 1e-13;
// ... or, for a bound of the distance (a ring's, which only turns down
// what lies far from everything), this share of the distance itself: from
// near the middle of a nearly round ellipse every point is nearly as far,
// and a finer bound would cost thousands of pieces for nothing.
constexpr double kCurveDistanceShare = 1e-4;
// A safety net: the most pieces one question of one curve (an arc, a
// spline's span) halves, whatever work the caller still has.  A question
// that reaches it ran out of work; a bound is the one tightened so far.
constexpr int kMostHalvings = 4096;

// A piece of a curve in plan: its ends, points of the curve, and a bound
// of how far any point of it lies from the chord between them.  `id` is
// the curve's own name for it.
struct CurvePiece {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    double stray = 0;
    uint32_t id = 0;
};

// A kind of curve: how its pieces are halved.
class CurveKind {
public:
    // The two halves of `piece` (the end of the first the start of the
    // second, a point of the curve); false when it is too small to be cut
    // in the doubles.
    virtual bool halve(const CurvePiece& piece, CurvePiece& first, CurvePiece& second) = 0;
    // The piece is done with, neither kept nor halved: its room may serve a
    // piece made later.  The best-first search keeps its pieces to the end.
    virtual void release(const CurvePiece&) {}

protected:
    ~CurveKind() = default;
};

// The search, its room kept from question to question.
class CurveSearch {
public:
    // Whether some point of the curve made of `pieces` lies within radius
    // of (x, y): Yes only once a point of it is proven within (an end, or
    // a piece near enough along all of its chord), No once every piece
    // left lies farther, OutOfWork when neither could be told: the work
    // ran out, a piece that may be near could be halved no more (Close),
    // or one's numbers overflow (Overflow).
    Found near(CurveKind& kind, const CurvePiece* pieces, size_t n, double x, double y, double radius,
               WorkBudget& budget);
    // The least of `cut` and a bound of the distance from (x, y) to the
    // curve, never more than the true distance and within the tolerance
    // of it (`size` the curve's), unless halving stopped first.
    double nearest(CurveKind& kind, const CurvePiece* pieces, size_t n, double x, double y, double size, double cut);
    // A bound of the farthest any point of the curve lies from (x, y),
    // never less than the truth and within the tolerance of it unless
    // halving stopped first.
    double farthest(CurveKind& kind, const CurvePiece* pieces, size_t n, double x, double y, double size);

private:
    struct Entry {
        double key;  // the heap's least first
        CurvePiece piece;
    };
    static bool after(const Entry& a, const Entry& b);
    void push(double key, const CurvePiece& piece);
    CurvePiece pop();
    std::vector<Entry> heap_;
};

} // namespace host::db
