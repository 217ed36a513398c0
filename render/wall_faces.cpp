#include "render/wall_faces.h"

void CollectWallFaces(const Maze& maze, const CellRange& range, const Vec3& ex, const Vec3& ey,
                      const Vec3& ez, std::vector<WallFace>& out) {
    out.clear();
    ForEachWallFace(maze, range, ex, ey, ez, [&out](const WallFace& f) { out.push_back(f); });
}

int CountWallFaces(const Maze& maze, const CellRange& range) {
    const double s = maze.cellSize();
    int count = 0;
    ForEachWallFace(maze, range, {s, 0, 0}, {0, s, 0}, {0, 0, s},
                    [&count](const WallFace&) { ++count; });
    return count;
}
