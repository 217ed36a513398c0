#pragma once

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

// Carving of the passages. Everything here works on a cell array laid out as
// Maze::cellIndex describes, with odd sizes of at least 3 on every axis.

// Every cell with three odd coordinates becomes an open room; every other cell a wall.
void layRoomLattice(std::vector<std::uint8_t>& cells, int sizeX, int sizeY, int sizeZ);

// Opens randomly picked wall cells that separate two regions until one region is left.
// Three Random() draws per attempt (x, y, z of an interior cell); returns the attempt count.
long generate(std::vector<std::uint8_t>& cells, int sizeX, int sizeY, int sizeZ);

// The two face neighbours whose regions the opening of a wall cell joins, from the region of
// each neighbour in the order -x, +x, -y, +y, -z, +z (-1 for a wall; equal values for one
// region). Of the pairs (i, j), i < j, in different regions the last one counts: the largest
// i, and for it the largest j. Other regions around the cell stay apart. {-1, -1} when the
// neighbours carry fewer than two regions.
std::pair<int, int> JoinedPair(const std::array<int, 6>& regions);
