// How a straight run is cut into standard pieces.
#pragma once

#include <cstdint>

// The most pieces one run is cut into (a label per piece, counted in 16 bits).
constexpr int kMaxPieces = 32000;

struct PieceSplit {
    int pieces;    // whole standard pieces
    int16_t rest;  // the rounded remainder
};

// pieces = floor(length / pieceLength), rest = the remainder rounded (halves
// away from zero).  A piece length of 0 or less (or not a number) cuts
// nothing: no whole pieces, the length is the rest.  A run longer than
// kMaxPieces pieces is cut into kMaxPieces and the rest is what is left,
// clamped to 16 bits.
PieceSplit SplitIntoPieces(double length, double pieceLength);
