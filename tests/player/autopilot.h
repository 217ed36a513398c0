#pragma once

#include <array>
#include <vector>

#include "maze/maze.h"
#include "player/pose.h"

// Flies a player from any open cell to the exit with the translation keys alone, whatever
// way it faces: each frame it steers the three translation rates toward the end of the
// straight run of a shortest path that starts in the player's cell, braking in time.
class Autopilot {
  public:
    explicit Autopilot(const Maze& maze);

    // The keys to hold for the next frame, of frameMs. The pilot follows the player's rates
    // from its own decisions, so every call must be followed by exactly one update.
    std::vector<int> decide(const Pose& pose, double frameMs = 15);

  private:
    const Maze& maze_;
    std::vector<int> distance_;         // cells to the exit; -1 for walls and unreached cells
    std::array<double, 3> rates_ = {};  // forward, right, up
};

// Writes the keys into inputState: only they are held, no mouse button nor motion.
void ApplyPilotInput(const std::vector<int>& keys);
