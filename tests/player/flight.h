#pragma once

#include <functional>
#include <set>

#include "harness/input_script.h"
#include "maze/maze.h"

// Flies a shadow player from the start to the exit, one update of frameMs per frame from
// firstFrame on, and writes the autopilot's key changes into the script, letting go of every
// key in the frame after the win. Returns the frame whose poll's input wins, or -1.
// onChange, where given, hears every frame whose held keys change, with the keys held from then.
long FlyToExit(const Maze& maze, InputScript& script, long firstFrame, int frameMs,
               const std::function<void(long, const std::set<int>&)>& onChange = {});
