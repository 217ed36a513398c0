#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "platform/input.h"
#include "platform/keys.h"
#include "platform/video.h"
#include "player/player.h"
#include "tests/player/fixture.h"

namespace {

// Random flight: any keys and buttons, mouse jumps up to the full 16-bit range, frame
// times from 0 to 5 s. After every frame the box is clear of walls, the player is in an
// open cell, the frame is orthonormal, and the move took no shortcut through a wall.

constexpr int kFlightKeys[12] = {key::I,  key::K,    key::L,     key::J,    key::Y, key::H,
                                 key::Up, key::Down, key::Right, key::Left, key::U, key::O};
constexpr int kShards = 8;
constexpr int kMazeSizes[] = {5, 11, 21, 39, 7};
constexpr int kFramesPerMaze = 25000;  // 8 shards x 5 mazes x 25,000 = 1,000,000 frames

struct Cell {
    int x, y, z;
    bool operator==(const Cell&) const = default;
};

Cell CellOf(const Vec3& p) {
    return {static_cast<int>(std::floor(p.x / 5)), static_cast<int>(std::floor(p.y / 5)),
            static_cast<int>(std::floor(p.z / 5))};
}

// Within a frame the position moves monotonically on each axis, one cell face at a time, and
// only ever rests in open cells. So the cell it ends in must be reachable from the one it
// started in by a monotone staircase of open cells; a jump through a wall is not.
bool ReachableWithoutShortcut(const Maze& maze, const Cell& from, const Cell& to) {
    const int dx = to.x >= from.x ? 1 : -1;
    const int dy = to.y >= from.y ? 1 : -1;
    const int dz = to.z >= from.z ? 1 : -1;
    const int nx = std::abs(to.x - from.x) + 1;
    const int ny = std::abs(to.y - from.y) + 1;
    const int nz = std::abs(to.z - from.z) + 1;
    std::vector<char> reached(static_cast<std::size_t>(nx) * ny * nz, 0);
    auto at = [&](int i, int j, int k) -> char& { return reached[(k * ny + j) * nx + i]; };
    for (int k = 0; k < nz; ++k) {
        for (int j = 0; j < ny; ++j) {
            for (int i = 0; i < nx; ++i) {
                if (!maze.isWall(from.x + i * dx, from.y + j * dy, from.z + k * dz)) {
                    at(i, j, k) = (i == 0 && j == 0 && k == 0) || (i > 0 && at(i - 1, j, k)) ||
                                  (j > 0 && at(i, j - 1, k)) || (k > 0 && at(i, j, k - 1));
                }
            }
        }
    }
    return at(nx - 1, ny - 1, nz - 1) != 0;
}

// Sets the next frame's input. Keys and buttons stay held for a while so that rates build
// up; mouse motion and frame times are mostly ordinary with a tail of extremes.
void RandomInput(std::mt19937& random) {
    std::uniform_real_distribution<> unit(0, 1);
    const auto uniform = [&](int low, int high) {
        return std::uniform_int_distribution<>(low, high)(random);
    };
    for (int k : kFlightKeys) {
        inputState.keys[k] ^= unit(random) < 0.08;
    }
    for (int button = 1; button <= 3; ++button) {
        inputState.buttons[button] ^= unit(random) < 0.05;
    }
    const auto mouse = [&] {
        const double roll = unit(random);
        return roll < 0.5    ? 0
               : roll < 0.8  ? uniform(-100, 100)
               : roll < 0.95 ? uniform(-3000, 3000)
                             : uniform(-32767, 32767);
    };
    inputState.mouseDX = mouse();
    inputState.mouseDY = mouse();
    const double roll = unit(random);
    videoState.lastSwapMs = roll < 0.05   ? 0
                            : roll < 0.65 ? uniform(1, 40)
                            : roll < 0.9  ? uniform(0, 300)
                                          : uniform(0, 5000);
}

class RandomFlight : public ::testing::TestWithParam<int> {
  protected:
    void TearDown() override { ResetInput(); }
};

TEST_P(RandomFlight, NeverEntersAWallNorBendsTheFrame) {
    const int shard = GetParam();
    std::mt19937 random(1000 + shard);
    long frames = 0;
    long cellChanges = 0;
    double worstFrameError = 0;
    for (int size : kMazeSizes) {
        ResetInput();
        const unsigned seed = 100 * shard + size;
        auto maze = MakeMaze(size, seed);
        Player player(*maze, Pose());
        for (int frame = 0; frame < kFramesPerMaze; ++frame, ++frames) {
            const Cell before = CellOf(player.pose().position());
            RandomInput(random);
            player.update();

            const Vec3 p = player.pose().position();
            const Cell after = CellOf(p);
            const double error = FrameError(player.pose());
            worstFrameError = std::max(worstFrameError, error);
            const bool moved = !(after == before);
            cellChanges += moved;
            if (player.touchesWall() || maze->isWall(after.x, after.y, after.z) ||
                !(error < 1e-9) || (moved && !ReachableWithoutShortcut(*maze, before, after))) {
                FAIL() << "size " << size << " seed " << seed << " frame " << frame << " at ("
                       << p.x << ", " << p.y << ", " << p.z << ") frame error " << error << " ms "
                       << videoState.lastSwapMs << " mouse " << inputState.mouseDX << ", "
                       << inputState.mouseDY;
            }
        }
    }
    std::printf("random flight shard %d: %ld frames, %ld cell changes, worst frame error %.3g\n",
                shard, frames, cellChanges, worstFrameError);
}

INSTANTIATE_TEST_SUITE_P(Shards, RandomFlight, ::testing::Range(0, kShards));

}  // namespace
