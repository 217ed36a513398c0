#pragma once

#include "player/vec3.h"

// The player's eye position and orthonormal frame. The view direction is -back.
// Invariant (kept by the rotations, restored each frame by orthonormalize):
// right, up and back are unit length and back == cross(right, up).
class Pose {
  public:
    // Position (0,0,0) looking along -z with +y up: OpenGL's own eye frame.
    Pose() = default;
    Pose(const Vec3& position, const Vec3& right, const Vec3& up, const Vec3& back)
        : position_(position), right_(right), up_(up), back_(back) {}

    Vec3& position() { return position_; }
    const Vec3& position() const { return position_; }
    Vec3 right() const { return right_; }
    Vec3 up() const { return up_; }
    Vec3 back() const { return back_; }

    // Translations along the pose's own axes, in world units.
    void moveForward(double d) { position_ -= d * back_; }
    void moveRight(double d) { position_ += d * right_; }
    void moveUp(double d) { position_ += d * up_; }

    // Rotations in radians. Positive pitch raises the view, positive yaw turns left,
    // positive roll banks left. Each rebuilds the third axis from a cross product.
    void pitch(double a);
    void yaw(double a);
    void roll(double a);

    // Renormalises right and up (when asked) and always rebuilds back from them.
    void orthonormalize(bool renormalize);

  private:
    Vec3 position_{0, 0, 0};
    Vec3 right_{1, 0, 0};
    Vec3 up_{0, 1, 0};
    Vec3 back_{0, 0, 1};
};
