#include "player/pose.h"

#include <cmath>

#include <gtest/gtest.h>

#include "tests/player/fixture.h"

namespace {

constexpr double kTight = 1e-12;

void ExpectVec(const Vec3& actual, const Vec3& expected, double tolerance = kTight) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

TEST(Pose, MovesFollowTheFrameNotTheWorld) {
    Pose pose;
    pose.moveForward(2);
    ExpectVec(pose.position(), {0, 0, -2}, 0);

    // After a quarter turn to the left, forward is -x and right is -z.
    pose.yaw(M_PI / 2);
    pose.moveForward(1);
    pose.moveRight(3);
    pose.moveUp(0.5);
    ExpectVec(pose.position(), {-1, 0.5, -5});
}

TEST(Pose, RotationsTurnTheWayTheControlsPromise) {
    const double a = 0.25;
    const double c = std::cos(a);
    const double s = std::sin(a);

    Pose yawed;
    yawed.yaw(a);  // view from -z toward -x, up fixed
    ExpectVec(-yawed.back(), {-s, 0, -c});
    ExpectVec(yawed.right(), {c, 0, -s});
    ExpectVec(yawed.up(), {0, 1, 0}, 0);

    Pose pitched;
    pitched.pitch(a);  // view rises toward +y, right fixed
    ExpectVec(-pitched.back(), {0, s, -c});
    ExpectVec(pitched.up(), {0, c, s});
    ExpectVec(pitched.right(), {1, 0, 0}, 0);

    Pose rolled;
    rolled.roll(a);  // right rises toward +y, up leans toward -x, back fixed
    ExpectVec(rolled.right(), {c, s, 0});
    ExpectVec(rolled.up(), {-s, c, 0});
    ExpectVec(rolled.back(), {0, 0, 1}, 0);
}

TEST(Pose, RotationsComposeAndUndo) {
    Pose pose;
    pose.yaw(0.7);
    pose.pitch(-0.4);
    pose.roll(1.3);
    EXPECT_LT(FrameError(pose), kTight);
    pose.roll(-1.3);
    pose.pitch(0.4);
    pose.yaw(-0.7);
    ExpectVec(pose.right(), {1, 0, 0});
    ExpectVec(pose.up(), {0, 1, 0});
    ExpectVec(pose.back(), {0, 0, 1});

    // A full turn in many small steps comes back to the start.
    for (int i = 0; i < 360; ++i) {
        pose.pitch(2 * M_PI / 360);
    }
    ExpectVec(pose.up(), {0, 1, 0}, 1e-10);
    ExpectVec(pose.back(), {0, 0, 1}, 1e-10);
}

TEST(Pose, OrthonormalizeRescalesAndRebuildsBack) {
    Pose stretched({1, 2, 3}, {2, 0, 0}, {0, 3, 0}, {0, 0, 7});
    stretched.orthonormalize(true);
    ExpectVec(stretched.right(), {1, 0, 0}, 0);
    ExpectVec(stretched.up(), {0, 1, 0}, 0);
    ExpectVec(stretched.back(), {0, 0, 1}, 0);
    ExpectVec(stretched.position(), {1, 2, 3}, 0);

    Pose unscaled({0, 0, 0}, {2, 0, 0}, {0, 3, 0}, {0, 0, 7});
    unscaled.orthonormalize(false);
    ExpectVec(unscaled.right(), {2, 0, 0}, 0);
    ExpectVec(unscaled.back(), {0, 0, 6}, 0);
}

}  // namespace
