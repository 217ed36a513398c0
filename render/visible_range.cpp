#include "render/visible_range.h"

#include <algorithm>
#include <cmath>

CellRange visibleCellRange(const Maze& maze, const Pose& pose, double fov, double aspect) {
    const double depth = maze.viewDistance();
    // pi to nine decimals and 1/180 as a literal: together they fix the box edges to the bit.
    const double t = std::tan(fov * 3.141592653 * 0.005555555555555556 * 0.5);
    const double halfWidth = t * depth;
    const double halfHeight = halfWidth / aspect;

    const Vec3& eye = pose.position();
    const Vec3 baseCentre = eye - depth * pose.back();
    const Vec3 across = halfWidth * pose.right();
    const Vec3 upward = halfHeight * pose.up();
    const Vec3 base[4] = {baseCentre + across + upward, baseCentre - across + upward,
                          baseCentre + across - upward, baseCentre - across - upward};

    Vec3 low = eye;
    Vec3 high = eye;
    for (const Vec3& p : base) {
        for (int axis = 0; axis < 3; ++axis) {
            low[axis] = std::min(low[axis], p[axis]);
            high[axis] = std::max(high[axis], p[axis]);
        }
    }

    const double s = maze.cellSize();
    CellRange r{CellIndexOf(low.x, s),  CellIndexOf(high.x, s), CellIndexOf(low.y, s),
                CellIndexOf(high.y, s), CellIndexOf(low.z, s),  CellIndexOf(high.z, s)};
    r.minX = std::max(r.minX, 0);
    r.minY = std::max(r.minY, 0);
    r.minZ = std::max(r.minZ, 0);
    r.maxX = std::min(r.maxX, maze.sizeX() - 1);
    r.maxY = std::min(r.maxY, maze.sizeY() - 1);
    r.maxZ = std::min(r.maxZ, maze.sizeZ() - 1);
    return r;
}
