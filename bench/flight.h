#pragma once

#include <vector>

#include "maze/maze.h"
#include "player/pose.h"
#include "player/vec3.h"

// The render benchmarks' poses, shared by the desktop's (render_bench.cpp) and the page's
// (web/web_bench.cpp) so that both time the same frames. No drawing here.

struct Shot {
    const Maze* maze;
    Pose pose;
};

Vec3 CellCentre(const Maze& maze, int x, int y, int z);

// The open cell with the longest straight view along -z: the deepest look into the fog.
Pose LongestCorridor(const Maze& maze);

// The middle room of the large maze turning all the way round at three pitches, diagonals
// included; the two start rooms; the exit seen from the room before it: 76 poses.
std::vector<Shot> Flight(const Maze& large, const Maze& first);
