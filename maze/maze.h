#pragma once

#include <cstdint>
#include <vector>

#include "maze/plane_style.h"
#include "maze/texture_set.h"
#include "player/vec3.h"

// Cell bytes. Readers decide by bit 7 alone.
constexpr std::uint8_t CellOpen = 0;
constexpr std::uint8_t CellWall = 128;

// The world: sizeX x sizeY x sizeZ cubic cells (odd sizes, 5 to 39), each open or wall,
// with one style per grid plane. Built complete by the constructor, read-only afterwards.
// Cell (x, y, z) fills [x * cellSize, (x + 1) * cellSize) on x, and likewise on y and z.
class Maze {
  public:
    // Draws from Random() (maze/random.h): plane styles X, Y, Z, then generation. The texture set
    // must not be empty; the maze keeps a copy of it.
    Maze(int sizeX, int sizeY, int sizeZ, const TextureSet& textureSet);
    Maze(const Maze&) = delete;
    Maze& operator=(const Maze&) = delete;

    int sizeX() const { return sizeX_; }
    int sizeY() const { return sizeY_; }
    int sizeZ() const { return sizeZ_; }
    int cellIndex(int x, int y, int z) const { return (z * sizeY_ + y) * sizeX_ + x; }
    const std::vector<std::uint8_t>& cells() const { return cells_; }
    // Bit 7 of the cell; a cell outside the maze counts as a wall.
    bool isWall(int x, int y, int z) const;

    const std::vector<PlaneStyle>& planesX() const { return planesX_; }  // sizeX + 1 entries
    const std::vector<PlaneStyle>& planesY() const { return planesY_; }
    const std::vector<PlaneStyle>& planesZ() const { return planesZ_; }
    const std::vector<TextureId>& textures() const { return textures_; }
    int tintedTextureCount() const { return tintedTextureCount_; }

    double cellSize() const { return cellSize_; }          // 5.0
    double viewDistance() const { return viewDistance_; }  // 35.0
    Vec3 exitPoint() const { return exitPoint_; }          // lowest corner of the exit marker
    Vec3 startPosition() const;                            // centre of the first open interior cell

    // True when any cell covered by the box [low, high] is a wall (or outside the maze).
    bool boxTouchesWall(const Vec3& low, const Vec3& high) const;

    // How many attempts the carving took (three Random() draws each); for tools and benchmarks.
    long generationAttempts() const { return generationAttempts_; }

  private:
    std::vector<std::uint8_t> cells_;
    int sizeX_;
    int sizeY_;
    int sizeZ_;
    std::vector<PlaneStyle> planesX_;
    std::vector<PlaneStyle> planesY_;
    std::vector<PlaneStyle> planesZ_;
    double cellSize_ = 5.0;
    double viewDistance_ = 35.0;
    std::vector<TextureId> textures_;
    int tintedTextureCount_ = 0;
    Vec3 exitPoint_;
    long generationAttempts_ = 0;
};

// World coordinate to cell index: truncate to int, divide by the cell size, truncate again.
// Shared by the wall query and the renderer's visible range. -6.997 -> -1, 4.999 -> 0.
// Coordinates beyond the int32 range saturate to it, and NaN counts as 0.
int CellIndexOf(double coordinate, double cellSize);
