// The saddle spigots' figure: seen from above the spigot's mouth and root
// and the saddle body, from below the same hidden, from the side the
// spigot on its body with its axis running into the parent duct.  No
// connector symbols; nothing along the parent's axis.
#include <algorithm>
#include <cmath>

#include "core/draw_neutral.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "core/geometry.h"
#include "elements/vf/lvf16.h"

namespace {

// The share of the body's half width where the saddle's edge meets the
// spigot: a ratio, so kept to 0 to 1; a body no longer than the spigot's
// slant has none.
double SaddleRatio(double d, double b, double phi) {
    double den = 2 * b - d * std::cos(phi);
    if (!(den > 0.0))
        return 1.0;
    return std::clamp(d / den, 0.0, 1.0);
}

}  // namespace

int16_t LVfSaddle::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    if (hostSize > 0.0)
        g = hostSize;
    switch (orientation) {
    case 0:
        DrawFromAbove();
        break;
    case 3:
        DrawFromBelow();
        break;
    case 1:
        DrawFromSide(-1.0);
        break;
    case 4:
        DrawFromSide(1.0);
        break;
    default:
        break;
    }
    return block.Close();
}

void LVfSaddle::DrawFromAbove() {
    const double c = dimensionOffset, sc = c * std::sin(phi), cosPhi = std::cos(phi);
    double k = SaddleRatio(d, B, phi), q = std::sqrt(1 - k * k);
    double x0 = B / 2 - (d / 2) * cosPhi;
    ads_point mouth = {x0 + sc, 0, 0}, root = {x0, 0, 0};
    MakeEllipse(mouth, d / 2, cosPhi);
    Ellipse(root, d / 2, 0, kPi, cosPhi);
    for (double s : {1.0, -1.0}) {
        ads_point p1 = {x0 + sc, s * d / 2, 0}, p2 = {x0, s * d / 2, 0};
        MakeLine(p1, p2);
    }
    double xe = B / 2 - d * cosPhi * (k + 1) / 2;
    for (double s : {1.0, -1.0}) {
        ads_point p1 = {-B / 2, 0, 0}, p2 = {xe, s * d * q / 2, 0};
        MakeLine(p1, p2);
    }
    if (system.roundCentreLines != 0) {
        ads_point p1 = {x0 + sc, d / 2, 0}, p2 = {x0 + sc, -d / 2, 0};
        LineB(p1, p2);
    }
}

void LVfSaddle::DrawFromBelow() {
    const double c = dimensionOffset, sc = c * std::sin(phi), cosPhi = std::cos(phi);
    double k = SaddleRatio(d, B, phi), q = std::sqrt(1 - k * k);
    double x3 = -B / 2 + (d / 2) * cosPhi;
    ads_point mouth = {x3 - sc, 0, 0}, root = {x3, 0, 0};
    DashedFullEllipse(mouth, d / 2, cosPhi);
    DashedFullEllipse(root, d / 2, cosPhi);
    for (double s : {1.0, -1.0}) {
        ads_point p1 = {x3 - sc, s * d / 2, 0}, p2 = {x3, s * d / 2, 0};
        DashedLine(p1, p2);
    }
    double xe = -B / 2 + d * cosPhi * (k + 1) / 2;
    for (double s : {1.0, -1.0}) {
        ads_point p1 = {B / 2, 0, 0}, p2 = {xe, s * d * q / 2, 0};
        DashedLine(p1, p2);
    }
    if (system.roundCentreLines != 0) {
        ads_point p1 = {x3 - sc, d / 2, 0}, p2 = {x3 - sc, -d / 2, 0};
        LineB(p1, p2);
    }
}

// s = -1 seen from one side, +1 from the other.
void LVfSaddle::DrawFromSide(double s) {
    const double c = dimensionOffset, sc = c * std::sin(phi), cc = c * std::cos(phi);
    const double sinPhi = std::sin(phi), cosPhi = std::cos(phi);
    ads_point p1 = {-s * (B / 2 - d * cosPhi + sc), d * sinPhi + H + cc, 0};
    ads_point p2 = {-s * (B / 2 + sc), H + cc, 0};
    ads_point p3 = {-s * B / 2, H, 0};
    ads_point p4 = {-s * (B / 2 - d * cosPhi), d * sinPhi + H, 0};
    MakeLine(p1, p2);
    MakeLine(p2, p3);
    Line(p3, p4);
    MakeLine(p4, p1);
    ads_point foot1 = {s * B / 2, 0, 0}, foot2 = {-s * B / 2, 0, 0};
    MakeLine(foot1, p4);
    MakeLine(foot2, p3);
    if (system.roundCentreLines == 0)
        return;
    ads_point mouth = {-s * (B / 2 - (d / 2) * cosPhi + sc), (d / 2) * sinPhi + H + cc, 0};
    ads_point m = {-s * (B / 2 - (d / 2) * cosPhi), (d / 2) * sinPhi + H, 0};
    LineB(mouth, m);
    // The axis on into the parent duct: to its axis when its size is known.
    double rise = d * sinPhi + H, run = B - d * cosPhi;
    ads_point e = {-s * (B / 2 - (d / 2) * cosPhi), -g / 2, 0};
    if (phi > 0.0 && rise > 0.0) {
        // Ratios first, so that large sizes do not overflow the products.
        double u = run * ((d / 2) * sinPhi / rise) + (d / 2) * cosPhi;
        double w = run * ((d * sinPhi + g / 2 + H) / rise) - run;
        if (g > 0.0)
            SetPoint3d(e, s * (B / 2 + w - u), -g / 2, 0);
        else
            SetPoint3d(e, s * (B / 2 - u), 0, 0);
    }
    if (std::isfinite(e[0]) && std::isfinite(e[1]))
        LineB(m, e);
}
