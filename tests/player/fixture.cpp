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

::testing::AssertionResult Near(const Vec3& actual, const Vec3& expected, double tolerance) {
    const Vec3 d = actual - expected;
    if (std::abs(d.x) <= tolerance && std::abs(d.y) <= tolerance && std::abs(d.z) <= tolerance) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "(" << actual.x << ", " << actual.y << ", " << actual.z << ") is not within "
           << tolerance << " of (" << expected.x << ", " << expected.y << ", " << expected.z << ")";
}

double FrameError(const Pose& pose) {
    const auto dot = [](const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; };
    const Vec3 r = pose.right();
    const Vec3 u = pose.up();
    const Vec3 b = pose.back();
    return std::max({std::abs(length(r) - 1), std::abs(length(u) - 1), std::abs(length(b) - 1),
                     std::abs(dot(r, u)), std::abs(dot(r, b)), std::abs(dot(u, b)),
                     length(cross(r, u) - b)});
}
