#pragma once

#include <array>

#include "maze/maze.h"
#include "player/pose.h"

// A free-flying viewpoint in a maze: its pose, the maze it moves in (not owned), and six
// motion rates in [-1, 1]: 0 forward, 1 right, 2 up, 3 yaw, 4 pitch, 5 roll.
class Player {
  public:
    // Takes the start pose's orientation; the position is the maze's start position.
    Player(const Maze& maze, const Pose& start);

    Pose pose() const { return pose_; }

    // Sets the model-view transform from the pose, with the eye bobbing along up.
    // Leaves the pose unchanged. (camera.cpp, needs GL.)
    void placeCamera() const;

    // One frame of motion from the input record and LastSwapMs(); true when the exit is
    // reached this frame.
    bool update();

    // Moves as far as the walls allow, in pieces of at most 1 unit, each resolved axis by
    // axis (x, y, z) by halving a blocked step.
    void moveWithCollision(const Vec3& displacement);

    // True when the collision box (half-size 1.2) overlaps a wall cell.
    bool touchesWall() const;

  private:
    // One piece of a move, short enough that no wall can be skipped.
    void movePieceWithCollision(const Vec3& displacement);

    Pose pose_;
    const Maze& maze_;
    std::array<double, 6> velocity_{};
};

// True when position is strictly closer than half a cell to the maze's exit point.
bool ReachesExit(const Maze& maze, const Vec3& position);

// Multiplies the current matrix by the view from pose (gluLookAt). (camera.cpp)
void ApplyCamera(const Pose& pose);
