#include "core/standard_lengths.h"

#include <cmath>

#include "core/drawing_context.h"
#include "core/lconnector.h"

namespace {

double SizeOr(double value, double fallback) {
    return std::isfinite(value) && value > 0.0 ? value : fallback;
}

}  // namespace

double StandardPieceLength(int16_t shape) {
    const LDrawingDefaults fallback;
    const LDrawingDefaults& d = CurrentDrawing() ? CurrentDrawing()->defaults : fallback;
    if (shape == kShapeRect)
        return SizeOr(d.rectPieceLength, fallback.rectPieceLength);
    if (shape == kShapeRound)
        return SizeOr(d.roundPieceLength, fallback.roundPieceLength);
    return 0.0;
}

double PieceLengthOfType(const LTypeDescriptor* row) {
    return row ? StandardPieceLength(row->pieceShape) : 0.0;
}
