#include "player/pose.h"

#include <cmath>

#include <gtest/gtest.h>

#include "tests/player/fixture.h"

namespace {

constexpr double kTight = 1e-12;

TEST(Pose, MovesFollowTheFrameNotTheWorld) {
    Pose pose;
    pose.moveForward(2);
    EXPECT_TRUE(Near(pose.position(), {0, 0, -2}, 0));

    // After a quarter turn to the left, forward is -x and right is -z.
    pose.yaw(M_PI / 2);
    pose.moveForward(1);
    pose.moveRight(3);
    pose.moveUp(0.5);
    EXPECT_TRUE(Near(pose.position(), {-1, 0.5, -5}, kTight));
}

TEST(Pose, RotationsTurnTheWayTheControlsPromiseAndCompose) {
    const double c = std::cos(0.25);
    const double s = std::sin(0.25);
    Pose yawed, pitched, rolled;
    yawed.yaw(0.25);      // view from -z toward -x, up fixed
    pitched.pitch(0.25);  // view rises toward +y, right fixed
    rolled.roll(0.25);    // right rises toward +y, up leans toward -x, back fixed
    EXPECT_TRUE(Near(yawed.back(), {s, 0, c}, kTight));
    EXPECT_TRUE(Near(yawed.right(), {c, 0, -s}, kTight));
    EXPECT_TRUE(Near(yawed.up(), {0, 1, 0}, 0));
    EXPECT_TRUE(Near(pitched.back(), {0, -s, c}, kTight));
    EXPECT_TRUE(Near(pitched.up(), {0, c, s}, kTight));
    EXPECT_TRUE(Near(pitched.right(), {1, 0, 0}, 0));
    EXPECT_TRUE(Near(rolled.right(), {c, s, 0}, kTight));
    EXPECT_TRUE(Near(rolled.up(), {-s, c, 0}, kTight));
    EXPECT_TRUE(Near(rolled.back(), {0, 0, 1}, 0));

    // Away from the world axes each turn still uses the pose's own axes.
    Pose pose;
    pose.yaw(0.7);
    pose.pitch(-0.4);
    pose.roll(1.3);
    EXPECT_LT(FrameError(pose), kTight);
    pose.roll(-1.3);
    pose.pitch(0.4);
    pose.yaw(-0.7);
    EXPECT_TRUE(Near(pose.right(), {1, 0, 0}, kTight));
    EXPECT_TRUE(Near(pose.up(), {0, 1, 0}, kTight));
}

TEST(Pose, OrthonormalizeRescalesOnRequestAndAlwaysRebuildsBack) {
    Pose stretched({1, 2, 3}, {2, 0, 0}, {0, 3, 0}, {0, 0, 7});
    stretched.orthonormalize(true);
    EXPECT_TRUE(Near(stretched.right(), {1, 0, 0}, 0));
    EXPECT_TRUE(Near(stretched.up(), {0, 1, 0}, 0));
    EXPECT_TRUE(Near(stretched.back(), {0, 0, 1}, 0));
    EXPECT_TRUE(Near(stretched.position(), {1, 2, 3}, 0));

    Pose unscaled({0, 0, 0}, {2, 0, 0}, {0, 3, 0}, {0, 0, 7});
    unscaled.orthonormalize(false);
    EXPECT_TRUE(Near(unscaled.right(), {2, 0, 0}, 0));
    EXPECT_TRUE(Near(unscaled.back(), {0, 0, 6}, 0));
}

}  // namespace
