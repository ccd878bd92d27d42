// How a straight run is cut into standard pieces.
#pragma once

#include <cstdint>


// The most whole pieces one stored run is cut into (a label per piece).
// Placement never stores a run of more than one piece; a stored length or
// piece length that would give more than this (a damaged or hand-edited
// drawing: a length of 1e9, a piece of 4.9e-324) leaves the run uncut, one
// piece of its own length, rather than thousands of labels and bill rows.
constexpr int kMaxPieces = 1000;

struct PieceSplit {
    int pieces;    // whole standard pieces
    int16_t rest;  // the rounded remainder
    bool uncut = false;  // more than kMaxPieces pieces: taken as one
};

// pieces = floor(length / pieceLength), rest = the remainder rounded (halves
// away from zero) and clamped to 16 bits.  A piece length of 0 or less (or
// not a number) cuts nothing: no whole pieces, the length is the rest.  A
// run of more than kMaxPieces whole pieces is not cut either, and says so.
PieceSplit SplitIntoPieces(double length, double pieceLength);

// What an element keeps of its split for the note the loader gives: whether
// its run was left uncut, with the length and piece length it holds.
struct UncutRun {
    bool uncut = false;
    double length = 0.0;
    double pieceLength = 0.0;
};
inline UncutRun UncutRunOf(const PieceSplit& split, double length, double pieceLength) {
    return split.uncut ? UncutRun{true, length, pieceLength} : UncutRun{};
}
