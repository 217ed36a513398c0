#include "render/wall_faces.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <set>
#include <tuple>
#include <vector>

#include "tests/render/maze_fixture.h"

namespace {

using Cell = std::array<int, 3>;

bool Inside(const Maze& m, const Cell& c) {
    return c[0] >= 0 && c[1] >= 0 && c[2] >= 0 && c[0] < m.sizeX() && c[1] < m.sizeY() &&
           c[2] < m.sizeZ();
}

bool WallAt(const Maze& m, const Cell& c) {
    return (m.cells()[m.cellIndex(c[0], c[1], c[2])] & CellWall) != 0;
}

// Every number of a face, for whole-face comparisons with readable failures.
auto Key(const WallFace& f) {
    const auto v = [](const Vec3& a) { return std::make_tuple(a.x, a.y, a.z); };
    const PlaneStyle& s = f.style;
    return std::make_tuple(v(f.corner), v(f.edge1), v(f.edge2), v(f.normal),
                           std::array<int, 4>{s.red, s.green, s.blue, s.textureIndex});
}

// The face a wall cell must show toward an open neighbour: on the plane between them, the
// other two cell edges in axis order, the normal into the open cell, that plane's style.
WallFace ExpectedFace(const Maze& m, const Cell& wall, const Cell& open) {
    const double s = m.cellSize();
    int axis = 0;
    while (open[axis] == wall[axis]) {
        ++axis;
    }
    const int plane = std::max(wall[axis], open[axis]);
    WallFace f{};
    for (int a = 0; a < 3; ++a) {
        f.corner[a] = (a == axis ? plane : wall[a]) * s;
    }
    f.edge1[axis == 0 ? 1 : 0] = s;
    f.edge2[axis == 2 ? 1 : 2] = s;
    f.normal[axis] = (open[axis] - wall[axis]) * s;
    f.style = (axis == 0 ? m.planesX() : axis == 1 ? m.planesY() : m.planesZ())[plane];
    return f;
}

std::vector<WallFace> FacesIn(const Maze& m, const CellRange& r) {
    const double s = m.cellSize();
    std::vector<WallFace> faces;
    CollectWallFaces(m, r, {s, 0, 0}, {0, s, 0}, {0, 0, s}, faces);
    return faces;
}

// Every face between a wall cell of the range and an open neighbour, exactly once and in
// its exact form; nothing on the outside of the border, nothing between two walls.
TEST(WallFaces, EveryWallOpenSideOfTheRangeOnceFromTheWall) {
    struct Case {
        int size;
        unsigned seed;
        CellRange range;
    };
    const Case cases[] = {{5, 1, {0, 4, 0, 4, 0, 4}},
                          {5, 2, {0, 4, 0, 4, 0, 4}},
                          {11, 3, {0, 10, 0, 10, 0, 10}},
                          {11, 4, {2, 6, 0, 3, 5, 10}},
                          {11, 4, {3, 2, 0, 10, 0, 10}}};  // empty
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "size " << c.size << ", seed " << c.seed);
        const auto maze = MakeMaze(c.size, c.seed);
        const CellRange& r = c.range;
        std::multiset<decltype(Key(WallFace{}))> expected, produced;
        for (int x = r.minX; x <= r.maxX; ++x) {
            for (int y = r.minY; y <= r.maxY; ++y) {
                for (int z = r.minZ; z <= r.maxZ; ++z) {
                    for (int side = 0; side < 6 && WallAt(*maze, {x, y, z}); ++side) {
                        Cell open{x, y, z};
                        open[side / 2] += side % 2 ? 1 : -1;
                        if (Inside(*maze, open) && !WallAt(*maze, open)) {
                            expected.insert(Key(ExpectedFace(*maze, {x, y, z}, open)));
                        }
                    }
                }
            }
        }
        const std::vector<WallFace> faces = FacesIn(*maze, r);
        for (const WallFace& f : faces) {
            produced.insert(Key(f));
        }
        EXPECT_EQ(produced, expected);
        EXPECT_EQ(CountWallFaces(*maze, r), static_cast<int>(faces.size()));
    }
}

TEST(WallFaces, FaceOfWall211TowardTheFirstRoom) {
    // Find a seed whose maze walls off (2, 1, 1); about half of them do.
    std::unique_ptr<Maze> maze;
    for (unsigned seed = 1; seed < 100 && !(maze && WallAt(*maze, {2, 1, 1})); ++seed) {
        maze = MakeMaze(5, seed);
    }
    ASSERT_TRUE(WallAt(*maze, {2, 1, 1}));
    const WallFace want{{10, 5, 5}, {0, 5, 0}, {0, 0, 5}, maze->planesX()[2], {-5, 0, 0}};
    int found = 0;
    for (const WallFace& f : FacesIn(*maze, {2, 2, 1, 1, 1, 1})) {
        if (f.normal.x == -5) {
            ++found;
            EXPECT_EQ(Key(f), Key(want));
        }
    }
    EXPECT_EQ(found, 1);
}

}  // namespace
