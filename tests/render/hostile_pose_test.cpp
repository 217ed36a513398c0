// Any pose the game can be handed, however absurd, plans a frame without undefined behaviour
// (the test build traps every float-to-int conversion out of range, NaN included) and stays
// inside the maze's arrays: poses with NaN, infinities, huge and tiny coordinates, and frames
// that are not orthonormal or not even finite.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "platform/matrices.h"
#include "platform/video.h"
#include "render/visible_range.h"
#include "render/wall_pass.h"
#include "tests/support/fixture.h"

namespace {

TEST(HostilePoses, PlanAFrameWithinTheMaze) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double odd[] = {nan, inf, -inf, 1e300, -1e300, 3e9, -3e9, 2147483647.5, 1e-310, 0, -0.0};
    std::mt19937 random(17);
    const auto coordinate = [&](double size) {
        return random() % 3 == 0 ? odd[random() % std::size(odd)]
                                 : std::uniform_real_distribution<double>(-10, size + 10)(random);
    };
    WallPass pass;
    // A huge frame vector widens the range to the whole maze: the small mazes keep it quick.
    for (const auto& [n, poses] : {std::pair{5, 3000}, std::pair{11, 600}}) {
        const auto maze = MakeMaze(n, 3);
        const double size = n * maze->cellSize();
        for (int i = 0; i < poses; ++i) {
            const auto vector = [&] { return Vec3{coordinate(1), coordinate(1), coordinate(1)}; };
            const Vec3 eye{coordinate(size), coordinate(size), coordinate(size)};
            const Pose pose(eye, vector(), vector(), vector());
            const CellRange range = visibleCellRange(*maze, pose, kRangeFieldOfView, kRangeAspect);
            ASSERT_TRUE(range.empty() || (range.minX >= 0 && range.maxX < n && range.minY >= 0 &&
                                          range.maxY < n && range.minZ >= 0 && range.maxZ < n));
            const View view =
                MakeView(PerspectiveMatrix(kFieldOfViewY, kAspect, kNearPlane, kFarPlane),
                         LookAtMatrix(eye, eye - pose.back(), pose.up()));
            const double s = maze->cellSize();
            PlanWallPass(*maze, range, {s, 0, 0}, {0, s, 0}, {0, 0, s}, view, pass);
            for (int r : pass.order) {
                ASSERT_TRUE(r >= 0 && r < static_cast<int>(pass.runs.size()));
            }
        }
    }
}

}  // namespace
