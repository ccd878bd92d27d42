// Figures the elements' views share: single lines and chains on a named pen
// (so that a class can lay its views out as tables of segments), lines and
// arcs of a figure mirrored in x by one sign, the two faces of a duct seen from the
// side (a band), a collar (its faces and the pen-2 line across), a bracket,
// and an end-on opening split into its drawn and its hidden half.  Centre
// lines are drawn only while the element's centre-line switch is on, so
// every view draws them with the same call.
#pragma once

#include <cstdint>
#include <initializer_list>

class LObject;

enum class FittingPen : int8_t {
    kOutline,  // layer "0", BYBLOCK: takes the pen of the insert
    kPen1,     // the system's pen 1 (lines only)
    kPen2,     // the system's pen 2
    kDashed,   // "szaggatott" on pen 2's layer
    kCentre,   // the centre-line pen (a FittingFigure's only while the switch is on)
};

// A point of a figure in the block's drawing plane.
struct PenPoint {
    double x, y;
};

// One line at z = 0 on the pen; centre lines too, whatever the switch (the
// caller asks it).
int16_t FigureLine(LObject& e, FittingPen pen, double x1, double y1, double x2, double y2);
inline int16_t FigureLine(LObject& e, FittingPen pen, PenPoint from, PenPoint to) {
    return FigureLine(e, pen, from.x, from.y, to.x, to.y);
}
// A chain of segments through n points (x, y pairs), all on one pen.
void FigureChain(LObject& e, FittingPen pen, const double* xy, int n);
// A chain of segments through the points in turn, all on one pen.
void FigureChain(LObject& e, FittingPen pen, std::initializer_list<PenPoint> points);

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
