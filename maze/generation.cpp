#include "maze/generation.h"

#include <bit>
#include <cstdlib>
#include <utility>

#include "maze/maze.h"

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
        const int x = pickX(std::rand()) + 1;
        const int y = pickY(std::rand()) + 1;
        const int z = pickZ(std::rand()) + 1;
        carver.openIfJoining((z * sizeY + y) * sizeX + x);
    }
    return attempts;
}

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
    int n[6];
    for (int k = 0; k < 6; ++k) {
        n[k] = (openMask >> k & 1u) ? find(cell + neighbourStep_[k]) : -1;
    }
    int a = -1;
    int b = -1;
    for (int i = 0; i < 6; ++i) {
        if (n[i] == -1) {
            continue;
        }
        for (int j = i + 1; j < 6; ++j) {
            if (n[j] != -1 && n[j] != n[i]) {
                a = i;
                b = j;
            }
        }
    }
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
