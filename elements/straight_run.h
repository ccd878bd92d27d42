// What the straight ducts that are bought in standard pieces (VL-01 and
// SPIRO) share: where connectors and labels sit along the run, which gaps
// the run stretches across, its piece dimensions and its joints and faces
// in the block.  The run lies along x, connector 0 at +l/2 and connector 1
// at -l/2; pieces are counted from connector 0 and the shorter rest piece
// (rest > 0) comes last.
#pragma once

#include <cstdint>
#include <vector>

#include "core/lobject.h"

struct StraightRun {
    double l;
    double pieceLength;
    int pieces;   // whole standard pieces
    double rest;  // the shorter last piece, 0 when there is none

    // Pieces of the run, the rest piece included.
    int Parts() const { return pieces + (rest > 0.0 ? 1 : 0); }
    std::vector<double> Lengths() const;
};

// Any finite value above zero.
bool IsSize(double v);

// Connectors at both ends; each label sits at the middle of its piece.
void PlaceEndsAndLabels(LObject& e, const StraightRun& run);

// Whether connectors a and b, 0 and 1 in either order, are `along` apart
// in a straight line (nothing across) in a view that shows the length.
bool IsStraightGap(int16_t orientation, int16_t a, int16_t b, double along, double across);

// One aligned dimension per piece laid from the end of connector 0,
// `offset` off the axis; the last one measures the rest (or a whole piece).
void DimensionPieces(LObject& e, const StraightRun& run, double offset);

// Into the open block: the joints between pieces across the run, reaching
// jointHalf either side of the axis, on pen 1; the two faces at +-faceHalf.
void DrawJointsAndFaces(LObject& e, const StraightRun& run, double jointHalf, double faceHalf);
