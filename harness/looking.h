#pragma once

#include <cmath>

#include "player/pose.h"

// A pose at eye looking along forward (any length), upright (+y up, or +z when looking
// nearly straight up or down), then rolled by roll radians about the view: the poses that
// tests and benchmarks place by hand.
inline Pose Looking(const Vec3& eye, Vec3 forward, double roll = 0) {
    normalize(forward);
    const Vec3 back = -forward;
    Vec3 right = cross(std::abs(back.y) > 0.99 ? Vec3{0, 0, 1} : Vec3{0, 1, 0}, back);
    normalize(right);
    const Vec3 turned = std::cos(roll) * right + std::sin(roll) * cross(back, right);
    return Pose(eye, turned, cross(back, turned), back);
}
