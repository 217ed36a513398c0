#pragma once

#include "maze/maze.h"
#include "maze/plane_style.h"
#include "player/vec3.h"
#include "render/cell_range.h"

// Draws every wall face of the range (see ForEachWallFace), one bind and one quad each.
void drawWalls(const Maze& maze, const CellRange& range, const Vec3& ex, const Vec3& ey,
               const Vec3& ez);

// Normal, plane colour, then the quad with the plane's texture.
void drawWallFace(const Maze& maze, const Vec3& corner, const Vec3& edge1, const Vec3& edge2,
                  const PlaneStyle& style, const Vec3& normal);
