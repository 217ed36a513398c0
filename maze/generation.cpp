#include "maze/generation.h"

#include <array>
#include <cstdlib>

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

namespace {

// Regions are tracked with a disjoint-set forest over cell indices instead of per-cell
// labels: every decision of the carving only asks whether two open cells belong to the same
// region, and a forest answers that without relabelling whole regions on each join.
class RegionForest {
  public:
    explicit RegionForest(std::size_t cellCount) : parent_(cellCount, -1) {}

    // Roots hold minus the size of their set; other entries hold their parent.
    void makeSet(int cell) { parent_[cell] = -1; }

    int find(int cell) {
        while (parent_[cell] >= 0) {
            const int up = parent_[cell];
            if (parent_[up] >= 0) {
                parent_[cell] = parent_[up];  // path halving
            }
            cell = up;
        }
        return cell;
    }

    // Both arguments are roots of different sets.
    void join(int rootA, int rootB) {
        if (parent_[rootA] > parent_[rootB]) {
            std::swap(rootA, rootB);
        }
        parent_[rootA] += parent_[rootB];
        parent_[rootB] = rootA;
    }

    // Attaches a single cell to the set whose root is given.
    void attach(int cell, int root) {
        parent_[cell] = root;
        parent_[root] -= 1;
    }

  private:
    std::vector<std::int32_t> parent_;
};

struct Carver {
    std::vector<std::uint8_t>& cells;
    int sizeX;
    int sizeY;
    int sizeZ;
    RegionForest regions;
    std::array<int, 6> neighbourStep;  // -x, +x, -y, +y, -z, +z

    Carver(std::vector<std::uint8_t>& c, int sx, int sy, int sz)
        : cells(c), sizeX(sx), sizeY(sy), sizeZ(sz), regions(c.size()), neighbourStep{-1,
                                                                                      1,
                                                                                      -sx,
                                                                                      sx,
                                                                                      -sx * sy,
                                                                                      sx * sy} {}

    // One attempt; true when two regions were joined.
    bool tryOpenWall() {
        const int x = std::rand() % (sizeX - 2) + 1;
        const int y = std::rand() % (sizeY - 2) + 1;
        const int z = std::rand() % (sizeZ - 2) + 1;
        const int cell = (z * sizeY + y) * sizeX + x;
        if (!(cells[cell] & CellWall)) {
            return false;
        }
        // Region of each neighbour, -1 for a wall. Roots stand in for labels: equal exactly
        // when the labels would be.
        std::array<int, 6> n;
        for (int k = 0; k < 6; ++k) {
            const int neighbour = cell + neighbourStep[k];
            n[k] = (cells[neighbour] & CellWall) ? -1 : regions.find(neighbour);
        }
        // The last differing pair in (i, j) order wins.
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
        cells[cell] = CellOpen;
        regions.attach(cell, n[b]);
        regions.join(n[a], n[b]);
        return true;
    }
};

}  // namespace

long generate(std::vector<std::uint8_t>& cells, int sizeX, int sizeY, int sizeZ) {
    Carver carver(cells, sizeX, sizeY, sizeZ);
    long liveRegions = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (!(cells[i] & CellWall)) {
            carver.regions.makeSet(static_cast<int>(i));
            ++liveRegions;
        }
    }
    long attempts = 0;
    while (liveRegions > 1) {
        ++attempts;
        if (carver.tryOpenWall()) {
            --liveRegions;
        }
    }
    return attempts;
}
