#pragma once

#include <array>
#include <vector>

#include "maze/maze.h"
#include "player/pose.h"

// What the pilot holds during one frame: key symbols and relative mouse motion.
struct PilotInput {
    std::vector<int> keys;
    int mouseDX = 0;
    int mouseDY = 0;
};

// Flies a player from any open cell to the exit with the translation keys alone, whatever
// way it faces: each frame it steers the three translation rates toward the end of the
// straight run of a shortest path that starts in the player's cell, braking in time.
class Autopilot {
  public:
    explicit Autopilot(const Maze& maze);

    // The input for the next frame, of frameMs. The pilot follows the player's rates from its
    // own decisions, so every call must be followed by exactly one update of the player.
    PilotInput decide(const Pose& pose, double frameMs = 15);

    // Cells from (x, y, z) to the exit cell along a shortest path; -1 for a wall.
    int distanceToExit(int x, int y, int z) const;

  private:
    const Maze& maze_;
    std::vector<int> distance_;         // per cell index; -1 for walls and unreached cells
    std::array<double, 3> rates_ = {};  // forward, right, up
};

// Writes a decision into inputState: only its keys held, no mouse button, its mouse motion.
void ApplyPilotInput(const PilotInput& input);
