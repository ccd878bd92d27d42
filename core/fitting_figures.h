// Figures the duct fittings' views share: lines and arcs on a named pen, a
// figure mirrored in x by one sign, the two faces of a duct seen from the
// side (a band), a collar (its faces and the pen-2 line across), a bracket,
// and an end-on opening split into its drawn and its hidden half.  Centre
// lines are drawn only while the element's centre-line switch is on, so
// every view draws them with the same call.
#pragma once

#include <cstdint>

class LObject;

enum class FittingPen : int8_t {
    kOutline,  // layer "0", BYBLOCK: takes the pen of the insert
    kPen1,     // the system's pen 1 (lines only)
    kPen2,     // the system's pen 2
    kDashed,   // "szaggatott" on pen 2's layer
    kCentre,   // the centre-line pen, only while the switch is on
};

class FittingFigure {
public:
    // sx = -1 mirrors every x (and every arc) of the figure.
    FittingFigure(LObject& e, double sx, bool centreLines) : e(e), sx(sx), centreLines(centreLines) {}

    void Line(FittingPen pen, double x1, double y1, double x2, double y2) const;
    // Counter-clockwise from a0 to a1 in the unmirrored figure; nothing for
    // a radius that is not above 0.
    void Arc(FittingPen pen, double cx, double cy, double r, double a0, double a1) const;
    void Circle(FittingPen pen, double cx, double cy, double r) const;
    // The faces of a duct seen from the side: lines at y = +-half from x1 to x2.
    void Band(double x1, double x2, double half) const;
    // A collar along x from its end to its inner edge: the two faces and
    // the line across at the inner edge (on pen 2 unless told).
    void Collar(double end, double inner, double half, FittingPen across = FittingPen::kPen2) const;
    // Three pen-2 lines from (x1, y) out to (x1, y + reach), across to
    // (x2, y + reach) and back to (x2, y): a bracket over a face at y.
    void Bracket(double x1, double x2, double y, double reach) const;
    // An opening seen end-on, semi-axis a along y and ratio to it across:
    // drawn from parameter beta to beta + pi, dashed over the other half
    // (the parameter runs from +y toward -x).
    void SplitEllipse(double cx, double cy, double a, double ratio, double beta) const;

    bool CentreLines() const { return centreLines; }

private:
    LObject& e;
    double sx;
    bool centreLines;
};
