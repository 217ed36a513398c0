#include "maze/maze.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>

namespace {

TextureSet MixedSet() {
    return TextureSet{{11, 12, 13, 21, 22}, 3};
}

int CountOpen(const Maze& maze) {
    int open = 0;
    for (std::uint8_t cell : maze.cells()) {
        open += (cell & CellWall) ? 0 : 1;
    }
    return open;
}

// Open cells reached from (1, 1, 1) through shared faces (explicit stack).
int CountReachable(const Maze& maze) {
    std::vector<bool> seen(maze.cells().size(), false);
    std::vector<int> stack{maze.cellIndex(1, 1, 1)};
    seen[stack.back()] = true;
    const int sx = maze.sizeX();
    const int sxy = sx * maze.sizeY();
    const int steps[6] = {-1, 1, -sx, sx, -sxy, sxy};
    int reached = 0;
    while (!stack.empty()) {
        const int cell = stack.back();
        stack.pop_back();
        ++reached;
        for (int step : steps) {
            const int next = cell + step;
            if (!seen[next] && !(maze.cells()[next] & CellWall)) {
                seen[next] = true;
                stack.push_back(next);
            }
        }
    }
    return reached;
}

TEST(Maze, FinishedMazeKeepsItsInvariantsForEverySize) {
    for (int size = 5; size <= 39; size += 2) {
        for (unsigned seed : {1u, 77u, 4242u}) {
            std::srand(seed + size);
            const Maze maze(size, size, size, MixedSet());
            SCOPED_TRACE(testing::Message() << "size " << size << " seed " << seed);
            const int half = (size - 1) / 2;
            const int rooms = half * half * half;
            EXPECT_EQ(CountOpen(maze), 2 * rooms - 1);
            EXPECT_EQ(CountReachable(maze), 2 * rooms - 1);
            bool bordersWalled = true;
            bool roomsOpen = true;
            for (int z = 0; z < size; ++z) {
                for (int y = 0; y < size; ++y) {
                    for (int x = 0; x < size; ++x) {
                        const bool wall = maze.cells()[maze.cellIndex(x, y, z)] & CellWall;
                        const bool border = x == 0 || y == 0 || z == 0 || x == size - 1 ||
                                            y == size - 1 || z == size - 1;
                        bordersWalled &= !border || wall;
                        roomsOpen &= !((x & y & z & 1) && wall);
                    }
                }
            }
            EXPECT_TRUE(bordersWalled);
            EXPECT_TRUE(roomsOpen);
            for (std::uint8_t cell : maze.cells()) {
                ASSERT_TRUE(cell == CellOpen || cell == CellWall);
            }

            const Vec3 start = maze.startPosition();
            EXPECT_EQ(start.x, 7.5);
            EXPECT_EQ(start.y, 7.5);
            EXPECT_EQ(start.z, 7.5);
            const double exit = (size - 2 + 0.3333333333333333) * 5.0;
            EXPECT_EQ(maze.exitPoint().x, exit);
            EXPECT_EQ(maze.exitPoint().y, exit);
            EXPECT_EQ(maze.exitPoint().z, exit);
        }
    }
}

TEST(Maze, FixedDistancesAndPlaneArrays) {
    std::srand(3);
    const Maze maze(5, 7, 9, MixedSet());
    EXPECT_EQ(maze.cellSize(), 5.0);
    EXPECT_EQ(maze.viewDistance(), 35.0);
    EXPECT_EQ(maze.planesX().size(), 6u);
    EXPECT_EQ(maze.planesY().size(), 8u);
    EXPECT_EQ(maze.planesZ().size(), 10u);
    EXPECT_EQ(maze.cells().size(), 5u * 7u * 9u);
    EXPECT_EQ(maze.cellIndex(1, 2, 3), (3 * 7 + 2) * 5 + 1);
    EXPECT_EQ(maze.textures(), MixedSet().textures);
    EXPECT_EQ(maze.tintedTextureCount(), 3);
    EXPECT_EQ(maze.exitPoint().x, (3 + 0.3333333333333333) * 5.0);
    EXPECT_EQ(maze.exitPoint().y, (5 + 0.3333333333333333) * 5.0);
    EXPECT_EQ(maze.exitPoint().z, (7 + 0.3333333333333333) * 5.0);
}

TEST(Maze, SameSeedSameMaze) {
    std::srand(99);
    const Maze first(11, 11, 11, MixedSet());
    const int after = std::rand();
    std::srand(99);
    const Maze second(11, 11, 11, MixedSet());
    EXPECT_EQ(first.cells(), second.cells());
    EXPECT_EQ(std::rand(), after);
    EXPECT_GT(first.generationAttempts(), 0);
}

TEST(Maze, IsWallOutsideTheMaze) {
    std::srand(5);
    const Maze maze(5, 5, 5, MixedSet());
    EXPECT_FALSE(maze.isWall(1, 1, 1));
    EXPECT_TRUE(maze.isWall(0, 1, 1));
    for (int outside : {-1, 5, 1000, std::numeric_limits<int>::min()}) {
        EXPECT_TRUE(maze.isWall(outside, 1, 1));
        EXPECT_TRUE(maze.isWall(1, outside, 1));
        EXPECT_TRUE(maze.isWall(1, 1, outside));
    }
}

TEST(CellIndexOf, TruncatesTwiceTowardZero) {
    EXPECT_EQ(CellIndexOf(4.999, 5.0), 0);
    EXPECT_EQ(CellIndexOf(5.0, 5.0), 1);
    EXPECT_EQ(CellIndexOf(9.99, 5.0), 1);
    // -6.997 truncates to -6 first, and -6 / 5 truncates to -1.
    EXPECT_EQ(CellIndexOf(-6.997, 5.0), -1);
    EXPECT_EQ(CellIndexOf(-4.9, 5.0), 0);
    EXPECT_EQ(CellIndexOf(-5.0, 5.0), -1);
}

TEST(CellIndexOf, SaturatesOutOfRangeAndNan) {
    const double inf = std::numeric_limits<double>::infinity();
    const int maxIndex = static_cast<int>(std::numeric_limits<int>::max() / 5.0);
    const int minIndex = static_cast<int>(std::numeric_limits<int>::min() / 5.0);
    EXPECT_EQ(CellIndexOf(1e300, 5.0), maxIndex);
    EXPECT_EQ(CellIndexOf(inf, 5.0), maxIndex);
    EXPECT_EQ(CellIndexOf(-1e300, 5.0), minIndex);
    EXPECT_EQ(CellIndexOf(-inf, 5.0), minIndex);
    EXPECT_EQ(CellIndexOf(std::nan(""), 5.0), 0);
    EXPECT_EQ(CellIndexOf(3.0, 0.0), std::numeric_limits<int>::max());
}

// These expectations hold for any carving, so the seed is whatever rand() is at.
class BoxTouchesWall : public testing::Test {
  protected:
    Maze maze_{11, 11, 11, MixedSet()};
};

TEST_F(BoxTouchesWall, InsideOneOpenCellIsClear) {
    // Room (1, 1, 1) spans [5, 10) on every axis.
    EXPECT_FALSE(maze_.boxTouchesWall({6.3, 6.3, 6.3}, {8.7, 8.7, 8.7}));
    EXPECT_FALSE(maze_.boxTouchesWall({5.0, 5.0, 5.0}, {9.99, 9.99, 9.99}));
}

TEST_F(BoxTouchesWall, ReachingIntoANeighbourWall) {
    // Room (1,1,1)'s -x neighbour is the border, so the box reaching to x = 4.9 touches it.
    EXPECT_TRUE(maze_.boxTouchesWall({4.9, 6.0, 6.0}, {8.0, 8.0, 8.0}));
    // Find a wall neighbour of room (1, 1, 1) on the + side and reach 0.1 into it.
    for (int axis = 0; axis < 3; ++axis) {
        int c[3] = {1, 1, 1};
        c[axis] = 2;
        Vec3 high(9.0, 9.0, 9.0);
        high[axis] = 10.1;
        const bool wall = maze_.isWall(c[0], c[1], c[2]);
        EXPECT_EQ(maze_.boxTouchesWall({6.0, 6.0, 6.0}, high), wall) << "axis " << axis;
    }
}

TEST_F(BoxTouchesWall, OutsideTheMazeIsWall) {
    const double far = 1e12;
    EXPECT_TRUE(maze_.boxTouchesWall({-far, -far, -far}, {-far + 1, -far + 1, -far + 1}));
    EXPECT_TRUE(maze_.boxTouchesWall({far, far, far}, {far + 1, far + 1, far + 1}));
    EXPECT_TRUE(maze_.boxTouchesWall({60.0, 6.0, 6.0}, {61.0, 8.0, 8.0}));  // x = 12 > 10
    EXPECT_TRUE(maze_.boxTouchesWall({6.0, 6.0, 6.0}, {8.0, 8.0, far}));    // partly outside
    EXPECT_TRUE(maze_.boxTouchesWall({-far, -far, -far}, {far, far, far}));
    const double nan = std::nan("");
    EXPECT_TRUE(maze_.boxTouchesWall({nan, 6.0, 6.0}, {nan, 8.0, 8.0}));
}

TEST_F(BoxTouchesWall, InvertedBoxTouchesNothing) {
    EXPECT_FALSE(maze_.boxTouchesWall({8.0, 8.0, 8.0}, {0.0, 8.0, 8.0}));
    EXPECT_FALSE(maze_.boxTouchesWall({1e12, 6.0, 6.0}, {-1e12, 8.0, 8.0}));
}

}  // namespace
