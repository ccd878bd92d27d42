#include "core/geometry.h"

#include <cmath>

void SetPoint3d(ads_point p, double x, double y, double z) {
    p[0] = x;
    p[1] = y;
    p[2] = z;
}

void CopyPoint3d(ads_point dst, const ads_point src) {
    dst[0] = src[0];
    dst[1] = src[1];
    dst[2] = src[2];
}

double* AddVector3d(ads_point v, const ads_point w) {
    v[0] += w[0];
    v[1] += w[1];
    v[2] += w[2];
    return v;
}

double* RotateVector2d(ads_point v, double angle) {
    double c = std::cos(angle), s = std::sin(angle);
    double x = v[0] * c - v[1] * s;
    double y = v[0] * s + v[1] * c;
    v[0] = x;
    v[1] = y;
    return v;
}
