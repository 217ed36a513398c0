// The camera under a real GL context: the pose becomes the eye frame and only the eye bobs.
// (Our own matrices, which draw the page, are held to OpenGL's by the browser test's frames.)
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "platform/matrices.h"
#include "platform/video.h"
#include "player/camera_bob.h"
#include "player/player.h"
#include "tests/support/display.h"
#include "tests/support/fixture.h"

namespace {

constexpr double kGlPrecision = 1e-5;  // the driver keeps matrices in single precision

Vec3 Transform(const Matrix4& m, const Vec3& p) {
    return {m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12],
            m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13],
            m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]};
}

TEST(Camera, ThePoseBecomesTheEyeFrameAndOnlyTheEyeBobsAlongUp) {
    OpenGameWindow();
    Pose start;  // a player keeps the orientation it starts with, at the maze's start
    start.yaw(0.8);
    start.pitch(-1.1);
    start.roll(2.3);
    const auto maze = MakeMaze(5, 1);
    const Player player(*maze, start);
    const Vec3 p = player.pose().position(), back = start.back(), up = start.up();

    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const std::uint32_t before = Ticks();
    player.placeCamera();
    const std::uint32_t after = Ticks();
    Matrix4 view;
    glGetDoublev(GL_MODELVIEW_MATRIX, view.data());

    // The pose's frame with the eye raised along up by 0.2 cos(t / 600).
    const double bob = -Transform(view, p).y;
    EXPECT_GE(bob, std::min(CameraBob(before), CameraBob(after)) - kGlPrecision);
    EXPECT_LE(bob, std::max(CameraBob(before), CameraBob(after)) + kGlPrecision);
    const Vec3 eye = p + bob * up;
    EXPECT_TRUE(Near(Transform(view, eye), {0, 0, 0}, kGlPrecision));
    EXPECT_TRUE(Near(Transform(view, eye - back), {0, 0, -1}, kGlPrecision));
    EXPECT_TRUE(Near(Transform(view, eye + up), {0, 1, 0}, kGlPrecision));
    EXPECT_EQ(CameraBob(0), 0.2);
    EXPECT_NEAR(CameraBob(942), 0.0, 2e-4);  // t / 600 close to pi / 2
    EXPECT_NEAR(CameraBob(1885), -0.2, 1e-6);
}

}  // namespace
