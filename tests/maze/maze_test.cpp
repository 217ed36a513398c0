// The maze's rules that the reference comparison does not reach: the join of three or more
// regions, the wall query on odd boxes, the numbering of the texture files, and maze-dump.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include "harness/temp_dir.h"
#include "maze/generation.h"
#include "maze/maze.h"
#include "maze/random.h"
#include "maze/texture_files.h"
#include "tests/support/fixture.h"

namespace {

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

// Runs maze-dump; returns its exit status (124 when it hangs) and its standard output, or its
// standard error.
std::pair<int, std::string> RunDump(const std::string& args, bool errors = false) {
    const std::string command =
        "timeout 20 " MAZE_DUMP " " + args + (errors ? " 2>&1 >/dev/null" : " 2>/dev/null");
    std::FILE* pipe = popen(command.c_str(), "r");
    std::string text;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        text.append(buffer, n);
    }
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text};
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
    EXPECT_EQ(RunDump("17 11 3 2"), std::pair(0, expected));
    const std::string counts =
        "open cells: 249\nrooms: 125\nattempts: " + std::to_string(maze->generationAttempts()) +
        "\nbuild time: ";
    EXPECT_EQ(RunDump("17 11 3 2", true).second.substr(0, counts.size()), counts);

    for (const char* args : {"1 10 1 1", "1 41 1 1", "1 1 1 1", "1 9 0 0", "x 9 1 1", "1 9 -1 3",
                             "1 9 1", "-5 9 1 1", "1 9 1 1 1", "1 9z 1 1"}) {
        EXPECT_EQ(RunDump(args), std::pair(2, std::string())) << args;
        EXPECT_NE(RunDump(args, true).second.find("usage: maze-dump"), std::string::npos) << args;
    }
}

}  // namespace
