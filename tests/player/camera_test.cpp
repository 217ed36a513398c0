#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include <gtest/gtest.h>

#include "platform/video.h"
#include "player/camera_bob.h"
#include "player/player.h"
#include "tests/player/fixture.h"
#include "tests/support/display.h"

namespace {

// The driver keeps matrices in single precision.
constexpr double kGlPrecision = 1e-5;

// The current model-view matrix (column-major, as OpenGL returns it).
std::array<double, 16> ModelView() {
    std::array<double, 16> m{};
    glGetDoublev(GL_MODELVIEW_MATRIX, m.data());
    return m;
}

// The eye-space image of a world point under the current model-view matrix.
Vec3 EyeSpace(const Vec3& p) {
    const auto m = ModelView();
    return {m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12],
            m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13],
            m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]};
}

TEST(CameraBob, SwingsPointTwoUnitsWithAPeriodOf1200PiMs) {
    EXPECT_EQ(CameraBob(0), 0.2);
    EXPECT_NEAR(CameraBob(942), 0.0, 2e-4);  // t / 600 close to pi / 2
    EXPECT_NEAR(CameraBob(1885), -0.2, 1e-6);
    EXPECT_NEAR(CameraBob(3770), 0.2, 1e-6);
    EXPECT_LE(std::abs(CameraBob(0xFFFFFFFFu)), 0.2);
}

class Camera : public ::testing::Test {
  protected:
    void SetUp() override {
        OpenGameWindow();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }
};

TEST_F(Camera, DefaultPoseGivesTheIdentityAndAnyPoseBecomesTheEyeFrame) {
    ApplyCamera(Pose());
    const auto m = ModelView();
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(m[i], i % 5 == 0 ? 1.0 : 0.0, 1e-7) << "element " << i;
    }

    Pose pose = PoseAt({7.5, 12.0, -3.25});
    pose.yaw(0.8);
    pose.pitch(-1.1);
    pose.roll(2.3);
    pose.orthonormalize(true);
    glLoadIdentity();
    ApplyCamera(pose);
    const Vec3 p = pose.position();
    EXPECT_TRUE(Near(EyeSpace(p), {0, 0, 0}, kGlPrecision));
    EXPECT_TRUE(Near(EyeSpace(p - pose.back()), {0, 0, -1}, kGlPrecision));
    EXPECT_TRUE(Near(EyeSpace(p + pose.up()), {0, 1, 0}, kGlPrecision));
    EXPECT_TRUE(Near(EyeSpace(p + pose.right()), {1, 0, 0}, kGlPrecision));
}

TEST_F(Camera, PlaceCameraBobsTheEyeAlongUpAndLeavesThePoseAlone) {
    auto maze = MakeMaze(5, 1);
    Player player(*maze, Pose());
    Pose turned = player.pose();
    turned.roll(M_PI / 2);  // up is now -x: the bob follows it
    player.setPose(turned);

    const std::uint32_t before = Ticks();
    player.placeCamera();
    const std::uint32_t after = Ticks();

    // The un-bobbed position lies the bob's height below the eye, along the eye's up.
    const Vec3 seen = EyeSpace(turned.position());
    EXPECT_GE(-seen.y, std::min(CameraBob(before), CameraBob(after)) - kGlPrecision);
    EXPECT_LE(-seen.y, std::max(CameraBob(before), CameraBob(after)) + kGlPrecision);
    EXPECT_NEAR(seen.x, 0.0, kGlPrecision);
    EXPECT_NEAR(seen.z, 0.0, kGlPrecision);

    for (int i = 0; i < 5; ++i) {
        glLoadIdentity();
        player.placeCamera();
    }
    EXPECT_TRUE(Near(player.pose().position(), turned.position(), 0));
    EXPECT_TRUE(Near(player.pose().up(), turned.up(), 0));
    EXPECT_TRUE(Near(player.pose().back(), turned.back(), 0));
}

}  // namespace
