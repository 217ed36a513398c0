#include "render/scene.h"

#include <GL/gl.h>

#include <cstdlib>

#include "maze/random.h"
#include "render/exit_marker.h"
#include "render/visible_range.h"
#include "render/wall_pass.h"
#include "render/walls.h"

namespace {
constexpr float kGrey[4] = {0.5f, 0.5f, 0.5f, 0.5f};
}

void draw(const Maze& maze, const Pose& pose, WallPass& pass) {
    // The background and the fog share one grey, so the fog end melts into the clear colour.
    glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
    glFogi(GL_FOG_MODE, GL_LINEAR);
    glFogfv(GL_FOG_COLOR, kGrey);
    glFogf(GL_FOG_DENSITY, 0.35f);
    glHint(GL_FOG_HINT, GL_DONT_CARE);
    glFogf(GL_FOG_START, static_cast<float>(maze.viewDistance() * 0.2));
    glFogf(GL_FOG_END, static_cast<float>(maze.viewDistance()));
    glEnable(GL_FOG);

    const CellRange range = visibleCellRange(maze, pose, kRangeFieldOfView, kRangeAspect);
    const double s = maze.cellSize();
    const Vec3 ex{s, 0, 0};
    const Vec3 ey{0, s, 0};
    const Vec3 ez{0, 0, s};
    SetupLight(pose.position());
    PlanWallPass(maze, range, ex, ey, ez, CurrentView(), pass);
    // Every wall texel is opaque, and so is the marker, which shows the last wall's texture:
    // the alpha test would only cost time. Without walls the marker shows whatever texture
    // is bound, and the test stays.
    const bool walls = !pass.order.empty();
    if (walls) {
        glDisable(GL_ALPHA_TEST);
    }
    DrawWallPass(maze, pass);

    const int first = Random() % 6;
    DrawExitMarker(maze.exitPoint(), s * 0.3333333333333333, first);
    if (walls) {
        glEnable(GL_ALPHA_TEST);
    }
}

void SetupLight(const Vec3& position) {
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHTING);
    glEnable(GL_COLOR_MATERIAL);
    const float ambient[4] = {0.2f, 0.2f, 0.2f, 1.0f};
    const float diffuse[4] = {0.8f, 0.8f, 0.8f, 1.0f};
    const float where[4] = {static_cast<float>(position.x), static_cast<float>(position.y),
                            static_cast<float>(position.z), 1.0f};
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_POSITION, where);
}
