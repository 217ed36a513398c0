#pragma once

#include <cstdint>
#include <vector>

#include "maze/plane_style.h"

// The maze construction written step by step the slow, obvious way: one label per cell,
// an ordered set of live labels, and a flood that relabels the absorbed region on every
// join. It is the reference the fast carving must match cell for cell and draw for draw,
// and the baseline of the benchmarks.
struct LiteralMaze {
    std::vector<std::uint8_t> cells;
    std::vector<PlaneStyle> planesX;
    std::vector<PlaneStyle> planesY;
    std::vector<PlaneStyle> planesZ;
    long attempts = 0;
};

// Plane styles X, Y, Z, room lattice and carving, drawing from Random() like the game.
LiteralMaze BuildLiteralMaze(int sizeX, int sizeY, int sizeZ, int textureCount, int tintedCount);
