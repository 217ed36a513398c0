#include "tests/player/autopilot.h"

#include <cstdio>

#include <gtest/gtest.h>

#include "platform/input.h"
#include "platform/video.h"
#include "player/player.h"
#include "tests/player/fixture.h"

namespace {

constexpr int kFrameMs = 15;

class AutopilotWins : public ::testing::TestWithParam<int> {
  protected:
    void SetUp() override { ResetInput(); }
    void TearDown() override { ResetInput(); }
};

// The pilot flies with keys and mouse only, one 15 ms frame at a time. The rates it follows
// from its own decisions (as the game's end-to-end test relies on) must match the player's.
TEST_P(AutopilotWins, EveryMazeOfThisSizeWithTheGameControls) {
    const int size = GetParam();
    for (unsigned seed : {1u, 2u, 3u}) {
        auto maze = MakeMaze(size, seed);
        Player player(*maze, Pose());
        Autopilot pilot(*maze);
        const int pathCells = pilot.distanceToExit(1, 1, 1);
        ASSERT_GT(pathCells, 0);
        // About 40 frames per cell of path covers the turns with room to spare.
        const int budget = 40 * pathCells + 200;
        int frames = 0;
        bool won = false;
        while (frames < budget && !won) {
            const PilotInput fromRates = pilot.decide(player.pose(), player.velocity(), kFrameMs);
            const PilotInput input = pilot.decide(player.pose(), kFrameMs);
            ASSERT_EQ(input.keys, fromRates.keys) << "frame " << frames;
            ApplyPilotInput(input);
            videoState.lastSwapMs = kFrameMs;
            won = player.update();
            ++frames;
            ASSERT_FALSE(player.touchesWall());
        }
        EXPECT_TRUE(won) << "size " << size << " seed " << seed;
        std::printf("autopilot size %d seed %u: %d path cells, %d frames, %.2f s of flight\n", size,
                    seed, pathCells, frames, frames * kFrameMs / 1000.0);
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, AutopilotWins, ::testing::Values(5, 11, 21, 39));

}  // namespace
