#include "render/scene.h"

#include "maze/random.h"
#include "platform/draw.h"
#include "render/exit_marker.h"
#include "render/visible_range.h"
#include "render/wall_pass.h"
#include "render/walls.h"

void draw(const Maze& maze, const Pose& pose, WallPass& pass) {
    // The background and the fog share one grey, so the fog end melts into the clear colour.
    SetGreyAndFog(0.5f, static_cast<float>(maze.viewDistance() * 0.2),
                  static_cast<float>(maze.viewDistance()));

    const CellRange range = visibleCellRange(maze, pose, kRangeFieldOfView, kRangeAspect);
    const double s = maze.cellSize();
    const Vec3 ex{s, 0, 0};
    const Vec3 ey{0, s, 0};
    const Vec3 ez{0, 0, s};
    SetLamp(pose.position());
    PlanWallPass(maze, range, ex, ey, ez, CurrentView(), pass);
    // Every wall texel is opaque, and so is the marker, which shows the last wall's texture:
    // the alpha test would only cost time. Without walls the marker shows whatever texture
    // is bound, and the test stays.
    const bool walls = !pass.order.empty();
    if (walls) {
        SetAlphaTest(false);
    }
    DrawWallPass(maze, pass);

    const int first = Random() % 6;
    DrawExitMarker(maze.exitPoint(), s * 0.3333333333333333, first);
    if (walls) {
        SetAlphaTest(true);
    }
}
