// Mirror-line arithmetic of the mirror command.
#include "core/mirror_geometry.h"

#include <cmath>

void MirrorFoot(const ads_point p1, const ads_point p2, const ads_point p, ads_point foot) {
    foot[2] = p[2];
    if (p1[0] == p2[0]) {
        foot[0] = p1[0];
        foot[1] = p[1];
        return;
    }
    // The projection onto the direction p1 -> p2; the same foot as through
    // the slope, without squaring a slope that may be huge.
    double dx = p2[0] - p1[0], dy = p2[1] - p1[1];
    double t = ((p[0] - p1[0]) * dx + (p[1] - p1[1]) * dy) / (dx * dx + dy * dy);
    if (!std::isfinite(t)) {
        foot[0] = p[0];
        foot[1] = p[1];
        return;
    }
    foot[0] = p1[0] + t * dx;
    foot[1] = p1[1] + t * dy;
}

void MirrorDisplacement(const ads_point p1, const ads_point p2, const ads_point p, ads_point out) {
    ads_point foot;
    MirrorFoot(p1, p2, p, foot);
    out[0] = 2 * (foot[0] - p[0]);
    out[1] = 2 * (foot[1] - p[1]);
    out[2] = 0;
}

double MirroredRotation(double lineAngle, double rotation) {
    const double turn = 2 * 3.14159265358979323846;
    double r = std::fmod(2 * lineAngle - rotation, turn);
    if (r < 0)
        r += turn;
    return r < turn && std::isfinite(r) ? r : 0.0;
}
