#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "maze/maze.h"

namespace {

struct DumpRun {
    int status;
    std::string out;
    std::string err;
};

DumpRun RunDump(const std::string& args) {
    const std::string base = "maze_dump_test_" + std::to_string(getpid());
    const int status = std::system(
        (std::string(MAZE_DUMP) + " " + args + " >" + base + ".out 2>" + base + ".err").c_str());
    auto slurp = [](const std::string& path) {
        std::ifstream in(path);
        std::string text{std::istreambuf_iterator<char>(in), {}};
        std::remove(path.c_str());
        return text;
    };
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, slurp(base + ".out"),
            slurp(base + ".err")};
}

TEST(MazeDump, PrintsTheGamesMazeSliceBySlice) {
    const DumpRun run = RunDump("17 11 3 2");
    ASSERT_EQ(run.status, 0) << run.err;

    std::srand(17);
    const Maze maze(11, 11, 11, TextureSet{{1, 2, 3, 4, 5}, 3});
    std::string expected;
    for (int z = 0; z < 11; ++z) {
        expected += z > 0 ? "\n" : "";
        for (int y = 0; y < 11; ++y) {
            for (int x = 0; x < 11; ++x) {
                expected += maze.isWall(x, y, z) ? '#' : '.';
            }
            expected += '\n';
        }
    }
    EXPECT_EQ(run.out, expected);
    const std::string attempts = std::to_string(maze.generationAttempts());
    for (const std::string line : {"open cells: 249\n", "rooms: 125\n", "build time: "}) {
        EXPECT_NE(run.err.find(line), std::string::npos) << run.err;
    }
    EXPECT_NE(run.err.find("attempts: " + attempts + "\n"), std::string::npos) << run.err;
}

TEST(MazeDump, RefusesArgumentsTheGameCannotBuild) {
    for (const char* args : {"1 10 1 1", "1 41 1 1", "1 1 1 1", "1 9 0 0", "x 9 1 1", "1 9 -1 3",
                             "1 9 1", "-5 9 1 1", "1 9 1 1 1", "1 9z 1 1"}) {
        const DumpRun run = RunDump(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_TRUE(run.out.empty()) << args;
        EXPECT_NE(run.err.find("usage: maze-dump"), std::string::npos) << args;
    }
}

}  // namespace
