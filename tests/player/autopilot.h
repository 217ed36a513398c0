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

// Flies a player from any open cell of a maze to its exit with the flight controls alone.
// It knows the maze: a breadth-first search from the exit cell gives every open cell its
// distance along a shortest path. Each frame it turns to face the next straight run of
// the path (mouse, only when nearly at rest) and steers the three translation rates
// toward the end of that run, braking so as not to overshoot.
class Autopilot {
  public:
    explicit Autopilot(const Maze& maze);

    // The input for the next frame, from the pose and the rates the player starts it with.
    // frameMs is the expected time step of that frame.
    PilotInput decide(const Pose& pose, const std::array<double, 6>& rates,
                      double frameMs = 15) const;

    // The same, with the rates followed from this pilot's own decisions: exact when every
    // call is followed by exactly one update of the player.
    PilotInput decide(const Pose& pose, double frameMs = 15);

    // Cells from (x, y, z) to the exit cell along a shortest path; -1 for a wall.
    int distanceToExit(int x, int y, int z) const;

  private:
    const Maze& maze_;
    std::vector<int> distance_;  // per cell index; -1 for walls
    std::array<double, 6> rates_{};
};

// Writes a decision into inputState: holds its keys, releases every other flight key and
// the mouse buttons, and sets the relative mouse motion.
void ApplyPilotInput(const PilotInput& input);
