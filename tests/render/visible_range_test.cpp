#include "render/visible_range.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

#include "tests/render/maze_fixture.h"

namespace {

using Bounds = std::tuple<int, int, int, int, int, int>;

Bounds RangeFor(const Maze& maze, const Vec3& position, const Vec3& right, const Vec3& up) {
    const CellRange r = visibleCellRange(maze, Pose(position, right, up, cross(right, up)),
                                         kRangeFieldOfView, kRangeAspect);
    return {r.minX, r.maxX, r.minY, r.maxY, r.minZ, r.maxZ};
}

TEST(VisibleRange, StartPoseOfEveryMazeSizeSeesTheSameCorner) {
    for (int size : {5, 11, 39}) {
        const auto maze = MakeMaze(size, 7);
        // The box is x -6.997..21.997, y -3.373..18.373, z -27.5..7.5; the lows clamp to 0.
        EXPECT_EQ(RangeFor(*maze, maze->startPosition(), {1, 0, 0}, {0, 1, 0}),
                  Bounds(0, 4, 0, 3, 0, 1))
            << "size " << size;
    }
}

TEST(VisibleRange, CoordinatesTruncateTowardZeroBeforeAndAfterDividing) {
    EXPECT_EQ(CellIndexOf(-6.997, 5.0), -1);
    EXPECT_EQ(CellIndexOf(21.997, 5.0), 4);
    EXPECT_EQ(CellIndexOf(4.999, 5.0), 0);
    EXPECT_EQ(CellIndexOf(5.0, 5.0), 1);

    // The range uses the same conversion: looking along -z, the box's low z is position.z - 35.
    const auto maze = MakeMaze(11, 7);
    EXPECT_EQ(std::get<4>(RangeFor(*maze, {27.5, 27.5, 39.999}, {1, 0, 0}, {0, 1, 0})), 0);
    EXPECT_EQ(std::get<4>(RangeFor(*maze, {27.5, 27.5, 40.0}, {1, 0, 0}, {0, 1, 0})), 1);
}

TEST(VisibleRange, StaysInsideTheSmallestMazeWhateverThePose) {
    const auto maze = MakeMaze(5, 11);
    std::srand(5);
    const auto unit = [] { return std::rand() / (RAND_MAX / 2.0) - 1.0; };
    for (int i = 0; i < 2000 && !HasFailure(); ++i) {
        Vec3 right{unit(), unit(), unit()};
        normalize(right);
        Vec3 up = cross(cross(right, Vec3{unit(), unit(), unit()}), right);
        normalize(up);
        const auto [x0, x1, y0, y1, z0, z1] =
            RangeFor(*maze, {unit() * 60.0, unit() * 60.0, unit() * 60.0}, right, up);
        EXPECT_TRUE(x0 >= 0 && y0 >= 0 && z0 >= 0 && x1 <= 4 && y1 <= 4 && z1 <= 4)
            << x0 << ".." << x1 << ", " << y0 << ".." << y1 << ", " << z0 << ".." << z1;
    }
}

TEST(VisibleRange, PoseFarOutsideTheMazeVisitsNothing) {
    const auto maze = MakeMaze(11, 7);
    for (const Vec3& p :
         {Vec3{1000, 1000, 1000}, Vec3{-1000, 27.5, 27.5}, Vec3{27.5, 27.5, 1e12}}) {
        const Pose pose(p, {1, 0, 0}, {0, 1, 0}, {0, 0, 1});
        EXPECT_TRUE(visibleCellRange(*maze, pose, kRangeFieldOfView, kRangeAspect).empty());
    }
}

}  // namespace
