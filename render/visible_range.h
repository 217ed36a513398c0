#pragma once

#include "maze/maze.h"
#include "player/pose.h"
#include "render/cell_range.h"

// The view pyramid the scene visits: deliberately narrower than the projection's view;
// the fog hides the far edge of what is left out.
constexpr double kRangeFieldOfView = 45.0;           // degrees, along right
constexpr double kRangeAspect = 1.3333333333333333;  // width / height

// The cells covered by the axis-aligned box around the view pyramid of depth
// viewDistance, clamped to the maze. A pose outside the maze may give an empty range.
CellRange visibleCellRange(const Maze& maze, const Pose& pose, double fov, double aspect);
