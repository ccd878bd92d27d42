#include "core/run_split.h"

#include <cmath>

#include "core/rounding.h"

PieceSplit SplitIntoPieces(double length, double pieceLength) {
    if (!(pieceLength > 0.0) || !std::isfinite(pieceLength) || !(length > 0.0))
        return {0, RoundToShort(length)};
    // A piece length of next to nothing gives an infinite quotient; it is
    // only ever compared with the bound.
    double whole = std::floor(length / pieceLength);
    if (!(whole <= kMaxPieces))
        return {0, RoundToShort(length), true};
    return {static_cast<int>(whole), RoundToShort(length - whole * pieceLength)};
}
