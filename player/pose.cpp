#include "player/pose.h"

#include <cmath>

void Pose::pitch(double a) {
    up_ = up_ * std::cos(a) + back_ * std::sin(a);
    back_ = cross(right_, up_);
}

void Pose::yaw(double a) {
    back_ = back_ * std::cos(a) + right_ * std::sin(a);
    right_ = cross(up_, back_);
}

void Pose::roll(double a) {
    right_ = right_ * std::cos(a) + up_ * std::sin(a);
    up_ = cross(back_, right_);
}

void Pose::orthonormalize(bool renormalize) {
    if (renormalize) {
        normalize(right_);
        normalize(up_);
    }
    back_ = cross(right_, up_);
}
