// Geometry classes of the object API.
#include <cmath>

#include "acge.h"

const AcGeVector3d AcGeVector3d::kIdentity(0, 0, 0);
const AcGeVector3d AcGeVector3d::kXAxis(1, 0, 0);
const AcGeVector3d AcGeVector3d::kYAxis(0, 1, 0);
const AcGeVector3d AcGeVector3d::kZAxis(0, 0, 1);
const AcGePoint3d AcGePoint3d::kOrigin(0, 0, 0);
const AcGeScale3d AcGeScale3d::kIdentity(1, 1, 1);
const AcGeMatrix3d AcGeMatrix3d::kIdentity;

AcGeVector3d AcGeVector3d::normal() const {
    double len = length();
    return len > 0 ? AcGeVector3d(x / len, y / len, z / len) : *this;
}

AcGeVector3d AcGeVector3d::crossProduct(const AcGeVector3d& v) const {
    return {y * v.z - z * v.y, z * v.x - x * v.z, x * v.y - y * v.x};
}

AcGeVector3d& AcGeVector3d::transformBy(const AcGeMatrix3d& m) {
    double nx = m.entry[0][0] * x + m.entry[0][1] * y + m.entry[0][2] * z;
    double ny = m.entry[1][0] * x + m.entry[1][1] * y + m.entry[1][2] * z;
    double nz = m.entry[2][0] * x + m.entry[2][1] * y + m.entry[2][2] * z;
    return set(nx, ny, nz);
}

AcGePoint3d& AcGePoint3d::transformBy(const AcGeMatrix3d& m) {
    double nx = m.entry[0][0] * x + m.entry[0][1] * y + m.entry[0][2] * z + m.entry[0][3];
    double ny = m.entry[1][0] * x + m.entry[1][1] * y + m.entry[1][2] * z + m.entry[1][3];
    double nz = m.entry[2][0] * x + m.entry[2][1] * y + m.entry[2][2] * z + m.entry[2][3];
    return set(nx, ny, nz);
}

AcGeMatrix3d::AcGeMatrix3d() { setToIdentity(); }

AcGeMatrix3d& AcGeMatrix3d::setToIdentity() {
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) entry[i][j] = i == j ? 1.0 : 0.0;
    return *this;
}

AcGeMatrix3d AcGeMatrix3d::translation(const AcGeVector3d& v) {
    AcGeMatrix3d m;
    m.entry[0][3] = v.x;
    m.entry[1][3] = v.y;
    m.entry[2][3] = v.z;
    return m;
}

AcGeMatrix3d AcGeMatrix3d::rotation(double angle, const AcGeVector3d& axis, const AcGePoint3d& center) {
    AcGeVector3d u = axis.normal();
    double c = std::cos(angle), s = std::sin(angle), t = 1 - c;
    AcGeMatrix3d r;
    r.entry[0][0] = t * u.x * u.x + c;
    r.entry[0][1] = t * u.x * u.y - s * u.z;
    r.entry[0][2] = t * u.x * u.z + s * u.y;
    r.entry[1][0] = t * u.x * u.y + s * u.z;
    r.entry[1][1] = t * u.y * u.y + c;
    r.entry[1][2] = t * u.y * u.z - s * u.x;
    r.entry[2][0] = t * u.x * u.z - s * u.y;
    r.entry[2][1] = t * u.y * u.z + s * u.x;
    r.entry[2][2] = t * u.z * u.z + c;
    return translation(center.asVector()) * r * translation(-center.asVector());
}

AcGeMatrix3d AcGeMatrix3d::scaling(double scale, const AcGePoint3d& center) {
    return scaling(AcGeScale3d(scale), center);
}

AcGeMatrix3d AcGeMatrix3d::scaling(const AcGeScale3d& s, const AcGePoint3d& center) {
    AcGeMatrix3d m;
    m.entry[0][0] = s.sx;
    m.entry[1][1] = s.sy;
    m.entry[2][2] = s.sz;
    return translation(center.asVector()) * m * translation(-center.asVector());
}

AcGeMatrix3d AcGeMatrix3d::mirroring(const AcGePoint3d& point, const AcGeVector3d& normal) {
    AcGeVector3d n = normal.normal();
    AcGeMatrix3d m;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) m.entry[i][j] = (i == j ? 1.0 : 0.0) - 2 * n[i] * n[j];
    return translation(point.asVector()) * m * translation(-point.asVector());
}

AcGeMatrix3d AcGeMatrix3d::operator*(const AcGeMatrix3d& o) const {
    AcGeMatrix3d r;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            double sum = 0;
            for (int k = 0; k < 4; ++k) sum += entry[i][k] * o.entry[k][j];
            r.entry[i][j] = sum;
        }
    return r;
}

bool AcGeMatrix3d::operator==(const AcGeMatrix3d& m) const {
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            if (std::fabs(entry[i][j] - m.entry[i][j]) > 1e-12) return false;
    return true;
}

AcGeMatrix3d AcGeMatrix3d::inverse() const {
    // Gauss-Jordan on [M | I].
    double a[4][8];
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 8; ++j) a[i][j] = j < 4 ? entry[i][j] : (j - 4 == i ? 1.0 : 0.0);
    for (int col = 0; col < 4; ++col) {
        int pivot = col;
        for (int r = col + 1; r < 4; ++r)
            if (std::fabs(a[r][col]) > std::fabs(a[pivot][col])) pivot = r;
        if (std::fabs(a[pivot][col]) < 1e-15) return AcGeMatrix3d();
        for (int j = 0; j < 8; ++j) std::swap(a[col][j], a[pivot][j]);
        double d = a[col][col];
        for (int j = 0; j < 8; ++j) a[col][j] /= d;
        for (int r = 0; r < 4; ++r) {
            if (r == col) continue;
            double f = a[r][col];
            for (int j = 0; j < 8; ++j) a[r][j] -= f * a[col][j];
        }
    }
    AcGeMatrix3d inv;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) inv.entry[i][j] = a[i][j + 4];
    return inv;
}

double AcGeMatrix3d::scale() const {
    double best = 0;
    for (int j = 0; j < 3; ++j)
        best = std::max(best, std::sqrt(entry[0][j] * entry[0][j] + entry[1][j] * entry[1][j] + entry[2][j] * entry[2][j]));
    return best;
}

bool AcGeMatrix3d::isUniScaledOrtho() const {
    AcGeVector3d c[3];
    for (int j = 0; j < 3; ++j) c[j].set(entry[0][j], entry[1][j], entry[2][j]);
    double s = c[0].length();
    for (int j = 0; j < 3; ++j) {
        if (std::fabs(c[j].length() - s) > 1e-9 * std::max(1.0, s)) return false;
        for (int k = j + 1; k < 3; ++k)
            if (std::fabs(c[j].dotProduct(c[k])) > 1e-9 * std::max(1.0, s * s)) return false;
    }
    return true;
}
