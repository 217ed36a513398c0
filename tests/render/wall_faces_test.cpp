#include "render/wall_faces.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <set>
#include <tuple>

#include "tests/render/maze_fixture.h"

namespace {

using Cell = std::array<int, 3>;

bool Same(const Vec3& a, const Vec3& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

bool Inside(const Maze& m, const Cell& c) {
    return c[0] >= 0 && c[1] >= 0 && c[2] >= 0 && c[0] < m.sizeX() && c[1] < m.sizeY() &&
           c[2] < m.sizeZ();
}

bool WallAt(const Maze& m, const Cell& c) {
    return (m.cells()[m.cellIndex(c[0], c[1], c[2])] & CellWall) != 0;
}

Cell CellAt(const Maze& m, const Vec3& p) {
    const double s = m.cellSize();
    return {static_cast<int>(std::floor(p.x / s)), static_cast<int>(std::floor(p.y / s)),
            static_cast<int>(std::floor(p.z / s))};
}

// Which wall cell a face belongs to and which open cell it faces, worked out from its
// geometry alone: a step from the face's centre along and against its normal.
std::pair<Cell, Cell> SidesOf(const Maze& m, const WallFace& f) {
    const Vec3 centre = f.corner + 0.5 * f.edge1 + 0.5 * f.edge2;
    const Vec3 step = f.normal * 0.1;
    return {CellAt(m, centre - step), CellAt(m, centre + step)};
}

std::vector<WallFace> FacesIn(const Maze& m, const CellRange& r) {
    const double s = m.cellSize();
    std::vector<WallFace> faces;
    CollectWallFaces(m, r, {s, 0, 0}, {0, s, 0}, {0, 0, s}, faces);
    return faces;
}

CellRange Whole(const Maze& m) {
    return {0, m.sizeX() - 1, 0, m.sizeY() - 1, 0, m.sizeZ() - 1};
}

// Every pair (wall, open neighbour) of the maze whose wall lies in the range.
std::set<std::pair<Cell, Cell>> ExpectedPairs(const Maze& m, const CellRange& r) {
    std::set<std::pair<Cell, Cell>> pairs;
    for (int x = r.minX; x <= r.maxX; ++x) {
        for (int y = r.minY; y <= r.maxY; ++y) {
            for (int z = r.minZ; z <= r.maxZ; ++z) {
                const Cell wall{x, y, z};
                if (!WallAt(m, wall)) {
                    continue;
                }
                for (int axis = 0; axis < 3; ++axis) {
                    for (int d : {-1, 1}) {
                        Cell open = wall;
                        open[axis] += d;
                        if (Inside(m, open) && !WallAt(m, open)) {
                            pairs.insert({wall, open});
                        }
                    }
                }
            }
        }
    }
    return pairs;
}

// Checks one face against the cells it separates: shape, normal, plane style.
void ExpectWellFormed(const Maze& m, const WallFace& f, const Cell& wall, const Cell& open) {
    const double s = m.cellSize();
    int axis = 0;
    while (open[axis] == wall[axis]) {
        ++axis;
    }
    const int plane = std::max(wall[axis], open[axis]);
    Vec3 normal;
    normal[axis] = (open[axis] - wall[axis]) * s;
    EXPECT_TRUE(Same(f.normal, normal));
    EXPECT_DOUBLE_EQ(f.corner[axis], plane * s);
    // The edges span the face: the two cell edges across the normal, in axis order.
    const int a1 = axis == 0 ? 1 : 0;
    const int a2 = axis == 2 ? 1 : 2;
    Vec3 e1, e2;
    e1[a1] = s;
    e2[a2] = s;
    EXPECT_TRUE(Same(f.edge1, e1));
    EXPECT_TRUE(Same(f.edge2, e2));
    const PlaneStyle& style = (axis == 0   ? m.planesX()
                               : axis == 1 ? m.planesY()
                                           : m.planesZ())[plane];
    EXPECT_EQ(std::tie(f.style.red, f.style.green, f.style.blue, f.style.textureIndex),
              std::tie(style.red, style.green, style.blue, style.textureIndex));
}

void ExpectExactlyTheWallOpenFaces(const Maze& m, const CellRange& r) {
    const std::vector<WallFace> faces = FacesIn(m, r);
    const auto expected = ExpectedPairs(m, r);
    std::set<std::pair<Cell, Cell>> seen;
    for (const WallFace& f : faces) {
        const auto [wall, open] = SidesOf(m, f);
        // Never on the outside of the border, never between two walls, never twice.
        ASSERT_TRUE(Inside(m, wall) && Inside(m, open));
        EXPECT_TRUE(WallAt(m, wall));
        EXPECT_FALSE(WallAt(m, open));
        EXPECT_TRUE(seen.insert({wall, open}).second);
        ExpectWellFormed(m, f, wall, open);
    }
    EXPECT_EQ(seen, expected);
}

TEST(WallFaces, EveryWallOpenSideOnceFromTheWall) {
    for (unsigned seed : {1u, 2u, 3u}) {
        const auto maze = MakeMaze(seed == 3 ? 11 : 5, seed);
        ExpectExactlyTheWallOpenFaces(*maze, Whole(*maze));
    }
}

TEST(WallFaces, PartialRangeHoldsTheFacesOfItsWallsOnly) {
    const auto maze = MakeMaze(11, 4);
    ExpectExactlyTheWallOpenFaces(*maze, {2, 6, 0, 3, 5, 10});
    EXPECT_TRUE(FacesIn(*maze, {3, 2, 0, 10, 0, 10}).empty());
}

TEST(WallFaces, DrawingOrderIsXThenYThenZThenSide) {
    const auto maze = MakeMaze(11, 5);
    const std::vector<WallFace> faces = FacesIn(*maze, Whole(*maze));
    ASSERT_FALSE(faces.empty());
    // Side order per wall cell: -x, +x, -y, +y, -z, +z.
    const auto key = [&](const WallFace& f) {
        const auto [wall, open] = SidesOf(*maze, f);
        int side = 0;
        while (open[side / 2] == wall[side / 2]) {
            side += 2;
        }
        side += open[side / 2] > wall[side / 2] ? 1 : 0;
        return std::make_tuple(wall[0], wall[1], wall[2], side);
    };
    for (std::size_t i = 1; i < faces.size(); ++i) {
        EXPECT_LT(key(faces[i - 1]), key(faces[i])) << "face " << i;
    }
    EXPECT_EQ(CountWallFaces(*maze, Whole(*maze)), static_cast<int>(faces.size()));
}

TEST(WallFaces, FaceOfWall211TowardTheFirstRoom) {
    // Find a seed whose maze walls off (2, 1, 1); about half of them do.
    std::unique_ptr<Maze> maze;
    for (unsigned seed = 1; seed < 100; ++seed) {
        maze = MakeMaze(5, seed);
        if (WallAt(*maze, {2, 1, 1})) {
            break;
        }
    }
    ASSERT_TRUE(WallAt(*maze, {2, 1, 1}));
    int found = 0;
    for (const WallFace& f : FacesIn(*maze, {2, 2, 1, 1, 1, 1})) {
        if (Same(f.normal, {-5, 0, 0})) {
            ++found;
            EXPECT_TRUE(Same(f.corner, {10, 5, 5}));
            EXPECT_TRUE(Same(f.edge1, {0, 5, 0}));
            EXPECT_TRUE(Same(f.edge2, {0, 0, 5}));
            EXPECT_EQ(f.style.textureIndex, maze->planesX()[2].textureIndex);
            EXPECT_EQ(f.style.red, maze->planesX()[2].red);
            EXPECT_EQ(f.style.blue, maze->planesX()[2].blue);
        }
    }
    EXPECT_EQ(found, 1);
}

}  // namespace
