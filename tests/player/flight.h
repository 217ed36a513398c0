#pragma once

#include "harness/input_script.h"
#include "maze/maze.h"

// Flies a shadow player from the start to the exit, one update of frameMs per frame from
// firstFrame on, and writes the autopilot's key changes into the script, letting go of every
// key in the frame after the win. Returns the frame whose poll's input wins, or -1.
long FlyToExit(const Maze& maze, InputScript& script, long firstFrame, int frameMs);
