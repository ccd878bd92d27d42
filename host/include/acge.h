// Geometry classes of the host's object API: points, vectors, scales and
// 4x4 matrices in 3-D (the module rotates in 2-D itself).
#pragma once

#include <cmath>

class AcGeMatrix3d;

class AcGeVector3d {
public:
    AcGeVector3d() = default;
    AcGeVector3d(double x_, double y_, double z_) : x(x_), y(y_), z(z_) {}
    static const AcGeVector3d kIdentity;  // (0, 0, 0), as the platform names it
    static const AcGeVector3d kXAxis;
    static const AcGeVector3d kYAxis;
    static const AcGeVector3d kZAxis;

    double length() const { return std::sqrt(x * x + y * y + z * z); }
    AcGeVector3d normal() const;
    AcGeVector3d& normalize() { return *this = normal(); }
    double dotProduct(const AcGeVector3d& v) const { return x * v.x + y * v.y + z * v.z; }
    AcGeVector3d crossProduct(const AcGeVector3d& v) const;
    AcGeVector3d& transformBy(const AcGeMatrix3d& m);
    AcGeVector3d& set(double x_, double y_, double z_) { x = x_; y = y_; z = z_; return *this; }

    AcGeVector3d operator+(const AcGeVector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
    AcGeVector3d operator-(const AcGeVector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
    AcGeVector3d operator-() const { return {-x, -y, -z}; }
    AcGeVector3d operator*(double s) const { return {x * s, y * s, z * s}; }
    AcGeVector3d& operator+=(const AcGeVector3d& v) { x += v.x; y += v.y; z += v.z; return *this; }
    AcGeVector3d& operator-=(const AcGeVector3d& v) { x -= v.x; y -= v.y; z -= v.z; return *this; }
    AcGeVector3d& operator*=(double s) { x *= s; y *= s; z *= s; return *this; }
    bool operator==(const AcGeVector3d& v) const { return x == v.x && y == v.y && z == v.z; }
    bool operator!=(const AcGeVector3d& v) const { return !(*this == v); }
    double operator[](int i) const { return i == 0 ? x : i == 1 ? y : z; }
    double& operator[](int i) { return i == 0 ? x : i == 1 ? y : z; }

    double x = 0, y = 0, z = 0;
};

class AcGePoint3d {
public:
    AcGePoint3d() = default;
    AcGePoint3d(double x_, double y_, double z_) : x(x_), y(y_), z(z_) {}
    static const AcGePoint3d kOrigin;

    double distanceTo(const AcGePoint3d& p) const { return (*this - p).length(); }
    AcGePoint3d& transformBy(const AcGeMatrix3d& m);
    AcGePoint3d& set(double x_, double y_, double z_) { x = x_; y = y_; z = z_; return *this; }
    AcGeVector3d asVector() const { return {x, y, z}; }
    bool isEqualTo(const AcGePoint3d& p, double tol = 1e-10) const { return distanceTo(p) <= tol; }

    AcGePoint3d operator+(const AcGeVector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
    AcGePoint3d operator-(const AcGeVector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
    AcGeVector3d operator-(const AcGePoint3d& p) const { return {x - p.x, y - p.y, z - p.z}; }
    AcGePoint3d& operator+=(const AcGeVector3d& v) { x += v.x; y += v.y; z += v.z; return *this; }
    AcGePoint3d& operator-=(const AcGeVector3d& v) { x -= v.x; y -= v.y; z -= v.z; return *this; }
    bool operator==(const AcGePoint3d& p) const { return x == p.x && y == p.y && z == p.z; }
    bool operator!=(const AcGePoint3d& p) const { return !(*this == p); }
    double operator[](int i) const { return i == 0 ? x : i == 1 ? y : z; }
    double& operator[](int i) { return i == 0 ? x : i == 1 ? y : z; }

    double x = 0, y = 0, z = 0;
};

class AcGeScale3d {
public:
    AcGeScale3d() = default;
    explicit AcGeScale3d(double s) : sx(s), sy(s), sz(s) {}
    AcGeScale3d(double x, double y, double z) : sx(x), sy(y), sz(z) {}
    static const AcGeScale3d kIdentity;

    AcGeScale3d& set(double x, double y, double z) { sx = x; sy = y; sz = z; return *this; }
    bool operator==(const AcGeScale3d& s) const { return sx == s.sx && sy == s.sy && sz == s.sz; }
    bool operator!=(const AcGeScale3d& s) const { return !(*this == s); }
    double operator[](int i) const { return i == 0 ? sx : i == 1 ? sy : sz; }
    double& operator[](int i) { return i == 0 ? sx : i == 1 ? sy : sz; }

    double sx = 1, sy = 1, sz = 1;
};

// Row-major 4x4 matrix acting on column vectors: p' = M p.
class AcGeMatrix3d {
public:
    AcGeMatrix3d();  // identity
    static const AcGeMatrix3d kIdentity;

    static AcGeMatrix3d translation(const AcGeVector3d& v);
    // Rotation by angle (radians, counter-clockwise) about axis through center.
    static AcGeMatrix3d rotation(double angle, const AcGeVector3d& axis,
                                 const AcGePoint3d& center = AcGePoint3d::kOrigin);
    static AcGeMatrix3d scaling(double scale, const AcGePoint3d& center = AcGePoint3d::kOrigin);
    static AcGeMatrix3d scaling(const AcGeScale3d& scale, const AcGePoint3d& center = AcGePoint3d::kOrigin);
    // Reflection in the plane through `point` with normal `normal`.
    static AcGeMatrix3d mirroring(const AcGePoint3d& point, const AcGeVector3d& normal);

    AcGeMatrix3d& setToIdentity();
    AcGeMatrix3d& setToTranslation(const AcGeVector3d& v) { return *this = translation(v); }
    AcGeMatrix3d& setToRotation(double angle, const AcGeVector3d& axis,
                                const AcGePoint3d& center = AcGePoint3d::kOrigin) {
        return *this = rotation(angle, axis, center);
    }
    AcGeMatrix3d& preMultBy(const AcGeMatrix3d& left) { return *this = left * *this; }
    AcGeMatrix3d& postMultBy(const AcGeMatrix3d& right) { return *this = *this * right; }
    AcGeMatrix3d inverse() const;  // identity when singular
    AcGeVector3d translation() const { return {entry[0][3], entry[1][3], entry[2][3]}; }
    double scale() const;  // the largest axis scale
    bool isUniScaledOrtho() const;

    AcGeMatrix3d operator*(const AcGeMatrix3d& m) const;
    AcGeMatrix3d& operator*=(const AcGeMatrix3d& m) { return postMultBy(m); }
    bool operator==(const AcGeMatrix3d& m) const;
    double operator()(int row, int column) const { return entry[row][column]; }
    double& operator()(int row, int column) { return entry[row][column]; }

    double entry[4][4];
};

inline AcGePoint3d operator*(const AcGeMatrix3d& m, const AcGePoint3d& p) {
    AcGePoint3d r = p;
    return r.transformBy(m);
}
inline AcGeVector3d operator*(const AcGeMatrix3d& m, const AcGeVector3d& v) {
    AcGeVector3d r = v;
    return r.transformBy(m);
}
