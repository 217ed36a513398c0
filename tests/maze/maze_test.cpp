// The game's maze against the literal construction, every cell, plane style and Random() draw;
// then the rules that comparison does not reach: the join of three or more regions, the wall
// query on odd boxes, the numbering of the texture files, and maze-dump.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <tuple>

#include "harness/literal_maze.h"
#include "harness/temp_dir.h"
#include "maze/generation.h"
#include "maze/maze.h"
#include "maze/random.h"
#include "maze/texture_files.h"
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

TEST(MazeDeathTest, RefusesAnEmptyTextureSetInsteadOfDividingByZero) {
    EXPECT_DEATH(MakeMaze(5, 1, TextureSet{}), "empty texture set");
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

TEST(JoinedPair, TheLastPairOfNeighboursInDifferentRegions) {
    // Neighbour regions in the order -x, +x, -y, +y, -z, +z; -1 is a wall.
    const struct {
        std::array<int, 6> regions;
        std::pair<int, int> joined;
    } cases[] = {
        {{4, 9, -1, -1, -1, -1}, {0, 1}},
        {{2, -1, -1, 2, -1, -1}, {-1, -1}},  // one region on two sides
        {{2, 5, 7, -1, -1, -1}, {1, 2}},     // -x stays apart
        {{0, 1, 2, 3, 4, 5}, {4, 5}},
        {{1, 2, 3, -1, -1, 3}, {1, 5}},  // -y and +z are one region
        {{-1, 6, 8, 8, 6, 6}, {3, 5}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(JoinedPair(c.regions), c.joined) << testing::PrintToString(c.regions);
    }
}

TEST(BoxTouchesWall, OutsideTheMazeIsWallAndNoBoxBreaksTheQuery) {
    const auto maze = MakeMaze(11, 5);  // room (1, 1, 1) is [5, 10) on every axis, (9, 1, 1) too
    const double far = 1e12, inf = std::numeric_limits<double>::infinity(), nan = std::nan("");
    const struct {
        Vec3 low, high;
        bool wall;
    } cases[] = {
        {{5, 5, 5}, {9.99, 9.99, 9.99}, false},  // resting on the border faces below
        {{4.9, 6, 6}, {8, 8, 8}, true},
        {{46, 6, 6}, {49.99, 8, 8}, false},
        {{46, 6, 6}, {50, 8, 8}, true},  // a corner on a face counts in the cell above it
        {{8, 8, 8}, {0, 8, 8}, false},   // inverted: no cell
        {{far, 6, 6}, {-far, 8, 8}, false},
        {{60, 6, 6}, {61, 8, 8}, true},  // just past the far border
        {{6, 6, -8}, {8, 8, -7}, true},  // just before the near border
        {{6, 6, 6}, {8, 8, far}, true},
        {{nan, 6, 6}, {nan, 8, 8}, true},  // NaN is cell 0, the border
    };
    for (const auto& c : cases) {
        EXPECT_EQ(maze->boxTouchesWall(c.low, c.high), c.wall) << "case " << &c - cases;
    }
    // Truncation toward zero twice, saturating: what the renderer's range is built from.
    const int top = std::numeric_limits<int>::max() / 5;
    const std::pair<double, int> indices[] = {{4.999, 0}, {5.0, 1},     {-4.9, 0}, {-6.997, -1},
                                              {inf, top}, {-inf, -top}, {nan, 0}};
    for (const auto& [coordinate, index] : indices) {
        EXPECT_EQ(CellIndexOf(coordinate, 5.0), index) << coordinate;
    }
}

// A file that is no regular file (a directory, a FIFO, a dangling link: "/", "|", "@" after
// its name below) ends its family as a missing one does; a FIFO is never opened.
TEST(FindTextureFiles, TintedThenUntintedEachUpToItsFirstGapInNumericOrder) {
    namespace fs = std::filesystem;
    const struct {
        const char *files, *found;
        int tinted;
    } cases[] = {
        {"u2 t3 u1 t1 t2 font", "t1 t2 t3 u1 u2 ", 3},
        {"t1 t2 t4 u2 u3", "t1 t2 ", 2},
        {"t2 u2 T1 t0", "", 0},
        {"t2 u1 u2", "u1 u2 ", 0},
        {"t10 t9 t8 t7 t6 t5 t4 t3 t2 t1 u1", "t1 t2 t3 t4 t5 t6 t7 t8 t9 t10 u1 ", 10},
        {"t1/ t2 u1 u2| u3", "u1 ", 0},
        {"t1 t2@ t3 u1@", "t1 ", 1},
    };
    const TempDir temp;
    const std::string dir = temp.file("textures");
    for (const auto& c : cases) {
        fs::remove_all(dir);
        fs::create_directories(dir);
        std::istringstream files(c.files);
        for (std::string name; files >> name;) {
            const std::string path = dir + "/" + name.substr(0, name.find_first_of("/|@")) + ".bmp";
            if (name.ends_with('/')) {
                fs::create_directory(path);
            } else if (name.ends_with('|')) {
                mkfifo(path.c_str(), 0644);
            } else if (name.ends_with('@')) {
                fs::create_symlink(dir + "/nowhere", path);
            } else {
                std::ofstream(path) << "BM";
            }
        }
        const TextureFileList list = FindTextureFiles(dir + "/");
        std::string found;
        for (const std::string& path : list.paths) {
            found += path.substr(dir.size() + 1, path.size() - dir.size() - 5) + " ";
        }
        EXPECT_EQ(found, c.found);
        EXPECT_EQ(list.tintedCount, c.tinted) << c.found;
    }
}

// maze-dump prints the very maze the game builds from a seed, and refuses what it cannot build.
TEST(MazeDump, PrintsTheGamesMazeAndRefusesWhatItCannotBuild) {
    const auto maze = MakeMaze(11, 17, TextureSet{{1, 2, 3, 4, 5}, 3});
    std::string expected;
    for (int z = 0; z < 11; ++z) {
        expected += z > 0 ? "\n" : "";
        for (int y = 0; y < 11; ++y) {
            for (int x = 0; x < 11; ++x) {
                expected += maze->isWall(x, y, z) ? '#' : '.';
            }
            expected += '\n';
        }
    }
    for (const auto& [args, status, out] :
         {std::tuple{"17 11 3 2", 0, expected}, std::tuple{"1 10 1 1", 2, std::string()},
          std::tuple{"1 9 0 0", 2, std::string()}}) {
        std::FILE* pipe =
            popen(("timeout 20 " MAZE_DUMP " " + std::string(args) + " 2>/dev/null").c_str(), "r");
        std::string text;
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            text.append(buffer, n);
        }
        const int raw = pclose(pipe);
        EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, status) << args;
        EXPECT_EQ(text, out) << args;
    }
}

}  // namespace
