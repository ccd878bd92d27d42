// Drawing helpers of the terminals whose symbols are chains of lines on
// one pen (the boxes, housings and spigots of the TT, K, DAF and PTRD
// types), and the texts of their choices read from their own row.
#pragma once

#include <cmath>
#include <cstdint>
#include <initializer_list>

#include "core/lobject.h"

// Which pen a line is drawn with: the neutral outline on layer 0 that takes
// the insert's pen, the connection face (pen 1), the visible detail (pen 2)
// or the hidden detail (dashed).
enum class LinePen { kNeutral, kFace, kDetail, kDashed };

struct PenPoint {
    double x, y;
};

// One line at z = 0.
int16_t PenLine(LObject& e, LinePen pen, PenPoint from, PenPoint to);
// Lines through the points in turn (an open chain).
void PenChain(LObject& e, LinePen pen, std::initializer_list<PenPoint> points);

// The detail pen, or dashed when the detail is hidden.
inline LinePen DetailPen(bool hidden) { return hidden ? LinePen::kDashed : LinePen::kDetail; }

// Orientations 3 to 5 look at the element from its far side.
inline bool FromFarSide(int16_t orientation) { return orientation >= 3; }

// The text at 1-based position pos of parameter param's list in the
// element's row; "" outside the list.
const char* RowText(const LObject& e, int param, int pos);

// A size as the catalogue keeps it: finite and above 0, else the old one.
inline double SizeOr(double value, double old) {
    return std::isfinite(value) && value > 0.0 ? value : old;
}
