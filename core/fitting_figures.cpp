#include "core/fitting_figures.h"

#include <cmath>

#include "core/draw_neutral.h"
#include "core/geometry.h"
#include "core/lobject.h"

namespace {

// An ellipse thinner than this is a line to the host's readers.
constexpr double kThinnestEllipse = 1e-6;

}  // namespace

int16_t FigureLine(LObject& e, FittingPen pen, double x1, double y1, double x2, double y2) {
    ads_point p1 = {x1, y1, 0}, p2 = {x2, y2, 0};
    switch (pen) {
    case FittingPen::kOutline: return MakeLine(p1, p2);
    case FittingPen::kPen1: return e.LineC(p1, p2);
    case FittingPen::kPen2: return e.Line(p1, p2);
    case FittingPen::kDashed: return e.DashedLine(p1, p2);
    case FittingPen::kCentre: return e.LineB(p1, p2);
    }
    return 0;
}

void FigureChain(LObject& e, FittingPen pen, const double* xy, int n) {
    for (int i = 0; xy && i + 1 < n; ++i)
        FigureLine(e, pen, xy[2 * i], xy[2 * i + 1], xy[2 * i + 2], xy[2 * i + 3]);
}

void FigureChain(LObject& e, FittingPen pen, std::initializer_list<PenPoint> points) {
    const PenPoint* previous = nullptr;
    for (const PenPoint& p : points) {
        if (previous)
            FigureLine(e, pen, *previous, p);
        previous = &p;
    }
}

void FittingFigure::Line(FittingPen pen, double x1, double y1, double x2, double y2) const {
    if (pen == FittingPen::kCentre && !centreLines)
        return;
    FigureLine(e, pen, sx * x1, y1, sx * x2, y2);
}

void FittingFigure::Arc(FittingPen pen, double cx, double cy, double r, double a0, double a1) const {
    if (!(r > 0.0))
        return;
    ads_point c = {sx * cx, cy, 0};
    double from = sx < 0 ? kPi - a1 : a0;
    double to = sx < 0 ? kPi - a0 : a1;
    switch (pen) {
    case FittingPen::kOutline: MakeArc(c, r, from, to); break;
    case FittingPen::kPen1:  // no figure draws an arc on pen 1; pen 2 is the nearest
    case FittingPen::kPen2: e.Arc(c, r, from, to); break;
    case FittingPen::kDashed: e.DashedArc(c, r, from, to); break;
    case FittingPen::kCentre:
        if (centreLines)
            e.ArcB(c, r, from, to);
        break;
    }
}

void FittingFigure::Circle(FittingPen pen, double cx, double cy, double r) const {
    if (!(r > 0.0))
        return;
    ads_point c = {sx * cx, cy, 0};
    if (pen == FittingPen::kOutline)
        MakeCircle(c, r);
    else if (pen == FittingPen::kPen1 || pen == FittingPen::kPen2)
        e.Circle(c, r);
    else if (pen == FittingPen::kDashed)
        e.DashedCircle(c, r);
    else if (pen == FittingPen::kCentre && centreLines)
        e.ArcB(c, r, 0, kTwoPi);
}

void FittingFigure::Band(double x1, double x2, double half) const {
    Line(FittingPen::kOutline, x1, half, x2, half);
    Line(FittingPen::kOutline, x1, -half, x2, -half);
}

void FittingFigure::Collar(double end, double inner, double half, FittingPen across) const {
    Line(FittingPen::kOutline, end, half, inner, half);
    Line(across, inner, half, inner, -half);
    Line(FittingPen::kOutline, inner, -half, end, -half);
}

void FittingFigure::Bracket(double x1, double x2, double y, double reach) const {
    Line(FittingPen::kPen2, x1, y, x1, y + reach);
    Line(FittingPen::kPen2, x1, y + reach, x2, y + reach);
    Line(FittingPen::kPen2, x2, y + reach, x2, y);
}

void FittingFigure::SplitEllipse(double cx, double cy, double a, double ratio, double beta) const {
    if (!(a > 0.0))
        return;
    if (ratio < kThinnestEllipse)
        ratio = kThinnestEllipse;
    ads_point c = {sx * cx, cy, 0};
    // Mirrored in x the parameter runs the other way.
    double t0 = sx < 0 ? -(beta + kPi) : beta;
    if (t0 < 0)
        t0 += kTwoPi;
    double hidden = t0 + kPi;
    if (hidden >= kTwoPi)
        hidden -= kTwoPi;
    MakeEllipseArc(c, a, t0, t0 + kPi, ratio);
    e.DashedEllipse(c, a, hidden, hidden + kPi, ratio);
}
