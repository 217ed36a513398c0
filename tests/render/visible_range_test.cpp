#include "render/visible_range.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "render/wall_faces.h"
#include "tests/render/maze_fixture.h"

namespace {

Pose LookingFrom(const Vec3& position, const Vec3& right, const Vec3& up) {
    return Pose(position, right, up, cross(right, up));
}

int CellCount(const CellRange& r) {
    return (r.maxX - r.minX + 1) * (r.maxY - r.minY + 1) * (r.maxZ - r.minZ + 1);
}

CellRange RangeFor(const Maze& maze, const Pose& pose) {
    return visibleCellRange(maze, pose, kRangeFieldOfView, kRangeAspect);
}

TEST(VisibleRange, StartPoseOfEveryMazeSizeSeesTheSameCorner) {
    for (int size : {5, 11, 39}) {
        const auto maze = MakeMaze(size, 7);
        Pose start;
        start.position() = maze->startPosition();
        const CellRange r = RangeFor(*maze, start);
        // The box is x -6.997..21.997, y -3.373..18.373, z -27.5..7.5; the lows clamp to 0.
        EXPECT_EQ(r.minX, 0);
        EXPECT_EQ(r.maxX, 4);
        EXPECT_EQ(r.minY, 0);
        EXPECT_EQ(r.maxY, 3);
        EXPECT_EQ(r.minZ, 0);
        EXPECT_EQ(r.maxZ, 1);
    }
}

TEST(VisibleRange, CoordinatesTruncateTowardZeroBeforeAndAfterDividing) {
    EXPECT_EQ(CellIndexOf(-6.997, 5.0), -1);
    EXPECT_EQ(CellIndexOf(21.997, 5.0), 4);
    EXPECT_EQ(CellIndexOf(4.999, 5.0), 0);
    EXPECT_EQ(CellIndexOf(5.0, 5.0), 1);

    // The same conversion at the far end of the pyramid: looking along -z, its low z is
    // position.z - 35.
    const auto maze = MakeMaze(11, 7);
    EXPECT_EQ(RangeFor(*maze, LookingFrom({27.5, 27.5, 39.999}, {1, 0, 0}, {0, 1, 0})).minZ, 0);
    EXPECT_EQ(RangeFor(*maze, LookingFrom({27.5, 27.5, 40.0}, {1, 0, 0}, {0, 1, 0})).minZ, 1);
}

TEST(VisibleRange, BlockSizeInTheMiddleOfTheLargestMaze) {
    const auto maze = MakeMaze(39, 3);
    const Vec3 middle{52.5, 52.5, 52.5};
    EXPECT_EQ(CellCount(RangeFor(*maze, LookingFrom(middle, {1, 0, 0}, {0, 1, 0}))), 7 * 5 * 8);

    const double h = std::sqrt(0.5);
    const CellRange diagonal = RangeFor(*maze, LookingFrom(middle, {h, 0, -h}, {0, 1, 0}));
    EXPECT_EQ(CellCount(diagonal), 8 * 5 * 8);
}

TEST(VisibleRange, StaysInsideTheSmallestMazeWhateverThePose) {
    const auto maze = MakeMaze(5, 11);
    std::srand(5);
    const auto unit = [] { return std::rand() / (RAND_MAX / 2.0) - 1.0; };
    for (int i = 0; i < 2000; ++i) {
        Vec3 right{unit(), unit(), unit()};
        Vec3 helper{unit(), unit(), unit()};
        normalize(right);
        Vec3 up = cross(cross(right, helper), right);
        normalize(up);
        const Vec3 position{unit() * 60.0, unit() * 60.0, unit() * 60.0};
        const CellRange r = RangeFor(*maze, LookingFrom(position, right, up));
        EXPECT_GE(r.minX, 0);
        EXPECT_GE(r.minY, 0);
        EXPECT_GE(r.minZ, 0);
        EXPECT_LE(r.maxX, 4);
        EXPECT_LE(r.maxY, 4);
        EXPECT_LE(r.maxZ, 4);
        if (HasFailure()) {
            break;
        }
    }
}

TEST(VisibleRange, PoseFarOutsideTheMazeVisitsNothing) {
    const auto maze = MakeMaze(11, 7);
    const double s = maze->cellSize();
    for (const Vec3& p :
         {Vec3{1000, 1000, 1000}, Vec3{-1000, 27.5, 27.5}, Vec3{27.5, 27.5, 1e12}}) {
        const CellRange r = RangeFor(*maze, LookingFrom(p, {1, 0, 0}, {0, 1, 0}));
        EXPECT_TRUE(r.empty());
        std::vector<WallFace> faces;
        CollectWallFaces(*maze, r, {s, 0, 0}, {0, s, 0}, {0, 0, s}, faces);
        EXPECT_TRUE(faces.empty());
    }
}

}  // namespace
