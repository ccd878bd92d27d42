// Straight lines of an element's figure by the pen they are drawn with, so
// that a class can lay its views out as tables of segments.  Points are in
// the block's drawing plane (z = 0).
#pragma once

#include <cstdint>

class LObject;

enum class FigurePen {
    kOutline,  // layer "0", by block: takes the insert's pen
    kPen1,     // detail on pen 1
    kPen2,     // detail on pen 2
    kHidden,   // dashed, on pen 2's layer and colour
    kCentre,   // the centre-line pen
};

int16_t FigureLine(LObject& e, FigurePen pen, double x1, double y1, double x2, double y2);

// A chain of segments through n points (x, y pairs), all on one pen.
void FigureChain(LObject& e, FigurePen pen, const double* xy, int n);
