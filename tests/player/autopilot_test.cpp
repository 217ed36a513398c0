#include "tests/player/autopilot.h"

#include <cstdio>

#include <gtest/gtest.h>

#include "platform/input.h"
#include "platform/video.h"
#include "player/player.h"
#include "tests/player/fixture.h"

namespace {

constexpr int kFrameMs = 15;

struct Flight {
    bool won = false;
    int frames = 0;
    int turningFrames = 0;  // frames in which the pilot moved the mouse
};

// Flies with the pilot's keys and mouse only, one 15 ms frame at a time.
Flight FlyToExit(const Maze& maze, Player& player, int frameBudget) {
    Autopilot pilot(maze);
    Flight flight;
    while (flight.frames < frameBudget && !flight.won) {
        const PilotInput input = pilot.decide(player.pose());
        if (input.mouseDX != 0 || input.mouseDY != 0) {
            ++flight.turningFrames;
        }
        ApplyPilotInput(input);
        videoState.lastSwapMs = kFrameMs;
        flight.won = player.update();
        ++flight.frames;
        EXPECT_FALSE(player.touchesWall());
    }
    return flight;
}

class Autopilot_ : public ::testing::TestWithParam<int> {
  protected:
    void SetUp() override { ResetInput(); }
    void TearDown() override { ResetInput(); }
};

TEST_P(Autopilot_, WinsEveryMazeOfThisSizeWithTheGameControls) {
    const int size = GetParam();
    for (unsigned seed : {1u, 2u, 3u}) {
        auto maze = MakeMaze(size, seed);
        Player player(*maze, Pose());
        const int pathCells = Autopilot(*maze).distanceToExit(1, 1, 1);
        ASSERT_GT(pathCells, 0);
        // About 40 frames per cell of path covers the turns with room to spare.
        const int budget = 40 * pathCells + 200;
        const Flight flight = FlyToExit(*maze, player, budget);
        EXPECT_TRUE(flight.won) << "size " << size << " seed " << seed;
        std::printf(
            "autopilot size %d seed %u: %d path cells, %d frames (%d turning), %.2f s of flight\n",
            size, seed, pathCells, flight.frames, flight.turningFrames,
            flight.frames * kFrameMs / 1000.0);
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, Autopilot_, ::testing::Values(5, 11, 21, 39));

TEST(Autopilot, PathDistancesFollowOpenCells) {
    auto maze = MakeMaze(11, 5);
    const Autopilot pilot(*maze);
    const Vec3 exit = maze->exitPoint();
    EXPECT_EQ(pilot.distanceToExit(static_cast<int>(exit.x / 5), static_cast<int>(exit.y / 5),
                                   static_cast<int>(exit.z / 5)),
              0);
    EXPECT_EQ(pilot.distanceToExit(0, 0, 0), -1);
    // Every open cell is reachable and has a neighbour one step closer to the exit.
    for (int z = 1; z < 10; ++z) {
        for (int y = 1; y < 10; ++y) {
            for (int x = 1; x < 10; ++x) {
                const int d = pilot.distanceToExit(x, y, z);
                if (maze->isWall(x, y, z) || d == 0) {
                    continue;
                }
                ASSERT_GT(d, 0);
                const int closer[6] = {
                    pilot.distanceToExit(x - 1, y, z), pilot.distanceToExit(x + 1, y, z),
                    pilot.distanceToExit(x, y - 1, z), pilot.distanceToExit(x, y + 1, z),
                    pilot.distanceToExit(x, y, z - 1), pilot.distanceToExit(x, y, z + 1)};
                EXPECT_NE(std::find(std::begin(closer), std::end(closer), d - 1), std::end(closer));
            }
        }
    }
}

TEST(Autopilot, FollowsThePlayersRatesExactly) {
    ResetInput();
    auto maze = MakeMaze(11, 9);
    Player player(*maze, Pose());
    Autopilot tracking(*maze);
    const Autopilot pure(*maze);
    for (int frame = 0; frame < 300; ++frame) {
        const PilotInput fromRates = pure.decide(player.pose(), player.velocity());
        const PilotInput input = tracking.decide(player.pose());
        ASSERT_EQ(input.keys, fromRates.keys) << "frame " << frame;
        ApplyPilotInput(input);
        player.update();
    }
    ResetInput();
}

TEST(Autopilot, StartsFromAnyOpenCellAndOrientation) {
    ResetInput();
    auto maze = MakeMaze(11, 4);
    const Autopilot pilot(*maze);
    // An open cell far from both start and exit, and an awkward orientation.
    int far[3] = {0, 0, 0};
    for (int x = 1; x < 10; ++x) {
        for (int y = 1; y < 10; ++y) {
            for (int z = 1; z < 10; ++z) {
                if (pilot.distanceToExit(x, y, z) > pilot.distanceToExit(far[0], far[1], far[2])) {
                    far[0] = x, far[1] = y, far[2] = z;
                }
            }
        }
    }
    Player player(*maze, Pose());
    Pose placed = PoseAt(CellCentre(*maze, far[0], far[1], far[2]));
    placed.roll(2.0);
    placed.pitch(-0.7);
    placed.yaw(2.5);
    placed.orthonormalize(true);
    player.setPose(placed);

    const int budget = 40 * pilot.distanceToExit(far[0], far[1], far[2]) + 200;
    EXPECT_TRUE(FlyToExit(*maze, player, budget).won);
    ResetInput();
}

}  // namespace
