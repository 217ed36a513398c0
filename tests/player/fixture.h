#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "maze/maze.h"
#include "player/pose.h"
#include "player/vec3.h"

// Helpers shared by the player's tests: mazes from fixed seeds, input set by hand.

// A maze of size^3 cells built after srand(seed), with a hand-made texture set.
std::unique_ptr<Maze> MakeMaze(int size, unsigned seed);

// The maze of the first seed (1, 2, ...) that satisfies the condition.
std::unique_ptr<Maze> FindMaze(int size, const std::function<bool(const Maze&)>& condition);

// Releases every key and button, stops the mouse and sets the frame time.
void ResetInput(std::uint32_t frameMs = 15);

// The default orientation (looking along -z, +y up) at a position.
Pose PoseAt(const Vec3& position);

// Success when every component of actual is within tolerance of expected.
::testing::AssertionResult Near(const Vec3& actual, const Vec3& expected, double tolerance);

// Largest deviation of the frame from orthonormal and right-handed: unit lengths, zero dot
// products, back == cross(right, up).
double FrameError(const Pose& pose);
