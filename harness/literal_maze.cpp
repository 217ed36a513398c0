#include "harness/literal_maze.h"
#include "maze/random.h"

#include <set>

LiteralMaze BuildLiteralMaze(int sizeX, int sizeY, int sizeZ, int textureCount, int tintedCount) {
    constexpr std::uint8_t Open = 0, Wall = 128;
    LiteralMaze maze;
    // Plane styles X, Y, Z: a texture, and a colour when the texture is tinted.
    const int sizes[3] = {sizeX, sizeY, sizeZ};
    std::vector<PlaneStyle>* planes[3] = {&maze.planesX, &maze.planesY, &maze.planesZ};
    for (int axis = 0; axis < 3; ++axis) {
        planes[axis]->resize(sizes[axis] + 1);
        for (PlaneStyle& style : *planes[axis]) {
            style.red = style.green = style.blue = 255;
            style.textureIndex = static_cast<std::uint8_t>(Random() % textureCount);
            if (style.textureIndex < tintedCount) {
                style.red = static_cast<std::uint8_t>(Random() % 256);
                style.green = static_cast<std::uint8_t>(Random() % 256);
                style.blue = static_cast<std::uint8_t>(Random() % 256);
            }
        }
    }

    // The room lattice: a room at every odd (x, y, z), each a region with a label of its own.
    const auto index = [&](int x, int y, int z) { return (z * sizeY + y) * sizeX + x; };
    maze.cells.assign(static_cast<std::size_t>(sizeX) * sizeY * sizeZ, Wall);
    std::vector<int> labels(maze.cells.size(), -1);
    std::set<int> live;
    for (int x = 0; x < sizeX; ++x) {
        for (int y = 0; y < sizeY; ++y) {
            for (int z = 0; z < sizeZ; ++z) {
                if (x % 2 == 1 && y % 2 == 1 && z % 2 == 1) {
                    maze.cells[index(x, y, z)] = Open;
                    labels[index(x, y, z)] = static_cast<int>(live.size());
                    live.insert(static_cast<int>(live.size()));
                }
            }
        }
    }

    // Carving: a random inner wall cell opens when two of its neighbours carry different
    // labels (the last such pair, -x, +x, -y, +y, -z, +z); a flood relabels the absorbed region.
    constexpr int step[6][3] = {{-1, 0, 0}, {1, 0, 0},  {0, -1, 0},
                                {0, 1, 0},  {0, 0, -1}, {0, 0, 1}};
    while (live.size() != 1) {
        ++maze.attempts;
        const int x = Random() % (sizeX - 2) + 1;
        const int y = Random() % (sizeY - 2) + 1;
        const int z = Random() % (sizeZ - 2) + 1;
        if (maze.cells[index(x, y, z)] == Open) {
            continue;
        }
        int n[6];
        for (int k = 0; k < 6; ++k) {
            n[k] = labels[index(x + step[k][0], y + step[k][1], z + step[k][2])];
        }
        int a = -1, b = -1;
        for (int i = 0; i < 6; ++i) {
            for (int j = i + 1; j < 6; ++j) {
                if (n[i] != -1 && n[j] != -1 && n[j] != n[i]) {
                    a = i;
                    b = j;
                }
            }
        }
        if (a == -1) {
            continue;
        }
        maze.cells[index(x, y, z)] = Open;
        labels[index(x, y, z)] = n[b];
        // With an explicit stack: a region can hold more than 13,000 cells.
        std::vector<int> pending{index(x, y, z)};
        while (!pending.empty()) {
            const int cell = pending.back();
            pending.pop_back();
            if (labels[cell] == n[b]) {
                labels[cell] = n[a];
                const int cx = cell % sizeX, cy = cell / sizeX % sizeY, cz = cell / (sizeX * sizeY);
                for (const auto& s : step) {
                    pending.push_back(index(cx + s[0], cy + s[1], cz + s[2]));
                }
            }
        }
        live.erase(n[b]);
    }
    return maze;
}
