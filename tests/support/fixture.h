#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "maze/maze.h"
#include "player/vec3.h"

// The one maze fixture of the tests: a size^3 maze built after SeedRandom(seed). The default
// texture set is made-up names (two tinted, two untinted), which needs no GL; drawing tests
// pass the set they loaded.
std::unique_ptr<Maze> MakeMaze(int size, unsigned seed,
                               const TextureSet& textures = TextureSet{{1, 2, 3, 4}, 2});

// Success when every component of actual is within tolerance of expected.
testing::AssertionResult Near(const Vec3& actual, const Vec3& expected, double tolerance);
