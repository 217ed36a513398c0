#include "bench/flight.h"

#include <cmath>

#include "harness/looking.h"

namespace {
constexpr double kPi = 3.14159265358979323846;
}  // namespace

Vec3 CellCentre(const Maze& maze, int x, int y, int z) {
    const double s = maze.cellSize();
    return {(x + 0.5) * s, (y + 0.5) * s, (z + 0.5) * s};
}

Pose LongestCorridor(const Maze& maze) {
    int best = -1;
    Vec3 eye;
    for (int x = 1; x < maze.sizeX() - 1; ++x) {
        for (int y = 1; y < maze.sizeY() - 1; ++y) {
            for (int z = maze.sizeZ() - 2; z > 0; --z) {
                int run = 0;
                while (!maze.isWall(x, y, z - run)) {
                    ++run;
                }
                if (run > best) {
                    best = run;
                    eye = CellCentre(maze, x, y, z);
                }
            }
        }
    }
    return Looking(eye, {0, 0, -1});
}

std::vector<Shot> Flight(const Maze& large, const Maze& first) {
    std::vector<Shot> flight;
    const int m = large.sizeX() / 2 | 1;  // an odd index: a room, always open
    const Vec3 middle = CellCentre(large, m, m, m);
    for (double pitch : {-35.26, 0.0, 35.26}) {
        for (int step = 0; step < 24; ++step) {
            const double yaw = step * 15.0 * kPi / 180.0;
            const double p = pitch * kPi / 180.0;
            const Vec3 forward{std::cos(p) * std::sin(yaw), std::sin(p),
                               -std::cos(p) * std::cos(yaw)};
            flight.push_back({&large, Looking(middle, forward)});
        }
    }
    Pose start;
    start.position() = large.startPosition();
    flight.push_back({&large, start});
    start.position() = first.startPosition();
    flight.push_back({&first, start});
    const int e = large.sizeX() - 2;
    flight.push_back({&large, Looking(CellCentre(large, e - 2, e, e), {1, 0, 0})});
    flight.push_back({&large, LongestCorridor(large)});
    return flight;
}
