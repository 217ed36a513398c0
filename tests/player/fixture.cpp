#include "tests/player/fixture.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include "platform/input.h"
#include "platform/video.h"

std::unique_ptr<Maze> MakeMaze(int size, unsigned seed) {
    std::srand(seed);
    return std::make_unique<Maze>(size, size, size, TextureSet{{1, 2, 3, 4}, 2});
}

std::unique_ptr<Maze> FindMaze(int size, const std::function<bool(const Maze&)>& condition) {
    for (unsigned seed = 1; seed < 1000; ++seed) {
        auto maze = MakeMaze(size, seed);
        if (condition(*maze)) {
            return maze;
        }
    }
    throw std::runtime_error("no maze of the first 1000 seeds fits");
}

void ResetInput(std::uint32_t frameMs) {
    inputState = InputState{};
    videoState.lastSwapMs = frameMs;
}

Pose PoseAt(const Vec3& position) {
    Pose pose;
    pose.position() = position;
    return pose;
}

Vec3 CellCentre(const Maze& maze, int x, int y, int z) {
    const double c = maze.cellSize();
    return {(x + 0.5) * c, (y + 0.5) * c, (z + 0.5) * c};
}

double Dot(const Vec3& a, const Vec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

double FrameError(const Pose& pose) {
    const Vec3 r = pose.right();
    const Vec3 u = pose.up();
    const Vec3 b = pose.back();
    const Vec3 handed = cross(r, u) - b;
    return std::max({std::abs(length(r) - 1), std::abs(length(u) - 1), std::abs(length(b) - 1),
                     std::abs(Dot(r, u)), std::abs(Dot(r, b)), std::abs(Dot(u, b)),
                     length(handed)});
}
