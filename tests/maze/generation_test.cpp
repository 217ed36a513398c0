#include "maze/generation.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "maze/maze.h"

namespace {

int Index(int size, int x, int y, int z) {
    return (z * size + y) * size + x;
}

TEST(LayRoomLattice, OpensExactlyTheRooms) {
    std::vector<std::uint8_t> cells(5 * 5 * 7, 77);
    layRoomLattice(cells, 5, 5, 7);
    int open = 0;
    for (int z = 0; z < 7; ++z) {
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < 5; ++x) {
                const std::uint8_t cell = cells[(z * 5 + y) * 5 + x];
                const bool room = x % 2 == 1 && y % 2 == 1 && z % 2 == 1;
                EXPECT_EQ(cell, room ? CellOpen : CellWall) << x << "," << y << "," << z;
                open += room ? 1 : 0;
            }
        }
    }
    EXPECT_EQ(open, 2 * 2 * 3);
}

TEST(Remainder, MatchesTheModuloOperator) {
    std::vector<std::uint32_t> divisors{1u,   2u,   3u,     7u,          37u,
                                        255u, 256u, 65537u, 2147483647u, 4294967295u};
    std::vector<std::uint32_t> values{
        0u, 1u, 2u, 36u, 37u, 38u, 2147483646u, 2147483647u, 2147483648u, 4294967294u, 4294967295u};
    std::uint32_t state = 12345u;
    for (int i = 0; i < 2000; ++i) {
        state = state * 1664525u + 1013904223u;
        values.push_back(state);
        divisors.push_back(state % 64u + 1u);
    }
    for (std::uint32_t d : divisors) {
        const Remainder remainder(d);
        for (std::uint32_t x : values) {
            ASSERT_EQ(remainder(x), x % d) << x << " mod " << d;
        }
    }
}

TEST(Generate, SingleRoomNeedsNoDraw) {
    std::srand(12);
    const int first = std::rand();
    std::srand(12);
    std::vector<std::uint8_t> cells(27);
    layRoomLattice(cells, 3, 3, 3);
    EXPECT_EQ(generate(cells, 3, 3, 3), 0);
    EXPECT_EQ(std::rand(), first);
}

TEST(Generate, ThreeDrawsPerAttempt) {
    std::srand(40);
    std::vector<std::uint8_t> cells(9 * 9 * 9);
    layRoomLattice(cells, 9, 9, 9);
    const long attempts = generate(cells, 9, 9, 9);
    const int next = std::rand();
    std::srand(40);
    for (long i = 0; i < 3 * attempts; ++i) {
        std::rand();
    }
    EXPECT_EQ(std::rand(), next);
    EXPECT_GE(attempts, 4 * 4 * 4 - 1);
}

// A 7-cube of walls with chosen single open cells around the centre (3, 3, 3).
class CarverAroundCentre : public testing::Test {
  protected:
    static constexpr int N = 7;
    std::vector<std::uint8_t> cells_ = std::vector<std::uint8_t>(N * N * N, CellWall);
    static constexpr int Centre = (3 * N + 3) * N + 3;
    // Neighbour k of the centre in the order -x, +x, -y, +y, -z, +z.
    static int Neighbour(int k) {
        const int steps[6] = {-1, 1, -N, N, -N * N, N * N};
        return Centre + steps[k];
    }
    void openNeighbours(std::initializer_list<int> ks) {
        for (int k : ks) {
            cells_[Neighbour(k)] = CellOpen;
        }
    }
};

TEST_F(CarverAroundCentre, TwoRegionsAreJoinedThroughTheCell) {
    openNeighbours({0, 1});
    RegionCarver carver(cells_, N, N);
    EXPECT_EQ(carver.regionCount(), 2);
    EXPECT_TRUE(carver.openIfJoining(Centre));
    EXPECT_EQ(cells_[Centre], CellOpen);
    EXPECT_EQ(carver.regionCount(), 1);
    EXPECT_TRUE(carver.sameRegion(Neighbour(0), Neighbour(1)));
    EXPECT_TRUE(carver.sameRegion(Centre, Neighbour(0)));
}

TEST_F(CarverAroundCentre, NothingToJoinChangesNothing) {
    openNeighbours({4});
    RegionCarver carver(cells_, N, N);
    const auto before = cells_;
    EXPECT_FALSE(carver.openIfJoining(Centre));  // one region around
    cells_[Centre] = CellOpen;
    RegionCarver openCentre(cells_, N, N);
    EXPECT_FALSE(openCentre.openIfJoining(Centre));  // already open
    EXPECT_EQ(openCentre.regionCount(), 2);
    cells_[Centre] = CellWall;
    EXPECT_EQ(cells_, before);
}

TEST_F(CarverAroundCentre, NeighboursAlreadyJoinedCountOnce) {
    // -x and +y become one region through the cell (2, 4, 3); with it, the centre sees one
    // region on two sides and nothing else.
    openNeighbours({0, 3});
    RegionCarver carver(cells_, N, N);
    ASSERT_TRUE(carver.openIfJoining(Index(N, 2, 4, 3)));
    EXPECT_FALSE(carver.openIfJoining(Centre));
    EXPECT_EQ(cells_[Centre], CellWall);
}

TEST_F(CarverAroundCentre, ThreeRegionsJoinTheLastDifferingPair) {
    // Regions at -x, +x and -y: the pairs are (-x,+x), (-x,-y), (+x,-y); the last one wins
    // and -x stays a region of its own although it now touches the open cell.
    openNeighbours({0, 1, 2});
    RegionCarver carver(cells_, N, N);
    ASSERT_TRUE(carver.openIfJoining(Centre));
    EXPECT_EQ(carver.regionCount(), 2);
    EXPECT_TRUE(carver.sameRegion(Neighbour(1), Neighbour(2)));
    EXPECT_TRUE(carver.sameRegion(Centre, Neighbour(1)));
    EXPECT_FALSE(carver.sameRegion(Neighbour(0), Neighbour(1)));
}

TEST_F(CarverAroundCentre, SixRegionsJoinMinusZWithPlusZ) {
    openNeighbours({0, 1, 2, 3, 4, 5});
    RegionCarver carver(cells_, N, N);
    ASSERT_TRUE(carver.openIfJoining(Centre));
    EXPECT_EQ(carver.regionCount(), 5);
    EXPECT_TRUE(carver.sameRegion(Neighbour(4), Neighbour(5)));
    for (int k = 0; k < 4; ++k) {
        EXPECT_FALSE(carver.sameRegion(Neighbour(k), Centre)) << k;
    }
}

TEST_F(CarverAroundCentre, PairSkipsARepeatedRegion) {
    // -y and +z are one region (joined through (3, 2, 4)); -x and +x are two others. The
    // differing pairs are (-x,+x), (-x,-y), (-x,+z), (+x,-y), (+x,+z): the last joins +x
    // with the -y/+z region and -x stays apart.
    openNeighbours({0, 1, 2, 5});
    RegionCarver carver(cells_, N, N);
    ASSERT_TRUE(carver.openIfJoining(Index(N, 3, 2, 4)));
    ASSERT_TRUE(carver.sameRegion(Neighbour(2), Neighbour(5)));
    ASSERT_TRUE(carver.openIfJoining(Centre));
    EXPECT_TRUE(carver.sameRegion(Neighbour(1), Neighbour(5)));
    EXPECT_FALSE(carver.sameRegion(Neighbour(0), Centre));
    EXPECT_EQ(carver.regionCount(), 2);
}

}  // namespace
