#include "maze/generation.h"

#include <gtest/gtest.h>

#include <vector>

#include "maze/maze.h"

namespace {

TEST(Remainder, MatchesTheModuloOperatorOverTheWholeRange) {
    std::vector<std::uint32_t> values{0u, 1u, 36u, 37u, 38u, 2147483647u, 2147483648u, 4294967295u};
    for (std::uint32_t state = 12345u; values.size() < 500;) {
        state = state * 1664525u + 1013904223u;
        values.push_back(state);
    }
    for (std::uint32_t d : {1u, 2u, 3u, 7u, 37u, 256u, 65537u, 2147483647u, 4294967295u}) {
        for (std::uint32_t x : values) {
            ASSERT_EQ(Remainder(d)(x), x % d) << x << " mod " << d;
        }
    }
}

// A 7-cube of walls around the wall cell (3, 3, 3), with some of its face neighbours open.
constexpr int N = 7;
constexpr int At(int x, int y, int z) { return (z * N + y) * N + x; }
constexpr int Centre = At(3, 3, 3);
constexpr int Step[6] = {-1, 1, -N, N, -N* N, N* N};  // -x, +x, -y, +y, -z, +z

TEST(RegionCarver, JoinsTheLastPairOfNeighboursInDifferentRegions) {
    const struct {
        const char* name;
        std::vector<int> open;  // open neighbours of the centre, by their Step index
        int bridge;             // a wall cell opened first to merge two of them, or -1
        bool centreOpen;
        int a, b;  // the neighbours whose regions the centre must join, or -1
    } cases[] = {
        {"two regions", {0, 1}, -1, false, 0, 1},
        {"one region", {4}, -1, false, -1, -1},
        {"centre already open", {0, 1}, -1, true, -1, -1},
        // -x and +y merged through (2, 4, 3): one region on two sides.
        {"one region twice", {0, 3}, At(2, 4, 3), false, -1, -1},
        // Pairs (-x,+x), (-x,-y), (+x,-y): the last wins and -x stays apart.
        {"three regions", {0, 1, 2}, -1, false, 1, 2},
        {"six regions", {0, 1, 2, 3, 4, 5}, -1, false, 4, 5},
        // -y and +z merged through (3, 2, 4), so (-y,+z) is no pair; the last is (+x,+z).
        {"repeated region", {0, 1, 2, 5}, At(3, 2, 4), false, 1, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::uint8_t> cells(N * N * N, CellWall);
        for (int k : c.open) {
            cells[Centre + Step[k]] = CellOpen;
        }
        cells[Centre] = c.centreOpen ? CellOpen : CellWall;
        RegionCarver carver(cells, N, N);
        if (c.bridge >= 0) {
            ASSERT_TRUE(carver.openIfJoining(c.bridge));
        }
        // The neighbours that must end up in the centre's region: those of the pair's regions.
        bool joins[6] = {};
        for (int k : c.open) {
            joins[k] = c.a >= 0 && (carver.sameRegion(Centre + Step[k], Centre + Step[c.a]) ||
                                    carver.sameRegion(Centre + Step[k], Centre + Step[c.b]));
        }
        const long regions = carver.regionCount();
        const std::vector<std::uint8_t> before = cells;
        ASSERT_EQ(carver.openIfJoining(Centre), c.a >= 0);
        if (c.a < 0) {
            EXPECT_EQ(cells, before);
            EXPECT_EQ(carver.regionCount(), regions);
            continue;
        }
        EXPECT_EQ(cells[Centre], CellOpen);
        EXPECT_EQ(carver.regionCount(), regions - 1);
        for (int k : c.open) {
            EXPECT_EQ(carver.sameRegion(Centre + Step[k], Centre), joins[k]) << "neighbour " << k;
        }
    }
}

}  // namespace
