#include "maze/maze.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <utility>
#include <vector>

namespace {

const TextureSet Textures{{11, 12, 13, 21, 22}, 3};
constexpr double OneThird = 0.3333333333333333;

void ExpectVec(const Vec3& v, double x, double y, double z) {
    EXPECT_EQ(v.x, x);
    EXPECT_EQ(v.y, y);
    EXPECT_EQ(v.z, z);
}

// Open cells reached from (1, 1, 1) through shared faces (explicit stack).
int CountReachable(const Maze& maze) {
    std::vector<bool> seen(maze.cells().size(), false);
    std::vector<int> stack{maze.cellIndex(1, 1, 1)};
    seen[stack.back()] = true;
    const int sx = maze.sizeX();
    const int sxy = sx * maze.sizeY();
    int reached = 0;
    while (!stack.empty()) {
        const int cell = stack.back();
        stack.pop_back();
        ++reached;
        for (int step : {-1, 1, -sx, sx, -sxy, sxy}) {
            if (!seen[cell + step] && !(maze.cells()[cell + step] & CellWall)) {
                seen[cell + step] = true;
                stack.push_back(cell + step);
            }
        }
    }
    return reached;
}

TEST(Maze, FinishedMazeKeepsItsInvariantsForEverySize) {
    for (int size = 5; size <= 39; size += 2) {
        for (unsigned seed : {1u, 77u, 4242u}) {
            SCOPED_TRACE(testing::Message() << "size " << size << " seed " << seed);
            std::srand(seed + size);
            const Maze maze(size, size, size, Textures);
            const int half = (size - 1) / 2;
            const int rooms = half * half * half;
            int open = 0;
            bool bordersWalled = true;
            bool roomsOpen = true;
            for (int z = 0; z < size; ++z) {
                for (int y = 0; y < size; ++y) {
                    for (int x = 0; x < size; ++x) {
                        const bool wall = maze.isWall(x, y, z);
                        const bool border = x == 0 || y == 0 || z == 0 || x == size - 1 ||
                                            y == size - 1 || z == size - 1;
                        open += wall ? 0 : 1;
                        bordersWalled &= !border || wall;
                        roomsOpen &= !((x & y & z & 1) && wall);
                    }
                }
            }
            EXPECT_TRUE(bordersWalled);
            EXPECT_TRUE(roomsOpen);
            EXPECT_EQ(open, 2 * rooms - 1);
            EXPECT_EQ(CountReachable(maze), 2 * rooms - 1);
            ExpectVec(maze.startPosition(), 7.5, 7.5, 7.5);
            const double exit = (size - 2 + OneThird) * 5.0;
            ExpectVec(maze.exitPoint(), exit, exit, exit);
        }
    }
}

TEST(Maze, UnequalAxesKeepTheirOwnPlanesAndExit) {
    const Maze maze(5, 7, 9, Textures);
    EXPECT_EQ(maze.planesX().size(), 6u);
    EXPECT_EQ(maze.planesY().size(), 8u);
    EXPECT_EQ(maze.planesZ().size(), 10u);
    ExpectVec(maze.exitPoint(), (3 + OneThird) * 5.0, (5 + OneThird) * 5.0, (7 + OneThird) * 5.0);
}

TEST(CellIndexOf, TruncatesTowardZeroAndSaturates) {
    const double inf = std::numeric_limits<double>::infinity();
    const int highest = static_cast<int>(std::numeric_limits<int>::max() / 5.0);
    const int lowest = static_cast<int>(std::numeric_limits<int>::min() / 5.0);
    const std::pair<double, int> cases[] = {{4.999, 0},     {5.0, 1},       {-4.9, 0},
                                            {-6.997, -1},   {-5.0, -1},     {1e300, highest},
                                            {inf, highest}, {-inf, lowest}, {std::nan(""), 0}};
    for (const auto& [coordinate, cell] : cases) {
        EXPECT_EQ(CellIndexOf(coordinate, 5.0), cell) << coordinate;
    }
    EXPECT_EQ(CellIndexOf(3.0, 0.0), std::numeric_limits<int>::max());
}

// These expectations hold for any carving, so the seed is whatever rand() is at.
TEST(BoxTouchesWall, InsideOneOpenCellOrReachingIntoAWall) {
    const Maze maze(11, 11, 11, Textures);
    // Room (1, 1, 1) spans [5, 10) on every axis; its -x neighbour is the border.
    EXPECT_FALSE(maze.boxTouchesWall({5.0, 5.0, 5.0}, {9.99, 9.99, 9.99}));
    EXPECT_TRUE(maze.boxTouchesWall({4.9, 6.0, 6.0}, {8.0, 8.0, 8.0}));
    for (int axis = 0; axis < 3; ++axis) {
        Vec3 high(9.0, 9.0, 9.0);
        high[axis] = 10.1;
        const bool wall = maze.isWall(axis == 0 ? 2 : 1, axis == 1 ? 2 : 1, axis == 2 ? 2 : 1);
        EXPECT_EQ(maze.boxTouchesWall({6.0, 6.0, 6.0}, high), wall) << "axis " << axis;
    }
    // An inverted box covers no cell.
    EXPECT_FALSE(maze.boxTouchesWall({8.0, 8.0, 8.0}, {0.0, 8.0, 8.0}));
    EXPECT_FALSE(maze.boxTouchesWall({1e12, 6.0, 6.0}, {-1e12, 8.0, 8.0}));
}

TEST(BoxTouchesWall, AnythingOutsideTheMazeIsWall) {
    const Maze maze(11, 11, 11, Textures);
    for (int outside : {-1, 11, 1000, std::numeric_limits<int>::min()}) {
        EXPECT_TRUE(maze.isWall(outside, 1, 1));
        EXPECT_TRUE(maze.isWall(1, outside, 1));
        EXPECT_TRUE(maze.isWall(1, 1, outside));
    }
    const double far = 1e12;
    const double nan = std::nan("");
    EXPECT_TRUE(maze.boxTouchesWall({-far, -far, -far}, {-far + 1, -far + 1, -far + 1}));
    EXPECT_TRUE(maze.boxTouchesWall({far, far, far}, {far + 1, far + 1, far + 1}));
    EXPECT_TRUE(maze.boxTouchesWall({60.0, 6.0, 6.0}, {61.0, 8.0, 8.0}));  // x = 12 > 10
    EXPECT_TRUE(maze.boxTouchesWall({6.0, 6.0, 6.0}, {8.0, 8.0, far}));    // partly outside
    EXPECT_TRUE(maze.boxTouchesWall({-far, -far, -far}, {far, far, far}));
    EXPECT_TRUE(maze.boxTouchesWall({nan, 6.0, 6.0}, {nan, 8.0, 8.0}));
}

}  // namespace
