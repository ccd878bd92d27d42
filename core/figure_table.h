// A view of an element given as a table of data: each row a line or an arc
// on a named pen, its points and radius sums of the element's sizes times
// factors (so that the table reads like the drawing's own notation), drawn
// through one transform that may mirror the figure in X or in Y.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/fitting_figures.h"

class LObject;

constexpr int kFigureSymbols = 16;

// A length of the figure: the sum over the element's sizes, each times
// its factor.
struct FigureMeasure {
    double f[kFigureSymbols] = {};
    double Of(const double* values) const;
};

// The size with the index, as a measure.
constexpr FigureMeasure FigureSymbol(int i) {
    FigureMeasure m;
    if (i >= 0 && i < kFigureSymbols)
        m.f[i] = 1.0;
    return m;
}
constexpr FigureMeasure operator+(FigureMeasure p, const FigureMeasure& q) {
    for (int i = 0; i < kFigureSymbols; ++i)
        p.f[i] += q.f[i];
    return p;
}
constexpr FigureMeasure operator*(double x, FigureMeasure p) {
    for (double& v : p.f)
        v *= x;
    return p;
}
constexpr FigureMeasure operator-(const FigureMeasure& p) { return -1.0 * p; }
constexpr FigureMeasure operator-(const FigureMeasure& p, const FigureMeasure& q) { return p + (-q); }
constexpr FigureMeasure operator/(const FigureMeasure& p, double x) { return (1.0 / x) * p; }

struct FigurePoint {
    FigureMeasure x, y;
};

// Row flags: a row that a view draws only when its caller says so.
enum FigureRowFlag : uint8_t { kFigureRowAlways = 0, kFigureRowConditional = 1 };

struct FigureRow {
    bool arc = false;
    FittingPen pen = FittingPen::kOutline;
    FigurePoint p1, p2;  // line ends, or the arc's centre (p1)
    FigureMeasure r;
    int8_t q0 = 0, q1 = 0;  // arc angles in quarter turns
    uint8_t flags = kFigureRowAlways;
};

constexpr FigureRow TableLine(FittingPen pen, FigurePoint p1, FigurePoint p2, uint8_t flags = kFigureRowAlways) {
    return {false, pen, p1, p2, {}, 0, 0, flags};
}
constexpr FigureRow TableArc(FittingPen pen, FigurePoint centre, FigureMeasure r, int q0, int q1) {
    return {true, pen, centre, {}, r, static_cast<int8_t>(q0), static_cast<int8_t>(q1), kFigureRowAlways};
}

struct FigureTransform {
    bool mirrorX = false;  // X negated; an arc u..w becomes pi - w .. pi - u
    bool mirrorY = false;  // Y negated; an arc u..w becomes 2pi - w .. 2pi - u
    bool withConditional = true;  // draw the rows flagged conditional
};

// Draws the rows in their order with the sizes `values` (kFigureSymbols of
// them); centre-line rows only while centreLines is on.
void DrawFigureRows(LObject& e, const FigureRow* rows, size_t count, const double* values,
                    const FigureTransform& how, bool centreLines);
