#include "tests/player/autopilot.h"

#include <algorithm>
#include <cmath>
#include <deque>

#include "platform/input.h"
#include "platform/keys.h"

namespace {

// The motion model the pilot plans with (the player's own constants).
constexpr double kRateStep = 0.05;
constexpr double kDamping = 0.8333333333333334;
constexpr double kMoveSpeed = 0.3;
// Distance still covered after releasing a key, per unit of rate: the damped rates sum to 5.
constexpr double kCoastFrames = 5.0;

constexpr int kAddKeys[6] = {key::I, key::L, key::Y, key::Left, key::Down, key::U};
constexpr int kSubtractKeys[6] = {key::K, key::J, key::H, key::Right, key::Up, key::O};

constexpr int kMaxMousePerFrame = 60;  // 0.2 radians
constexpr double kFacingTolerance = 0.02;
constexpr double kTurnAtRate = 0.2;

double Dot(const Vec3& a, const Vec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

int MousePixels(double radians) {
    return std::clamp(static_cast<int>(std::lround(radians * 300.0)), -kMaxMousePerFrame,
                      kMaxMousePerFrame);
}

}  // namespace

Autopilot::Autopilot(const Maze& maze) : maze_(maze) {
    const int nx = maze.sizeX();
    const int ny = maze.sizeY();
    const int nz = maze.sizeZ();
    exitCell_ = cellOf(maze.exitPoint());
    distance_.assign(static_cast<std::size_t>(nx) * ny * nz, -1);

    std::deque<Cell> queue{exitCell_};
    distance_[maze.cellIndex(exitCell_.x, exitCell_.y, exitCell_.z)] = 0;
    while (!queue.empty()) {
        const Cell c = queue.front();
        queue.pop_front();
        const int d = distance_[maze.cellIndex(c.x, c.y, c.z)];
        const Cell next[6] = {{c.x - 1, c.y, c.z}, {c.x + 1, c.y, c.z}, {c.x, c.y - 1, c.z},
                              {c.x, c.y + 1, c.z}, {c.x, c.y, c.z - 1}, {c.x, c.y, c.z + 1}};
        for (const Cell& n : next) {
            if (maze.isWall(n.x, n.y, n.z)) {
                continue;
            }
            int& seen = distance_[maze.cellIndex(n.x, n.y, n.z)];
            if (seen < 0) {
                seen = d + 1;
                queue.push_back(n);
            }
        }
    }
}

int Autopilot::distanceToExit(int x, int y, int z) const {
    if (maze_.isWall(x, y, z)) {
        return -1;
    }
    return distance_[maze_.cellIndex(x, y, z)];
}

Autopilot::Cell Autopilot::cellOf(const Vec3& position) const {
    const double size = maze_.cellSize();
    return {static_cast<int>(std::floor(position.x / size)),
            static_cast<int>(std::floor(position.y / size)),
            static_cast<int>(std::floor(position.z / size))};
}

Vec3 Autopilot::centreOf(const Cell& cell) const {
    const double size = maze_.cellSize();
    return {(cell.x + 0.5) * size, (cell.y + 0.5) * size, (cell.z + 0.5) * size};
}

PilotInput Autopilot::decide(const Pose& pose, const std::array<double, 6>& rates,
                             double frameMs) const {
    PilotInput input;
    const Cell here = cellOf(pose.position());
    const int d = distanceToExit(here.x, here.y, here.z);

    // The target is the far end of the straight run of the path that starts here.
    Vec3 target = centreOf(here);
    Vec3 heading;
    bool moving = false;
    if (d > 0) {
        const int steps[6][3] = {{-1, 0, 0}, {1, 0, 0},  {0, -1, 0},
                                 {0, 1, 0},  {0, 0, -1}, {0, 0, 1}};
        for (const auto& s : steps) {
            if (distanceToExit(here.x + s[0], here.y + s[1], here.z + s[2]) == d - 1) {
                Cell end{here.x + s[0], here.y + s[1], here.z + s[2]};
                int left = d - 1;
                while (left > 0 &&
                       distanceToExit(end.x + s[0], end.y + s[1], end.z + s[2]) == left - 1) {
                    end = {end.x + s[0], end.y + s[1], end.z + s[2]};
                    --left;
                }
                heading = Vec3(s[0], s[1], s[2]);
                target = centreOf(end);
                moving = true;
                break;
            }
        }
    }

    // Face the run before flying it; turn only when nearly at rest, then hold still.
    const Vec3 forward = -pose.back();
    if (moving && Dot(heading, forward) < std::cos(kFacingTolerance)) {
        target = centreOf(here);
        const bool slow = std::abs(rates[0]) < kTurnAtRate && std::abs(rates[1]) < kTurnAtRate &&
                          std::abs(rates[2]) < kTurnAtRate;
        if (slow) {
            const double f = Dot(heading, forward);
            const double r = Dot(heading, pose.right());
            const double u = Dot(heading, pose.up());
            input.mouseDX = MousePixels(std::atan2(r, f));                  // right turns right
            input.mouseDY = -MousePixels(std::atan2(u, std::hypot(f, r)));  // away raises
        }
    }

    // Per translation rate, the key (or none) whose resulting rate, held for this frame and
    // then released, would stop the player closest to the target along that axis.
    const double k = frameMs / 15.0;
    const Vec3 error = target - pose.position();
    const double along[3] = {Dot(error, forward), Dot(error, pose.right()), Dot(error, pose.up())};
    for (int i = 0; i < 3; ++i) {
        const double r = rates[i];
        const double options[3] = {r * kDamping, std::min(r + kRateStep, 1.0),
                                   std::max(r - kRateStep, -1.0)};
        int best = 0;
        double bestMiss = 0;
        for (int o = 0; o < 3; ++o) {
            const double travel = k * kMoveSpeed * options[o] * (1.0 + kCoastFrames);
            const double miss = std::abs(along[i] - travel);
            if (o == 0 || miss < bestMiss) {
                best = o;
                bestMiss = miss;
            }
        }
        if (best == 1) {
            input.keys.push_back(kAddKeys[i]);
        } else if (best == 2) {
            input.keys.push_back(kSubtractKeys[i]);
        }
    }
    return input;
}

PilotInput Autopilot::decide(const Pose& pose, double frameMs) {
    const PilotInput input = decide(pose, rates_, frameMs);
    for (int i = 0; i < 6; ++i) {
        const bool add =
            std::find(input.keys.begin(), input.keys.end(), kAddKeys[i]) != input.keys.end();
        const bool subtract =
            std::find(input.keys.begin(), input.keys.end(), kSubtractKeys[i]) != input.keys.end();
        if (add) {
            rates_[i] += kRateStep;
        }
        if (subtract) {
            rates_[i] -= kRateStep;
        }
        if (!add && !subtract) {
            rates_[i] *= kDamping;
        }
        rates_[i] = std::clamp(rates_[i], -1.0, 1.0);
    }
    return input;
}

void ApplyPilotInput(const PilotInput& input) {
    for (int i = 0; i < 6; ++i) {
        inputState.keys[kAddKeys[i]] = 0;
        inputState.keys[kSubtractKeys[i]] = 0;
    }
    for (int button = 1; button <= 3; ++button) {
        inputState.buttons[button] = 0;
    }
    for (int key : input.keys) {
        inputState.keys[key] = 1;
    }
    inputState.mouseDX = input.mouseDX;
    inputState.mouseDY = input.mouseDY;
}
