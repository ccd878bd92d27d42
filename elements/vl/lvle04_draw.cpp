// The figure of the angled branch pieces: the plan with the branch (sharp
// corners or bends), the view onto the branch end and the view behind it.
#include <cmath>

#include "core/draw_neutral.h"
#include "core/element_block.h"
#include "core/fitting_figures.h"
#include "core/geometry.h"
#include "elements/vl/lvle04.h"

int16_t LVleAngled::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(endMarkSize, 1);
    switch (orientation) {
    case 0:
        DrawPlan(1.0);
        break;
    case 3:
        DrawPlan(-1.0);
        break;
    case 1:
        DrawOntoBranch();
        break;
    case 4:
        DrawBehindBranch();
        break;
    default:
        break;
    }
    return block.Close();
}

// s = 1 from above, -1 from below (the mirror image).
void LVleAngled::DrawPlan(double s) {
    auto line = [this, s](double x1, double y1, double x2, double y2) {
        FigureLine(*this, FittingPen::kOutline, s * x1, y1, s * x2, y2);
    };
    const double xB = P + Q3, xU = Q3 - Q2, xD = Q1 + Q3;
    line(-l / 2, D / 2, l / 2, D / 2);
    if (!rounded) {
        line(-l / 2, D / 2 - a, xU, D / 2 - a);
        line(xU, D / 2 - a, xB - dc / 2, -D / 2);
        line(xB + dc / 2, -D / 2 + ds, xD, D / 2 - c);
        line(xD, D / 2 - c, l / 2, D / 2 - c);
    } else {
        const double Ts = T * std::sin(beta), Tc = T * std::cos(beta);
        line(-l / 2, D / 2 - a, xU - T, D / 2 - a);
        line(xU + Ts, D / 2 - a - Tc, xB - dc / 2, -D / 2);
        line(xB + dc / 2, -D / 2 + ds, xD + Ts, D / 2 - c - Tc);
        line(xD - T, D / 2 - c, l / 2, D / 2 - c);
        if (r > 0.0) {
            // Each bend joins the run's inner edge to the branch wall.
            double B = 90 - alfa, A = s > 0 ? alfa : 0.0;
            ads_point centres[2] = {{s * (xU - T), D / 2 - a - r, 0}, {s * (xD - T), D / 2 - c - r, 0}};
            for (const ads_point& centre : centres)
                MakeArc(centre, r, (90 - A) * kDegree, (180 - B - A) * kDegree);
        }
    }
    if (system.rectCentreLines == 0)
        return;
    ads_point start = {-s * l / 2, D / 2 - a / 2, 0};
    ads_point bend = {s * Q3, D / 2 - a / 2, 0};
    ads_point end = {s * l / 2, D / 2 - a / 2, 0};
    ads_point branch = {s * xB, -D / 2 + ds / 2, 0};
    LineB(start, c == a ? end : bend);
    LineB(bend, branch);
}

void LVleAngled::DrawOntoBranch() {
    const double xB = P + Q3;
    for (double y : {b / 2, -b / 2}) {
        ads_point p1 = {l / 2, y, 0}, p2 = {xB + dc / 2 + Ec, y, 0};
        ads_point p3 = {xB - dc / 2 - Ec, y, 0}, p4 = {-l / 2, y, 0};
        MakeLine(p1, p2);
        MakeLine(p3, p4);
    }
    if (system.rectCentreLines == 0)
        return;
    ads_point c1 = {-l / 2, 0, 0}, c2 = {l / 2, 0, 0}, x1 = {xB, b / 2, 0}, x2 = {xB, -b / 2, 0};
    LineB(c1, c2);
    LineB(x1, x2);
}

void LVleAngled::DrawBehindBranch() {
    const double xB = P + Q3, E = endMarkSize;
    for (double y : {b / 2, -b / 2}) {
        ads_point p1 = {-l / 2, y, 0}, p2 = {l / 2, y, 0};
        MakeLine(p1, p2);
    }
    for (double u : {-xB - dc / 2 - Ec, -xB - dc / 2, -xB + dc / 2 + Ec, -xB + dc / 2}) {
        ads_point p1 = {u, b / 2, 0}, p2 = {u, -b / 2, 0};
        DashedLine(p1, p2);
    }
    double u1 = -xB - dc / 2 - Ec, u2 = -xB + dc / 2 + Ec;
    for (double v : {1.0, -1.0}) {
        ads_point q[4] = {{u1, v * b / 2, 0}, {u1, v * (b / 2 + E), 0}, {u2, v * (b / 2 + E), 0},
                          {u2, v * b / 2, 0}};
        for (int i = 0; i < 3; ++i)
            Line(q[i], q[i + 1]);
    }
    if (system.rectCentreLines == 0)
        return;
    ads_point c1 = {-l / 2, 0, 0}, c2 = {l / 2, 0, 0}, x1 = {-xB, b / 2, 0}, x2 = {-xB, -b / 2, 0};
    LineB(c1, c2);
    LineB(x1, x2);
}
