#include "db/curve_search.h"

#include <algorithm>
#include <cmath>

#include "db/plan_distance.h"

namespace host::db {

namespace {

double chordDistance(const CurvePiece& p, double x, double y) { return segmentDistance(p.x0, p.y0, p.x1, p.y1, x, y); }

double tolerance(double size, double distance) {
    return std::max({kCurveAbsoluteTolerance, kCurveRelativeTolerance * size, kCurveDistanceShare * distance});
}

} // namespace

// The heap's first is its least key.
bool CurveSearch::after(const Entry& a, const Entry& b) { return a.key > b.key; }

void CurveSearch::push(double key, const CurvePiece& piece) {
    heap_.push_back({key, piece});
    std::push_heap(heap_.begin(), heap_.end(), after);
}

CurvePiece CurveSearch::pop() {
    std::pop_heap(heap_.begin(), heap_.end(), after);
    CurvePiece piece = heap_.back().piece;
    heap_.pop_back();
    return piece;
}

// The curve runs on from one end of a piece to the other without leaving
// the band of `stray` round its chord, so it passes within `stray` of the
// chord's point nearest (x, y): a piece lies within chord + stray of it
// somewhere, and nowhere nearer than chord - stray.  A piece whose numbers
// overflow tells nothing: unless another is found near, the answer is
// left undecided.  So is one that still may be near when it is too small
// to halve, or after the most halvings.
Found CurveSearch::near(CurveKind& kind, const CurvePiece* pieces, size_t n, double x, double y, double radius,
                        WorkBudget& budget) {
    heap_.clear();
    bool overflow = false;
    // Whether the piece is proven near; else kept when it may be.
    auto proven = [&](const CurvePiece& p) {
        double chord = chordDistance(p, x, y);
        if (!std::isfinite(chord) || !std::isfinite(p.stray)) {
            overflow = true;
            return false;
        }
        if (chord + p.stray <= radius) return true;
        if (chord - p.stray <= radius) push(chord - p.stray, p);
        return false;
    };
    for (size_t i = 0; i < n; ++i) {
        const CurvePiece& p = pieces[i];
        if (std::hypot(p.x0 - x, p.y0 - y) <= radius || std::hypot(p.x1 - x, p.y1 - y) <= radius) return Found::Yes;
        if (proven(p)) return Found::Yes;
    }
    for (int halved = 0; !heap_.empty(); ++halved) {
        if (halved >= kMostHalvings) return budget.undecided(Doubt::Close);
        if (!budget.spend(1)) return Found::OutOfWork;
        CurvePiece p = pop(), first, second;
        if (!kind.halve(p, first, second)) return budget.undecided(Doubt::Close);
        if (std::hypot(first.x1 - x, first.y1 - y) <= radius || proven(first) || proven(second)) return Found::Yes;
    }
    return overflow ? budget.undecided(Doubt::Overflow) : Found::No;
}

// Best first, a piece dropped once it cannot come nearer than a point
// found (or `cut`): whenever it stops, the least that any piece left may
// lie is a true bound, the nearest piece being the heap's first.
double CurveSearch::nearest(CurveKind& kind, const CurvePiece* pieces, size_t n, double x, double y, double size,
                            double cut) {
    heap_.clear();
    double best = INFINITY;  // some point of the curve lies no farther
    auto look = [&](const CurvePiece& p) {
        double chord = chordDistance(p, x, y);
        best = std::min(best, chord + p.stray);
        double least = std::max(0.0, chord - p.stray);
        if (least < std::min(cut, best)) push(least, p);
    };
    for (size_t i = 0; i < n; ++i)
        best = std::min({best, std::hypot(pieces[i].x0 - x, pieces[i].y0 - y),
                         std::hypot(pieces[i].x1 - x, pieces[i].y1 - y)});
    for (size_t i = 0; i < n; ++i) look(pieces[i]);
    for (int halved = 0;; ++halved) {
        double bound = std::min(cut, best);
        if (heap_.empty()) return bound;
        double least = heap_.front().key;
        if (least >= bound - tolerance(size, least) || halved >= kMostHalvings) return std::min(bound, least);
        CurvePiece p = pop(), first, second;
        if (!kind.halve(p, first, second)) return std::min(bound, least);
        best = std::min(best, std::hypot(first.x1 - x, first.y1 - y));
        look(first);
        look(second);
    }
}

double CurveSearch::farthest(CurveKind& kind, const CurvePiece* pieces, size_t n, double x, double y, double size) {
    heap_.clear();
    double best = 0;  // some point of the curve lies as far
    auto look = [&](const CurvePiece& p) {
        double most = std::max(std::hypot(p.x0 - x, p.y0 - y), std::hypot(p.x1 - x, p.y1 - y)) + p.stray;
        if (most > best) push(-most, p);
    };
    for (size_t i = 0; i < n; ++i)
        best = std::max({best, std::hypot(pieces[i].x0 - x, pieces[i].y0 - y),
                         std::hypot(pieces[i].x1 - x, pieces[i].y1 - y)});
    for (size_t i = 0; i < n; ++i) look(pieces[i]);
    for (int halved = 0;; ++halved) {
        if (heap_.empty()) return best;
        double most = -heap_.front().key;
        if (most <= best + tolerance(size, most) || halved >= kMostHalvings) return std::max(best, most);
        CurvePiece p = pop(), first, second;
        if (!kind.halve(p, first, second)) return std::max(best, most);
        best = std::max(best, std::hypot(first.x1 - x, first.y1 - y));
        look(first);
        look(second);
    }
}

} // namespace host::db
