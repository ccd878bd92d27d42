#include "elements/figure_lines.h"

#include "core/draw_neutral.h"
#include "core/lobject.h"

int16_t FigureLine(LObject& e, FigurePen pen, double x1, double y1, double x2, double y2) {
    ads_point p1 = {x1, y1, 0}, p2 = {x2, y2, 0};
    switch (pen) {
    case FigurePen::kOutline:
        return MakeLine(p1, p2);
    case FigurePen::kPen1:
        return e.LineC(p1, p2);
    case FigurePen::kPen2:
        return e.Line(p1, p2);
    case FigurePen::kHidden:
        return e.DashedLine(p1, p2);
    case FigurePen::kCentre:
        return e.LineB(p1, p2);
    }
    return 0;
}

void FigureChain(LObject& e, FigurePen pen, const double* xy, int n) {
    for (int i = 0; xy && i + 1 < n; ++i)
        FigureLine(e, pen, xy[2 * i], xy[2 * i + 1], xy[2 * i + 2], xy[2 * i + 3]);
}
