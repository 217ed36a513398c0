#pragma once

#include "maze/maze.h"
#include "player/pose.h"
#include "player/vec3.h"
#include "render/wall_pass.h"

// Draws the 3D part of a frame: grey background, linear fog to viewDistance, a lamp at the
// eye, the visible walls and the exit marker. Expects the view of this frame on the
// model-view matrix and changes neither matrix. Switches fog, light 0, lighting and colour
// material on every call (the overlays switch them off) and leaves them on. Consumes
// exactly one Random() per call, for the marker's colours. pass is the caller's, kept from frame
// to frame for its storage.
void draw(const Maze& maze, const Pose& pose, WallPass& pass);
