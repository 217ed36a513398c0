#include "maze/generation.h"

#include <bit>
#include <cstdlib>

#include "maze/maze.h"
#include "maze/random.h"

namespace {

// x mod d for 0 <= x < 2^32 and 1 <= d < 2^32, by multiplication: the carving takes three
// remainders per attempt, and a hardware division is slow next to the rest of an attempt.
class Remainder {
  public:
    explicit Remainder(std::uint32_t divisor)
        : divisor_(divisor), inverse_(~std::uint64_t{0} / divisor + 1) {}
    std::uint32_t operator()(std::uint32_t x) const {
        const std::uint64_t fraction = inverse_ * x;
        return static_cast<std::uint32_t>((static_cast<unsigned __int128>(fraction) * divisor_) >>
                                          64);
    }

  private:
    std::uint64_t divisor_;
    std::uint64_t inverse_;
};

// The regions of open cells while the carving runs. Regions are a disjoint-set forest over
// cell indices rather than per-cell labels: every decision of the carving only asks whether
// two open cells are in the same region, so a join never has to relabel a region.
class RegionCarver {
  public:
    // Every open cell starts as a region of its own.
    RegionCarver(std::vector<std::uint8_t>& cells, int sizeX, int sizeY);

    long regionCount() const { return regionCount_; }

    // Opens the wall cell at index `cell` when JoinedPair finds two regions around it, and
    // joins those two. False, changing nothing, for an open cell or one with fewer than two
    // regions around. The cell must not lie on the border.
    bool openIfJoining(int cell);

  private:
    int find(int cell);

    std::vector<std::uint8_t>& cells_;
    // Roots hold minus the size of their set; other open cells hold their parent.
    std::vector<std::int32_t> parent_;
    int neighbourStep_[6];
    long regionCount_ = 0;
};

RegionCarver::RegionCarver(std::vector<std::uint8_t>& cells, int sizeX, int sizeY)
    : cells_(cells),
      parent_(cells.size(), -1),
      neighbourStep_{-1, 1, -sizeX, sizeX, -sizeX * sizeY, sizeX * sizeY} {
    for (std::uint8_t cell : cells_) {
        regionCount_ += (cell & CellWall) ? 0 : 1;
    }
}

int RegionCarver::find(int cell) {
    while (parent_[cell] >= 0) {
        const int up = parent_[cell];
        if (parent_[up] >= 0) {
            parent_[cell] = parent_[up];  // path halving
        }
        cell = up;
    }
    return cell;
}

bool RegionCarver::openIfJoining(int cell) {
    if (!(cells_[cell] & CellWall)) {
        return false;
    }
    // Most picks have fewer than two open neighbours; they are let go before any lookup.
    unsigned openMask = 0;
    for (int k = 0; k < 6; ++k) {
        openMask |= ((cells_[cell + neighbourStep_[k]] >> 7) ^ 1u) << k;
    }
    if (std::popcount(openMask) < 2) {
        return false;
    }
    // Region root of each neighbour, -1 for a wall: roots are equal exactly when labels are.
    std::array<int, 6> n;
    for (int k = 0; k < 6; ++k) {
        n[k] = (openMask >> k & 1u) ? find(cell + neighbourStep_[k]) : -1;
    }
    const auto [a, b] = JoinedPair(n);
    if (a < 0) {
        return false;
    }
    cells_[cell] = CellOpen;
    int rootA = n[a];
    int rootB = n[b];
    parent_[cell] = rootB;
    parent_[rootB] -= 1;
    // Union by size keeps the trees shallow.
    if (parent_[rootA] > parent_[rootB]) {
        std::swap(rootA, rootB);
    }
    parent_[rootA] += parent_[rootB];
    parent_[rootB] = rootA;
    --regionCount_;
    return true;
}

}  // namespace

void layRoomLattice(std::vector<std::uint8_t>& cells, int sizeX, int sizeY, int sizeZ) {
    std::size_t i = 0;
    for (int z = 0; z < sizeZ; ++z) {
        for (int y = 0; y < sizeY; ++y) {
            for (int x = 0; x < sizeX; ++x) {
                cells[i++] = (x & y & z & 1) ? CellOpen : CellWall;
            }
        }
    }
}

long generate(std::vector<std::uint8_t>& cells, int sizeX, int sizeY, int sizeZ) {
    RegionCarver carver(cells, sizeX, sizeY);
    const Remainder pickX(sizeX - 2);
    const Remainder pickY(sizeY - 2);
    const Remainder pickZ(sizeZ - 2);
    long attempts = 0;
    // "More than one" rather than "not one": no rooms at all must not spin forever.
    while (carver.regionCount() > 1) {
        ++attempts;
        const int x = pickX(Random()) + 1;
        const int y = pickY(Random()) + 1;
        const int z = pickZ(Random()) + 1;
        carver.openIfJoining((z * sizeY + y) * sizeX + x);
    }
    return attempts;
}

std::pair<int, int> JoinedPair(const std::array<int, 6>& regions) {
    std::pair<int, int> pair{-1, -1};
    for (int i = 0; i < 6; ++i) {
        if (regions[i] == -1) {
            continue;
        }
        for (int j = i + 1; j < 6; ++j) {
            if (regions[j] != -1 && regions[j] != regions[i]) {
                pair = {i, j};
            }
        }
    }
    return pair;
}
