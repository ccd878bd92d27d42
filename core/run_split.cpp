#include "core/run_split.h"

#include <cmath>

#include "core/rounding.h"

PieceSplit SplitIntoPieces(double length, double pieceLength) {
    if (!(pieceLength > 0.0) || !std::isfinite(pieceLength) || !(length > 0.0))
        return {0, RoundToShort(length)};
    double whole = std::floor(length / pieceLength);
    if (whole > kMaxPieces)
        whole = kMaxPieces;
    return {static_cast<int>(whole), RoundToShort(length - whole * pieceLength)};
}
