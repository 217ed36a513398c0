#pragma once

#include "maze/maze.h"
#include "maze/plane_style.h"
#include "player/vec3.h"
#include "render/cell_range.h"

// One side of a wall cell that faces an open cell. The normal points into the open cell
// and has the length of the edge vector it comes from (cellSize), not 1.
struct WallFace {
    Vec3 corner, edge1, edge2;
    PlaneStyle style;
    Vec3 normal;
};

// Calls visit(const WallFace&) for every face between a wall cell of the range and an
// open neighbour, in drawing order: x outermost, then y, then z; per wall cell the sides
// toward -x, +x, -y, +y, -z, +z. Faces between two walls and the outside of the border are
// never produced. ex, ey, ez are the cell's edge vectors.
template <typename Visit>
void ForEachWallFace(const Maze& maze, const CellRange& range, const Vec3& ex, const Vec3& ey,
                     const Vec3& ez, Visit&& visit) {
    const std::uint8_t* cells = maze.cells().data();
    const int sizeX = maze.sizeX();
    const int sizeY = maze.sizeY();
    const int sizeZ = maze.sizeZ();
    const double s = maze.cellSize();
    const auto isWall = [&](int x, int y, int z) {
        return (cells[maze.cellIndex(x, y, z)] & CellWall) != 0;
    };
    const auto& planesX = maze.planesX();
    const auto& planesY = maze.planesY();
    const auto& planesZ = maze.planesZ();

    for (int x = range.minX; x <= range.maxX; ++x) {
        const double x0 = x * s;
        const double x1 = (x + 1.0) * s;
        for (int y = range.minY; y <= range.maxY; ++y) {
            const double y0 = y * s;
            const double y1 = (y + 1.0) * s;
            for (int z = range.minZ; z <= range.maxZ; ++z) {
                if (!isWall(x, y, z)) {
                    continue;
                }
                const double z0 = z * s;
                const double z1 = (z + 1.0) * s;
                if (x > 0 && !isWall(x - 1, y, z)) {
                    visit(WallFace{{x0, y0, z0}, ey, ez, planesX[x], -ex});
                }
                if (x < sizeX - 1 && !isWall(x + 1, y, z)) {
                    visit(WallFace{{x1, y0, z0}, ey, ez, planesX[x + 1], ex});
                }
                if (y > 0 && !isWall(x, y - 1, z)) {
                    visit(WallFace{{x0, y0, z0}, ex, ez, planesY[y], -ey});
                }
                if (y < sizeY - 1 && !isWall(x, y + 1, z)) {
                    visit(WallFace{{x0, y1, z0}, ex, ez, planesY[y + 1], ey});
                }
                if (z > 0 && !isWall(x, y, z - 1)) {
                    visit(WallFace{{x0, y0, z0}, ex, ey, planesZ[z], -ez});
                }
                if (z < sizeZ - 1 && !isWall(x, y, z + 1)) {
                    visit(WallFace{{x0, y0, z1}, ex, ey, planesZ[z + 1], ez});
                }
            }
        }
    }
}
