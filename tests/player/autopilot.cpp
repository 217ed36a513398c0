#include "tests/player/autopilot.h"

#include <algorithm>
#include <cmath>
#include <deque>

#include "platform/input.h"
#include "platform/keys.h"

namespace {

// The player's rate after one frame with its adding key (+1), subtracting key (-1) or neither.
double NextRate(double rate, int key) {
    return key == 0 ? rate * 0.8333333333333334 : std::clamp(rate + 0.05 * key, -1.0, 1.0);
}

}  // namespace

// Cells are handled by index: an open cell's face neighbours are never outside the maze.
Autopilot::Autopilot(const Maze& maze) : maze_(maze), distance_(maze.cells().size(), -1) {
    const int sx = maze.sizeX(), sxy = sx * maze.sizeY();
    const Vec3 exit = maze.exitPoint() / maze.cellSize();
    std::deque<int> queue{maze.cellIndex(int(exit.x), int(exit.y), int(exit.z))};
    distance_[queue.front()] = 0;
    for (; !queue.empty(); queue.pop_front()) {
        for (int step : {-1, 1, -sx, sx, -sxy, sxy}) {
            const int next = queue.front() + step;
            if (!(maze.cells()[next] & CellWall) && distance_[next] == -1) {
                distance_[next] = distance_[queue.front()] + 1;
                queue.push_back(next);
            }
        }
    }
}

std::vector<int> Autopilot::decide(const Pose& pose, double frameMs) {
    const int sx = maze_.sizeX(), sy = maze_.sizeY(), sxy = sx * sy;
    const Vec3 cell = pose.position() / maze_.cellSize();
    // The target: the far end of the straight run of the path that starts in this cell.
    int end = maze_.cellIndex(int(cell.x), int(cell.y), int(cell.z));
    for (int step : {-1, 1, -sx, sx, -sxy, sxy}) {
        const int start = end;
        while (distance_[end] > 0 && distance_[end + step] == distance_[end] - 1) {
            end += step;
        }
        if (end != start) {
            break;
        }
    }
    const Vec3 error =
        Vec3(end % sx + 0.5, end / sx % sy + 0.5, end / sxy + 0.5) * maze_.cellSize() -
        pose.position();

    // Per translation rate, the key (or none) whose rate, held for this frame and then
    // released, would stop the player closest to the target: the damped rates sum to 5.
    const double along[3] = {-dot(error, pose.back()), dot(error, pose.right()),
                             dot(error, pose.up())};
    const int addKeys[3] = {key::I, key::L, key::Y};
    const int subtractKeys[3] = {key::K, key::J, key::H};
    std::vector<int> keys;
    for (int i = 0; i < 3; ++i) {
        const auto miss = [&](int key) {
            return std::abs(along[i] - frameMs / 15.0 * 0.3 * NextRate(rates_[i], key) * 6.0);
        };
        int best = 0;
        for (int key : {1, -1}) {
            best = miss(key) < miss(best) ? key : best;
        }
        rates_[i] = NextRate(rates_[i], best);
        if (best != 0) {
            keys.push_back(best > 0 ? addKeys[i] : subtractKeys[i]);
        }
    }
    return keys;
}

void ApplyPilotInput(const std::vector<int>& keys) {
    inputState = InputState{};
    for (int key : keys) {
        inputState.keys[key] = 1;
    }
}
