// The figure of the two-way elbow branch in each view: the plan with both
// elbows, the views onto and behind the inlet, and onto each outlet.
#include <cmath>

#include "core/draw_neutral.h"
#include "core/element_block.h"
#include "core/fitting_figures.h"
#include "core/geometry.h"
#include "elements/vl/lvle03.h"

int16_t LVle03::MakeBlock(char* blockName) {
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
        DrawOntoInlet();
        break;
    case 4:
        DrawBehindInlet();
        break;
    case 2:
        DrawOntoOutlet(1.0, c, d);
        break;
    case 5:
        DrawOntoOutlet(-1.0, d, c);
        break;
    default:
        break;
    }
    return block.Close();
}

// s = 1 from above, -1 from below (the mirror image).
void LVle03::DrawPlan(double s) {
    const double K = collarLength, R = W / 2 - K, Q = (W - 2 * K - a / 2) / 2;
    const double yK = -H / 2 + K, yR = yK + r;
    const double t = s > 0 ? 0.0 : 90.0;
    auto line = [this](double x1, double y1, double x2, double y2) {
        FigureLine(*this, FittingPen::kOutline, x1, y1, x2, y2);
    };
    auto arc = [](double x, double y, double radius, double from, double to) {
        ads_point centre = {x, y, 0};
        MakeArc(centre, radius, from * kDegree, to * kDegree);
    };
    line(-s * W / 2, yR + d, -s * R, yR + d);
    line(s * W / 2, yR + c, s * R, yR + c);
    arc(-s * R, yR + d - R, R, t, t + 90);
    arc(s * R, yR + c - R, R, 90 - t, 180 - t);
    if (c != d)
        line(0, yR + d - R, 0, yR + c - R);
    line(-s * W / 2, yR, -s * R, yR);
    line(s * W / 2, yR, s * R, yR);
    line(-s * a / 2, -H / 2, -s * a / 2, yK);
    line(s * a / 2, -H / 2, s * a / 2, yK);
    if (r > 0.0) {
        arc(-s * R, yK, r, t, 90 + t);
        arc(s * R, yK, r, 90 - t, 180 - t);
    }
    if (system.rectCentreLines == 0)
        return;
    ads_point p[8] = {{-s * W / 2, yR + d / 2, 0}, {-s * R, yR + d / 2, 0},
                      {s * W / 2, yR + c / 2, 0},  {s * R, yR + c / 2, 0},
                      {-s * a / 4, yR + d / 2 - Q, 0}, {-s * a / 4, -H / 2, 0},
                      {s * a / 4, yR + c / 2 - Q, 0},  {s * a / 4, -H / 2, 0}};
    LineB(p[0], p[1]);
    LineB(p[2], p[3]);
    ads_point cd = {-s * R, yR + d / 2 - Q, 0}, cc = {s * R, yR + c / 2 - Q, 0};
    ArcB(cd, Q, t * kDegree, (90 + t) * kDegree);
    ArcB(cc, Q, (90 - t) * kDegree, (180 - t) * kDegree);
    LineB(p[4], p[5]);
    LineB(p[6], p[7]);
}

void LVle03::DrawOntoInlet() {
    const double E = endMarkSize;
    for (double x : {-1.0, 1.0})
        for (double y : {b / 2, -b / 2}) {
            ads_point p1 = {x * W / 2, y, 0}, p2 = {x * (a / 2 + E), y, 0};
            MakeLine(p1, p2);
        }
    ads_point d1 = {0, b / 2, 0}, d2 = {0, -b / 2, 0};
    Line(d1, d2);
    if (system.rectCentreLines != 0) {
        ads_point c1 = {-W / 2, 0, 0}, c2 = {W / 2, 0, 0};
        LineB(c1, c2);
    }
}

void LVle03::DrawBehindInlet() {
    const double E = endMarkSize, x = a / 2 + E;
    for (double y : {b / 2, -b / 2}) {
        ads_point p1 = {-W / 2, y, 0}, p2 = {W / 2, y, 0};
        MakeLine(p1, p2);
    }
    for (double v : {1.0, -1.0}) {
        ads_point q[4] = {{-x, v * b / 2, 0}, {-x, v * (b / 2 + E), 0}, {x, v * (b / 2 + E), 0},
                          {x, v * b / 2, 0}};
        Line(q[0], q[1]);
        Line(q[3], q[2]);
        Line(q[1], q[2]);
    }
    for (double u : {-a / 2, a / 2, -x, x}) {
        ads_point p1 = {u, b / 2, 0}, p2 = {u, -b / 2, 0};
        DashedLine(p1, p2);
    }
    ads_point m1 = {0, -b / 2, 0}, m2 = {0, b / 2, 0};
    DashedLine(m1, m2);
    if (system.rectCentreLines != 0) {
        ads_point c1 = {-W / 2, 0, 0}, c2 = {W / 2, 0, 0};
        LineB(c1, c2);
    }
}

void LVle03::DrawOntoOutlet(double s, double near, double far) {
    const double E = endMarkSize, K = collarLength;
    const double yR = -H / 2 + K + r;
    auto line = [this, s](double u1, double v1, double u2, double v2) {
        FigureLine(*this, FittingPen::kOutline, s * u1, v1, s * u2, v2);
    };
    line(yR - E, b / 2, -H / 2, b / 2);
    line(yR - E, -b / 2, -H / 2, -b / 2);
    if (far < near) {
        line(yR + far, b / 2, yR + far, -b / 2);
        ads_point q1 = {s * (yR + far + E), b / 2 + E, 0}, q2 = {s * (yR + far + E), -b / 2 - E, 0};
        DashedLine(q1, q2);
    } else if (far > near) {
        double u0 = yR + near + E, u1 = H / 2 + E;
        ads_point q[4] = {{s * u0, b / 2 + E, 0}, {s * u1, b / 2 + E, 0}, {s * u0, -b / 2 - E, 0},
                          {s * u1, -b / 2 - E, 0}};
        Line(q[0], q[1]);
        Line(q[2], q[3]);
        Line(q[1], q[3]);
        if (H / 2 > u0) {
            line(u0, b / 2, H / 2, b / 2);
            line(u0, -b / 2, H / 2, -b / 2);
            line(H / 2, b / 2, H / 2, -b / 2);
        }
    }
    if (system.rectCentreLines == 0)
        return;
    // Onto c the long line reaches E past the far end; onto d past the inlet.
    ads_point c1 = {s > 0 ? H / 2 + E : H / 2, 0, 0}, c2 = {s > 0 ? -H / 2 : -H / 2 - E, 0, 0};
    ads_point x1 = {s * (yR + near / 2), -b / 2 - E, 0}, x2 = {s * (yR + near / 2), b / 2 + E, 0};
    LineB(c1, c2);
    LineB(x1, x2);
}
