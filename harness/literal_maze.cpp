#include "harness/literal_maze.h"
#include "maze/random.h"

#include <cstdlib>
#include <set>

namespace {

constexpr std::uint8_t Open = 0;
constexpr std::uint8_t Wall = 128;

void AssignStyles(std::vector<PlaneStyle>& planes, int textureCount, int tintedCount) {
    for (PlaneStyle& style : planes) {
        style.red = style.green = style.blue = style.textureIndex = 255;
        style.textureIndex = static_cast<std::uint8_t>(Random() % textureCount);
        if (style.textureIndex < tintedCount) {
            style.red = static_cast<std::uint8_t>(Random() % 256);
            style.green = static_cast<std::uint8_t>(Random() % 256);
            style.blue = static_cast<std::uint8_t>(Random() % 256);
        }
    }
}

class LiteralCarving {
  public:
    LiteralCarving(LiteralMaze& maze, int sizeX, int sizeY, int sizeZ)
        : maze_(maze), sizeX_(sizeX), sizeY_(sizeY), sizeZ_(sizeZ) {}

    void layRoomLattice() {
        for (int x = 0; x < sizeX_; ++x) {
            for (int y = 0; y < sizeY_; ++y) {
                for (int z = 0; z < sizeZ_; ++z) {
                    const bool room = x % 2 == 1 && y % 2 == 1 && z % 2 == 1;
                    maze_.cells[index(x, y, z)] = room ? Open : Wall;
                }
            }
        }
    }

    void generate() {
        regionLabels_.assign(maze_.cells.size(), -1);
        int counter = 0;
        for (int x = 0; x < sizeX_; ++x) {
            for (int y = 0; y < sizeY_; ++y) {
                for (int z = 0; z < sizeZ_; ++z) {
                    if (maze_.cells[index(x, y, z)] == Open) {
                        regionLabels_[index(x, y, z)] = counter;
                        liveLabels_.insert(counter);
                        ++counter;
                    }
                }
            }
        }
        while (liveLabels_.size() != 1) {
            tryOpenWall();
        }
    }

  private:
    static constexpr int Step[6][3] = {{-1, 0, 0}, {1, 0, 0},  {0, -1, 0},
                                       {0, 1, 0},  {0, 0, -1}, {0, 0, 1}};

    int index(int x, int y, int z) const { return (z * sizeY_ + y) * sizeX_ + x; }

    void tryOpenWall() {
        ++maze_.attempts;
        const int x = Random() % (sizeX_ - 2) + 1;
        const int y = Random() % (sizeY_ - 2) + 1;
        const int z = Random() % (sizeZ_ - 2) + 1;
        if (maze_.cells[index(x, y, z)] == Open) {
            return;
        }
        int n[6];
        for (int k = 0; k < 6; ++k) {
            n[k] = regionLabels_[index(x + Step[k][0], y + Step[k][1], z + Step[k][2])];
        }
        int a = -1;
        int b = -1;
        for (int i = 0; i < 6; ++i) {
            for (int j = i + 1; j < 6; ++j) {
                if (n[i] != -1 && n[j] != -1 && n[j] != n[i]) {
                    a = i;
                    b = j;
                }
            }
        }
        if (a == -1) {
            return;
        }
        maze_.cells[index(x, y, z)] = Open;
        regionLabels_[index(x, y, z)] = n[b];
        relabelRegion(x, y, z, n[b], n[a]);
        liveLabels_.erase(n[b]);
    }

    // The flood, with an explicit stack: a region can hold more than 13,000 cells.
    void relabelRegion(int x, int y, int z, int fromLabel, int toLabel) {
        std::vector<int> pending{index(x, y, z)};
        while (!pending.empty()) {
            const int cell = pending.back();
            pending.pop_back();
            if (regionLabels_[cell] != fromLabel) {
                continue;
            }
            regionLabels_[cell] = toLabel;
            const int cx = cell % sizeX_;
            const int cy = cell / sizeX_ % sizeY_;
            const int cz = cell / (sizeX_ * sizeY_);
            for (const auto& step : Step) {
                pending.push_back(index(cx + step[0], cy + step[1], cz + step[2]));
            }
        }
    }

    LiteralMaze& maze_;
    int sizeX_;
    int sizeY_;
    int sizeZ_;
    std::vector<int> regionLabels_;
    std::set<int> liveLabels_;
};

}  // namespace

LiteralMaze BuildLiteralMaze(int sizeX, int sizeY, int sizeZ, int textureCount, int tintedCount) {
    LiteralMaze maze;
    maze.cells.resize(static_cast<std::size_t>(sizeX) * sizeY * sizeZ);
    maze.planesX.resize(sizeX + 1);
    maze.planesY.resize(sizeY + 1);
    maze.planesZ.resize(sizeZ + 1);
    AssignStyles(maze.planesX, textureCount, tintedCount);
    AssignStyles(maze.planesY, textureCount, tintedCount);
    AssignStyles(maze.planesZ, textureCount, tintedCount);
    LiteralCarving carving(maze, sizeX, sizeY, sizeZ);
    carving.layRoomLattice();
    carving.generate();
    return maze;
}
