#pragma once

#include <array>

#include "player/vec3.h"

// 4 x 4 matrices in OpenGL's column-major order, made by the formulas OpenGL's utility
// library uses, in double precision: for drawing that does not keep its matrices in OpenGL.
using Matrix4 = std::array<double, 16>;

Matrix4 PerspectiveMatrix(double fovYDegrees, double aspect, double near, double far);
Matrix4 LookAtMatrix(const Vec3& eye, const Vec3& centre, const Vec3& up);

Matrix4 operator*(const Matrix4& a, const Matrix4& b);
