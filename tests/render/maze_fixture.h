#pragma once

#include <cstdlib>
#include <memory>

#include "maze/maze.h"

// A maze built from a fixed seed with made-up texture names (no GL needed).
inline std::unique_ptr<Maze> MakeMaze(int size, unsigned seed) {
    std::srand(seed);
    return std::make_unique<Maze>(size, size, size, TextureSet{{11, 12, 13}, 2});
}
