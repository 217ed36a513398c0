#include "platform/matrices.h"

#include <cmath>
#include <numbers>

Matrix4 PerspectiveMatrix(double fovYDegrees, double aspect, double near, double far) {
    const double half = fovYDegrees / 2 * std::numbers::pi / 180;
    const double cotangent = std::cos(half) / std::sin(half);
    const double depth = far - near;
    Matrix4 m{};
    m[0] = cotangent / aspect;
    m[5] = cotangent;
    m[10] = -(far + near) / depth;
    m[11] = -1;
    m[14] = -2 * near * far / depth;
    return m;
}

Matrix4 LookAtMatrix(const Vec3& eye, const Vec3& centre, const Vec3& up) {
    Vec3 forward = centre - eye;
    normalize(forward);
    Vec3 side = cross(forward, up);
    normalize(side);
    const Vec3 upright = cross(side, forward);
    // The rotation into the eye's frame, then the eye moved to the origin.
    return {side.x,          upright.x,          -forward.x,        0,
            side.y,          upright.y,          -forward.y,        0,
            side.z,          upright.z,          -forward.z,        0,
            -dot(side, eye), -dot(upright, eye), dot(forward, eye), 1};
}

Matrix4 operator*(const Matrix4& a, const Matrix4& b) {
    Matrix4 product{};
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            double sum = 0;
            for (int k = 0; k < 4; ++k) {
                sum += a[k * 4 + row] * b[column * 4 + k];
            }
            product[column * 4 + row] = sum;
        }
    }
    return product;
}
