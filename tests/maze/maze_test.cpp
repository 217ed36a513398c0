// The game's maze against the literal construction, every cell, plane style and Random() draw,
// and the generator they share against the C library's rand().
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "harness/literal_maze.h"
#include "maze/maze.h"
#include "maze/random.h"
#include "tests/support/fixture.h"

namespace {
bool Same(const std::vector<PlaneStyle>& a, const std::vector<PlaneStyle>& b) {
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * 4) == 0;
}

TEST(Maze, MatchesTheReferenceForEverySizeManySeedsAndTextureMixes) {
    // Up to 300 textures: the index byte keeps the low 8 bits of the draw.
    const int mixes[][2] = {{3, 2}, {1, 0}, {0, 1}, {0, 6}, {8, 0}, {5, 5}, {300, 20}};
    int cases = 0;
    for (int x = 5; x <= 39; x += 2) {
        // Fewer of the largest: the reference spends most of its time there.
        for (int k = 0; k < (x >= 31 ? 8 : 13); ++k, ++cases) {
            // The first case of each size has unequal axes, to catch any mix-up between the
            // axes, the numbering order and the memory layout.
            const int y = k == 0 ? 44 - x : x, z = k == 0 ? 5 + (x - 5) * 3 % 36 : x;
            const auto [tinted, untinted] = mixes[(x + k) % 7];
            const unsigned seed = 1000u * x + 7u * k + 1u;
            SCOPED_TRACE(testing::Message() << "seed " << seed << " sizes " << x << " " << y << " "
                                            << z << " tinted " << tinted);
            SeedRandom(seed);
            const LiteralMaze expected = BuildLiteralMaze(x, y, z, tinted + untinted, tinted);
            const int expectedNext = Random();

            SeedRandom(seed);  // only the counts of the texture set matter, not its names
            const Maze maze(x, y, z, {std::vector<TextureId>(tinted + untinted, 7), tinted});
            EXPECT_EQ(Random(), expectedNext);
            EXPECT_EQ(maze.generationAttempts(), expected.attempts);
            EXPECT_TRUE(maze.cells() == expected.cells);
            EXPECT_TRUE(Same(maze.planesX(), expected.planesX) &&
                        Same(maze.planesY(), expected.planesY) &&
                        Same(maze.planesZ(), expected.planesZ));
            // Start at the centre of room (1, 1, 1); exit a third into the far corner room.
            const double third = 0.3333333333333333;
            EXPECT_TRUE(Near(maze.startPosition(), {7.5, 7.5, 7.5}, 0));
            EXPECT_TRUE(
                Near(maze.exitPoint(), Vec3(x - 2 + third, y - 2 + third, z - 2 + third) * 5, 0));
        }
    }
    EXPECT_GE(cases, 200);
}

// The generator every build shares is the desktop C library's rand(), seed for seed: the
// mazes and the marker's colours of a seed are those of every earlier version of the game.
TEST(Random, IsTheCLibrarysRand) {
    for (unsigned seed : {0u, 1u, 1234567u, 1700000051u, 2147483648u, 4294967295u}) {
        std::srand(seed);
        SeedRandom(seed);
        for (int i = 0; i < 100000; ++i) {
            ASSERT_EQ(Random(), std::rand()) << "seed " << seed << ", draw " << i;
        }
    }
}

}  // namespace
