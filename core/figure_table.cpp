#include "core/figure_table.h"

#include "core/geometry.h"

double FigureMeasure::Of(const double* values) const {
    double sum = 0.0;
    for (int i = 0; i < kFigureSymbols; ++i)
        if (f[i] != 0.0)
            sum += f[i] * values[i];
    return sum;
}

void DrawFigureRows(LObject& e, const FigureRow* rows, size_t count, const double* values,
                    const FigureTransform& how, bool centreLines) {
    FittingFigure figure(e, 1, centreLines);
    const double sx = how.mirrorX ? -1 : 1, sy = how.mirrorY ? -1 : 1;
    for (size_t i = 0; rows && i < count; ++i) {
        const FigureRow& row = rows[i];
        if ((row.flags & kFigureRowConditional) && !how.withConditional)
            continue;
        double x1 = sx * row.p1.x.Of(values), y1 = sy * row.p1.y.Of(values);
        if (!row.arc) {
            figure.Line(row.pen, x1, y1, sx * row.p2.x.Of(values), sy * row.p2.y.Of(values));
            continue;
        }
        double u = row.q0 * kHalfPi, w = row.q1 * kHalfPi;
        if (how.mirrorX) {
            double from = kPi - w, to = kPi - u;
            u = from, w = to;
        }
        if (how.mirrorY) {
            double from = kTwoPi - w, to = kTwoPi - u;
            u = from, w = to;
        }
        figure.Arc(row.pen, x1, y1, row.r.Of(values), u, w);
    }
}
