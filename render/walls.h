#pragma once

#include "maze/maze.h"
#include "maze/plane_style.h"
#include "player/vec3.h"
#include "render/view.h"
#include "render/wall_pass.h"

// The view of the matrices being drawn with.
View CurrentView();

// Draws a planned pass: its runs in order, every face with drawWallFace, and nothing bound
// in between two runs with one texture, so that the desktop's OpenGL keeps them in separate draws.
void DrawWallPass(const Maze& maze, const WallPass& pass);

// Normal, plane colour, then the quad with the plane's texture.
void drawWallFace(const Maze& maze, const Vec3& corner, const Vec3& edge1, const Vec3& edge2,
                  const PlaneStyle& style, const Vec3& normal);
