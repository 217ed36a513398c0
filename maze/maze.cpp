#include "maze/maze.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "maze/generation.h"
#include "maze/plane_styles.h"

namespace {

constexpr double OneThird = 0.3333333333333333;

// Truncation toward zero that is defined for every double: out-of-range values saturate,
// NaN gives 0.
int TruncateToInt32(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    constexpr double low = std::numeric_limits<std::int32_t>::min();
    constexpr double high = std::numeric_limits<std::int32_t>::max();
    return static_cast<int>(std::clamp(value, low, high));
}

}  // namespace

Maze::Maze(int sizeX, int sizeY, int sizeZ, const TextureSet& textureSet)
    : cells_(static_cast<std::size_t>(sizeX) * sizeY * sizeZ, CellWall),
      sizeX_(sizeX),
      sizeY_(sizeY),
      sizeZ_(sizeZ),
      planesX_(sizeX + 1),
      planesY_(sizeY + 1),
      planesZ_(sizeZ + 1),
      textures_(textureSet.textures),
      tintedTextureCount_(textureSet.tintedCount) {
    const int textureCount = static_cast<int>(textures_.size());
    assignPlaneStyles(planesX_, textureCount, tintedTextureCount_);
    assignPlaneStyles(planesY_, textureCount, tintedTextureCount_);
    assignPlaneStyles(planesZ_, textureCount, tintedTextureCount_);

    layRoomLattice(cells_, sizeX_, sizeY_, sizeZ_);
    generationAttempts_ = generate(cells_, sizeX_, sizeY_, sizeZ_);

    cellSize_ = 5.0;
    viewDistance_ = 35.0;

    // The exit is the last open cell in descending x, y, z order.
    for (int x = sizeX_ - 1; x >= 1; --x) {
        for (int y = sizeY_ - 1; y >= 1; --y) {
            for (int z = sizeZ_ - 1; z >= 1; --z) {
                if (!isWall(x, y, z)) {
                    exitPoint_ = Vec3((x + OneThird) * cellSize_, (y + OneThird) * cellSize_,
                                      (z + OneThird) * cellSize_);
                    return;
                }
            }
        }
    }
}

bool Maze::isWall(int x, int y, int z) const {
    if (x < 0 || y < 0 || z < 0 || x >= sizeX_ || y >= sizeY_ || z >= sizeZ_) {
        return true;
    }
    return (cells_[cellIndex(x, y, z)] & CellWall) != 0;
}

Vec3 Maze::startPosition() const {
    for (int x = 1; x < sizeX_; ++x) {
        for (int y = 1; y < sizeY_; ++y) {
            for (int z = 1; z < sizeZ_; ++z) {
                if (!isWall(x, y, z)) {
                    return Vec3((x + 0.5) * cellSize_, (y + 0.5) * cellSize_,
                                (z + 0.5) * cellSize_);
                }
            }
        }
    }
    return Vec3();
}

bool Maze::boxTouchesWall(const Vec3& low, const Vec3& high) const {
    const int size[3] = {sizeX_, sizeY_, sizeZ_};
    int from[3];
    int to[3];
    for (int axis = 0; axis < 3; ++axis) {
        from[axis] = CellIndexOf(low[axis], cellSize_);
        to[axis] = CellIndexOf(high[axis], cellSize_);
        if (from[axis] > to[axis]) {
            return false;
        }
        // One step outside on either side is as much a wall as any further one, and the
        // clamp keeps the loops short and free of overflow.
        from[axis] = std::clamp(from[axis], -1, size[axis]);
        to[axis] = std::clamp(to[axis], -1, size[axis]);
    }
    for (int x = from[0]; x <= to[0]; ++x) {
        for (int y = from[1]; y <= to[1]; ++y) {
            for (int z = from[2]; z <= to[2]; ++z) {
                if (isWall(x, y, z)) {
                    return true;
                }
            }
        }
    }
    return false;
}

int CellIndexOf(double coordinate, double cellSize) {
    return TruncateToInt32(TruncateToInt32(coordinate) / cellSize);
}
