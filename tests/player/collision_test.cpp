#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "platform/input.h"
#include "platform/keys.h"
#include "platform/video.h"
#include "player/player.h"
#include "tests/player/fixture.h"

namespace {

class Collision : public ::testing::Test {
  protected:
    void SetUp() override { ResetInput(); }
    void TearDown() override { ResetInput(); }

    // Size 5 with cells (1,1,1), (1,1,2), (1,1,3) open: a corridor from z = 5 to z = 20
    // closed by the border at both ends, with the border at x < 5 beside the start.
    std::unique_ptr<Maze> maze = FindMaze(5, [](const Maze& m) { return !m.isWall(1, 1, 2); });
    Player player{*maze, Pose()};
};

TEST_F(Collision, FlyingIntoTheBorderStopsOneBoxHalfFromIt) {
    inputState.keys[key::J] = 1;  // left: -x
    for (int i = 0; i < 200; ++i) {
        player.update();
        ASSERT_FALSE(player.touchesWall());
    }
    const Vec3 p = player.pose().position();
    EXPECT_GE(p.x, 6.2 - 1e-12);
    EXPECT_LT(p.x, 6.2 + 1e-3);
    EXPECT_EQ(p.y, 7.5);
    EXPECT_EQ(p.z, 7.5);
    EXPECT_EQ(player.velocity()[1], -1.0);  // pushing on does not slow the rate
}

TEST_F(Collision, BlockedStepHalvesOrGivesUpWhileFreeAxesSlideInFull) {
    player.setPose(PoseAt({7.0, 7.5, 7.5}));
    // x: -0.9 would put the box 0.1 into the border; -0.45 fits and stays.
    player.moveWithCollision({-0.9, 0.3, -0.2});
    EXPECT_TRUE(Near(player.pose().position(), {7.0 - 0.45, 7.8, 7.3}, 0));

    // Against the border even 0.5/1024 is too far: x stays exactly where it was.
    player.setPose(PoseAt({6.2 + 1e-6, 7.5, 7.5}));
    player.moveWithCollision({-0.5, 0, 0.5});
    EXPECT_TRUE(Near(player.pose().position(), {6.2 + 1e-6, 7.5, 8.0}, 0));
}

TEST_F(Collision, LongMovesGoTheFullWayWhenFreeButNeverPassAWall) {
    player.moveWithCollision({0, 0, 10});
    EXPECT_EQ(player.pose().position().z, 17.5);

    // A 3,000 pixel pan to the left in one frame is 10 units; the border is 2.5 away.
    player.setPose(PoseAt(maze->startPosition()));
    inputState.buttons[3] = 1;
    inputState.mouseDX = -3000;
    player.update();
    EXPECT_GE(player.pose().position().x, 6.2 - 1e-12);
    EXPECT_FALSE(player.touchesWall());

    // A five-second frame at full speed down the corridor stops at its closed end.
    ResetInput(0);
    inputState.keys[key::K] = 1;  // backward: +z
    for (int i = 0; i < 20; ++i) {
        player.update();
    }
    videoState.lastSwapMs = 5000;
    player.update();
    EXPECT_LE(player.pose().position().z, 20 - 1.2);
    EXPECT_GT(player.pose().position().z, 20 - 1.2 - 1e-3);

    // Absurd and broken displacements end quickly, inside the maze.
    player.moveWithCollision({-1e12, 3e11, 1e15});
    EXPECT_FALSE(player.touchesWall());
    const Vec3 before = player.pose().position();
    player.moveWithCollision({std::numeric_limits<double>::quiet_NaN(), 1, 1});
    EXPECT_TRUE(Near(player.pose().position(), before, 0));
}

TEST_F(Collision, ExitIsReachedStrictlyInsideHalfACell) {
    ResetInput(0);
    const Vec3 exit = maze->exitPoint();
    player.setPose(PoseAt(exit - Vec3(2.4999, 0, 0)));
    EXPECT_TRUE(player.update());
    player.setPose(PoseAt(exit - Vec3(2.5, 0, 0)));
    EXPECT_FALSE(player.update());
    player.setPose(PoseAt(maze->startPosition()));
    EXPECT_FALSE(player.update());
}

}  // namespace
