#include <GL/gl.h>

#include <array>
#include <cstdint>

#include <gtest/gtest.h>

#include "platform/video.h"
#include "player/camera_bob.h"
#include "player/player.h"
#include "tests/player/fixture.h"
#include "tests/support/display.h"

namespace {

using Matrix = std::array<double, 16>;  // column-major, as OpenGL returns it

// The driver keeps matrices in single precision.
constexpr double kGlPrecision = 1e-5;

Matrix ModelView() {
    Matrix m{};
    glGetDoublev(GL_MODELVIEW_MATRIX, m.data());
    return m;
}

// The eye-space image of a world point.
Vec3 Transform(const Matrix& m, const Vec3& p) {
    return {m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12],
            m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13],
            m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]};
}

void ExpectVec(const Vec3& actual, const Vec3& expected, double tolerance) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

class Camera : public ::testing::Test {
  protected:
    void SetUp() override {
        OpenGameWindow();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }
};

TEST_F(Camera, DefaultPoseLooksDownMinusZFromTheOrigin) {
    ApplyCamera(Pose());
    const Matrix m = ModelView();
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(m[i], i % 5 == 0 ? 1.0 : 0.0, 1e-7) << "element " << i;
    }
}

TEST_F(Camera, AnyPoseBecomesTheEyeFrame) {
    Pose pose = PoseAt({7.5, 12.0, -3.25});
    pose.yaw(0.8);
    pose.pitch(-1.1);
    pose.roll(2.3);
    pose.orthonormalize(true);
    ApplyCamera(pose);
    const Matrix m = ModelView();
    const Vec3 p = pose.position();
    ExpectVec(Transform(m, p), {0, 0, 0}, kGlPrecision);
    ExpectVec(Transform(m, p - pose.back()), {0, 0, -1}, kGlPrecision);
    ExpectVec(Transform(m, p + pose.up()), {0, 1, 0}, kGlPrecision);
    ExpectVec(Transform(m, p + pose.right()), {1, 0, 0}, kGlPrecision);
}

TEST_F(Camera, PlaceCameraBobsTheEyeAndLeavesThePoseAlone) {
    auto maze = MakeMaze(5, 1);
    Player player(*maze, Pose());
    Pose turned = player.pose();
    turned.roll(M_PI / 2);  // up is now -x: the bob follows it
    player.setPose(turned);

    const std::uint32_t before = Ticks();
    player.placeCamera();
    const std::uint32_t after = Ticks();
    const Matrix m = ModelView();

    // The un-bobbed position lies b below the eye, along the eye's up.
    const Vec3 seen = Transform(m, turned.position());
    const double b0 = CameraBob(before);
    const double b1 = CameraBob(after);
    EXPECT_GE(-seen.y, std::min(b0, b1) - kGlPrecision);
    EXPECT_LE(-seen.y, std::max(b0, b1) + kGlPrecision);
    EXPECT_NEAR(seen.x, 0.0, kGlPrecision);
    EXPECT_NEAR(seen.z, 0.0, kGlPrecision);

    for (int i = 0; i < 5; ++i) {
        glLoadIdentity();
        player.placeCamera();
    }
    const Pose after5 = player.pose();
    EXPECT_EQ(after5.position().x, turned.position().x);
    EXPECT_EQ(after5.position().y, turned.position().y);
    EXPECT_EQ(after5.position().z, turned.position().z);
    EXPECT_EQ(after5.up().x, turned.up().x);
    EXPECT_EQ(after5.back().z, turned.back().z);
}

TEST_F(Camera, WhatIsAheadIsDrawnInTheMiddle) {
    // A red square 5 units to the left of the origin; turned left a quarter, it fills the
    // middle of the screen.
    Pose pose;
    pose.yaw(M_PI / 2);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    ApplyCamera(pose);
    // Untextured, the fragment's alpha is the colour's 1.0, which the game's alpha test drops.
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_ALPHA_TEST);
    glColor3ub(255, 0, 0);
    glBegin(GL_QUADS);
    glVertex3d(-5, -1, 1);
    glVertex3d(-5, -1, -1);
    glVertex3d(-5, 1, -1);
    glVertex3d(-5, 1, 1);
    glEnd();
    glEnable(GL_ALPHA_TEST);
    glEnable(GL_TEXTURE_2D);

    const auto frame = ReadFrameRgb();
    SaveRgbPng("player_camera_ahead.png", frame);
    const Rgb centre = PixelAt(frame, kFrameWidth / 2, kFrameHeight / 2);
    EXPECT_EQ(centre.r, 255);
    EXPECT_EQ(centre.g, 0);
    const Rgb corner = PixelAt(frame, 10, 10);
    EXPECT_EQ(corner.r, 0);
}

}  // namespace
