// Helpers of the terminals whose symbols are chains of lines on one pen
// (the boxes, housings and spigots of the TT, K, DAF and PTRD types; the
// lines themselves are core's figure lines): the texts of their choices
// read from their own row and the catalogue's rule for a size.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>

#include "core/fitting_figures.h"
#include "core/lobject.h"

// The detail pen, or dashed when the detail is hidden.
inline FittingPen DetailPen(bool hidden) { return hidden ? FittingPen::kDashed : FittingPen::kPen2; }

// A circle on pen 2, or dashed where hidden.
void Circle2OrDashed(LObject& e, PenPoint c, double r, bool hidden);

// Orientations 3 to 5 look at the element from its far side.
inline bool FromFarSide(int16_t orientation) { return orientation >= 3; }

// The text at 1-based position pos of parameter param's list in the
// element's row; "" outside the list.
const char* RowText(const LObject& e, int param, int pos);

// A size as the catalogue keeps it: finite and above 0, else the old one.
inline double SizeOr(double value, double old) {
    return std::isfinite(value) && value > 0.0 ? value : old;
}

// Sets the field to a size that is finite and above 0; false, and the field
// kept, for anything else.
inline bool SetSize(double* field, double v) {
    if (!std::isfinite(v) || v <= 0.0)
        return false;
    *field = v;
    return true;
}
