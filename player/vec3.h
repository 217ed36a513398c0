#pragma once

#include <cmath>

// The one geometric value type: positions, directions, vertices and text placement.
// Double precision throughout; no invariant (it is not kept normalised).
struct Vec3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    Vec3() = default;
    Vec3(const double& x, const double& y, const double& z) : x(x), y(y), z(z) {}

    // Index 0 is x, 1 is y, anything else is z.
    double& operator[](int i) { return i == 0 ? x : (i == 1 ? y : z); }
    double operator[](int i) const { return i == 0 ? x : (i == 1 ? y : z); }

    Vec3& operator+=(const Vec3& w) {
        x += w.x;
        y += w.y;
        z += w.z;
        return *this;
    }
    Vec3& operator-=(const Vec3& w) {
        x -= w.x;
        y -= w.y;
        z -= w.z;
        return *this;
    }
    Vec3& operator/=(double s) {  // s == 0 gives IEEE infinities or NaN
        x /= s;
        y /= s;
        z /= s;
        return *this;
    }
};

inline Vec3 operator-(const Vec3& v) { return {-v.x, -v.y, -v.z}; }
inline Vec3 operator+(const Vec3& a, const Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(const Vec3& v, double s) { return {v.x * s, v.y * s, v.z * s}; }
inline Vec3 operator*(double s, const Vec3& v) { return v * s; }
inline Vec3 operator/(const Vec3& v, double s) { return {v.x / s, v.y / s, v.z / s}; }

// Right-handed: cross((1,0,0), (0,1,0)) == (0,0,1).
inline Vec3 cross(const Vec3& a, const Vec3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

inline double dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

inline double length(const Vec3& v) { return std::sqrt(dot(v, v)); }

// In place; returns v. A zero vector becomes NaN, which no caller produces.
inline Vec3& normalize(Vec3& v) {
    const double len = length(v);
    return v /= len;
}
