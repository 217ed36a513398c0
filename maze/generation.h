#pragma once

#include <cstdint>
#include <vector>

// Carving of the passages. Everything here works on a cell array laid out as
// Maze::cellIndex describes, with odd sizes of at least 3 on every axis.

// Every cell with three odd coordinates becomes an open room; every other cell a wall.
void layRoomLattice(std::vector<std::uint8_t>& cells, int sizeX, int sizeY, int sizeZ);

// Opens randomly picked wall cells that separate two regions until one region is left.
// Three rand() draws per attempt (x, y, z of an interior cell); returns the attempt count.
long generate(std::vector<std::uint8_t>& cells, int sizeX, int sizeY, int sizeZ);

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

    // Opens the wall cell at index `cell` when its open face neighbours lie in two or more
    // regions. Of the neighbour pairs (i, j), i < j in the order -x, +x, -y, +y, -z, +z, in
    // different regions, the last one is joined; other regions around the cell stay apart.
    // False, changing nothing, for an open cell or one with fewer than two regions around.
    // The cell must not lie on the border.
    bool openIfJoining(int cell);

    bool sameRegion(int cellA, int cellB) { return find(cellA) == find(cellB); }

  private:
    int find(int cell);

    std::vector<std::uint8_t>& cells_;
    // Roots hold minus the size of their set; other open cells hold their parent.
    std::vector<std::int32_t> parent_;
    int neighbourStep_[6];
    long regionCount_ = 0;
};
