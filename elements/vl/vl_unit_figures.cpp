#include "elements/vl/vl_unit_figures.h"

#include "core/element_views.h"
#include "core/fitting_figures.h"
#include "core/lobject.h"

bool RectCentreLinesOn(const LObject& e) { return e.System().rectCentreLines != 0; }

void DrawStraightUnitBody(LObject& e, double L, double w, double s) {
    FigureLine(e, FittingPen::kOutline, -L / 2, w / 2, L / 2, w / 2);
    FigureLine(e, FittingPen::kOutline, -L / 2, -w / 2, L / 2, -w / 2);
    FigureLine(e, FittingPen::kPen2, -L / 4, -s * w / 2, -L / 4, 0);
    FigureLine(e, FittingPen::kPen2, L / 4, -s * w / 2, L / 4, 0);
    FigureLine(e, FittingPen::kPen2, 0, s * w / 2, 0, 0);
}

void DrawStraightUnit(LObject& e, double L, double A, double B) {
    ElementView view = ViewOf(e.orientation);
    if (view.IsPlan() || view.IsSide()) {
        double w = view.IsPlan() ? A : B;
        double s = (e.orientation == 0 || e.orientation == 4) ? 1.0 : -1.0;
        DrawStraightUnitBody(e, L, w, s);
    }
    if (RectCentreLinesOn(e))
        FigureLine(e, FittingPen::kCentre, -L / 2, 0, L / 2, 0);
}

void DrawCornerPlanBody(LObject& e, double S, double A, double s, double t) {
    const double outer[] = {-s * S / 2, -t * S / 2, -s * S / 2, t * S / 2, s * S / 2, t * S / 2};
    FigureChain(e, FittingPen::kOutline, outer, 3);
    const double inner[] = {-s * (S / 2 - A), -t * S / 2, -s * (S / 2 - A), t * (S / 2 - A),
                            s * S / 2,        t * (S / 2 - A)};
    FigureChain(e, FittingPen::kOutline, inner, 3);
    FigureLine(e, FittingPen::kPen2, -s * (S / 2 - A), t * (S / 2 - A / 2), -s * (S / 2 - A), t * (S / 2 - A));
    FigureLine(e, FittingPen::kPen2, -s * (S / 2 - A / 2), t * (S / 2 - A / 2), -s * (S / 2 - A / 2), t * S / 2);
    FigureLine(e, FittingPen::kPen2, -s * (S / 2 - A / 2), 0, -s * S / 2, 0);
}

void DrawCornerPlanCentre(LObject& e, double S, double A, double s, double t) {
    if (!RectCentreLinesOn(e))
        return;
    const double line[] = {-s * (S / 2 - A / 2), -t * S / 2, -s * (S / 2 - A / 2), t * (S / 2 - A / 2),
                           s * S / 2,            t * (S / 2 - A / 2)};
    FigureChain(e, FittingPen::kCentre, line, 3);
}

void DrawCornerLegFacingBody(LObject& e, double S, double A, double B, double s, double E) {
    FigureLine(e, FittingPen::kOutline, -s * S / 2, -B / 2, s * (S / 2 - A - E), -B / 2);
    FigureLine(e, FittingPen::kOutline, -s * S / 2, B / 2, s * (S / 2 - A - E), B / 2);
}

void DrawCornerLegAwayBody(LObject& e, double S, double A, double B, double s, double E) {
    const double body[] = {-s * S / 2, -B / 2, s * S / 2, -B / 2, s * S / 2, B / 2, -s * S / 2, B / 2};
    FigureChain(e, FittingPen::kOutline, body, 4);
    const double near = s * (S / 2 - A - E), far = s * (S / 2 + E);
    const double frame[] = {near, B / 2, near, B / 2 + E, far, B / 2 + E, far, -B / 2 - E, near, -B / 2 - E, near, -B / 2};
    FigureChain(e, FittingPen::kPen2, frame, 6);
    FigureLine(e, FittingPen::kDashed, near, B / 2, near, -B / 2);
    FigureLine(e, FittingPen::kDashed, s * (S / 2 - A), -B / 2, s * (S / 2 - A), B / 2);
}

void DrawCornerSideCentre(LObject& e, double S, double A, double s, double E) {
    if (RectCentreLinesOn(e))
        FigureLine(e, FittingPen::kCentre, -s * S / 2, 0, s * (S / 2 - A - E), 0);
}
