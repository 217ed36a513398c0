#pragma once

#include <cstdint>
#include <vector>

// Carving of the passages. Both steps work on a cell array laid out as Maze::cellIndex
// describes, with odd sizes of at least 3 on every axis.

// Every cell with three odd coordinates becomes an open room; every other cell a wall.
void layRoomLattice(std::vector<std::uint8_t>& cells, int sizeX, int sizeY, int sizeZ);

// Opens randomly picked wall cells that separate two regions until one region is left.
// Three rand() draws per attempt; returns the number of attempts.
long generate(std::vector<std::uint8_t>& cells, int sizeX, int sizeY, int sizeZ);
