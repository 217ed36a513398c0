#include "render/walls.h"

#include <GL/gl.h>

#include "render/quad.h"
#include "render/wall_faces.h"

void drawWalls(const Maze& maze, const CellRange& range, const Vec3& ex, const Vec3& ey,
               const Vec3& ez) {
    ForEachWallFace(maze, range, ex, ey, ez, [&maze](const WallFace& f) {
        drawWallFace(maze, f.corner, f.edge1, f.edge2, f.style, f.normal);
    });
}

void drawWallFace(const Maze& maze, const Vec3& corner, const Vec3& edge1, const Vec3& edge2,
                  const PlaneStyle& style, const Vec3& normal) {
    EmitNormal(normal);
    glColor3ub(style.red, style.green, style.blue);
    DrawQuad(corner, edge1, edge2, maze.textures()[style.textureIndex]);
}
