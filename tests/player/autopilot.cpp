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

constexpr int kSteps[6][3] = {{-1, 0, 0}, {1, 0, 0}, {0, -1, 0}, {0, 1, 0}, {0, 0, -1}, {0, 0, 1}};

double Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

int MousePixels(double radians) {
    return std::clamp(static_cast<int>(std::lround(radians * 300.0)), -kMaxMousePerFrame,
                      kMaxMousePerFrame);
}

// A rate after one frame with the adding key, the subtracting key, both or neither held.
double NextRate(double rate, bool add, bool subtract) {
    if (!add && !subtract) {
        return rate * kDamping;
    }
    return std::clamp(rate + (add ? kRateStep : 0.0) - (subtract ? kRateStep : 0.0), -1.0, 1.0);
}

struct Cell {
    int x, y, z;
};

Cell CellOf(const Maze& maze, const Vec3& p) {
    const double size = maze.cellSize();
    return {static_cast<int>(std::floor(p.x / size)), static_cast<int>(std::floor(p.y / size)),
            static_cast<int>(std::floor(p.z / size))};
}

Vec3 CentreOf(const Maze& maze, const Cell& c) {
    const double size = maze.cellSize();
    return {(c.x + 0.5) * size, (c.y + 0.5) * size, (c.z + 0.5) * size};
}

bool Holds(const PilotInput& input, int key) {
    return std::find(input.keys.begin(), input.keys.end(), key) != input.keys.end();
}

}  // namespace

Autopilot::Autopilot(const Maze& maze) : maze_(maze) {
    const Cell exit = CellOf(maze, maze.exitPoint());
    distance_.assign(static_cast<std::size_t>(maze.sizeX()) * maze.sizeY() * maze.sizeZ(), -1);
    distance_[maze.cellIndex(exit.x, exit.y, exit.z)] = 0;
    std::deque<Cell> queue{exit};
    while (!queue.empty()) {
        const Cell c = queue.front();
        queue.pop_front();
        const int d = distance_[maze.cellIndex(c.x, c.y, c.z)];
        for (const auto& s : kSteps) {
            const Cell n{c.x + s[0], c.y + s[1], c.z + s[2]};
            if (distanceToExit(n.x, n.y, n.z) == -1 && !maze.isWall(n.x, n.y, n.z)) {
                distance_[maze.cellIndex(n.x, n.y, n.z)] = d + 1;
                queue.push_back(n);
            }
        }
    }
}

int Autopilot::distanceToExit(int x, int y, int z) const {
    return maze_.isWall(x, y, z) ? -1 : distance_[maze_.cellIndex(x, y, z)];
}

PilotInput Autopilot::decide(const Pose& pose, const std::array<double, 6>& rates,
                             double frameMs) const {
    PilotInput input;
    const Cell here = CellOf(maze_, pose.position());
    const int d = distanceToExit(here.x, here.y, here.z);

    // The target is the far end of the straight run of the path that starts here.
    const Vec3 forward = -pose.back();
    Vec3 target = CentreOf(maze_, here);
    const auto step = std::find_if(std::begin(kSteps), std::end(kSteps), [&](const auto& s) {
        return d > 0 && distanceToExit(here.x + s[0], here.y + s[1], here.z + s[2]) == d - 1;
    });
    if (step != std::end(kSteps)) {
        const auto& s = *step;
        Cell end = here;
        for (int left = d;
             left > 0 && distanceToExit(end.x + s[0], end.y + s[1], end.z + s[2]) == left - 1;
             --left) {
            end = {end.x + s[0], end.y + s[1], end.z + s[2]};
        }
        target = CentreOf(maze_, end);

        // Face the run before flying it; turn only when nearly at rest, then hold still.
        const Vec3 heading(s[0], s[1], s[2]);
        const double f = Dot(heading, forward);
        if (f < std::cos(kFacingTolerance)) {
            target = CentreOf(maze_, here);
            if (std::abs(rates[0]) < kTurnAtRate && std::abs(rates[1]) < kTurnAtRate &&
                std::abs(rates[2]) < kTurnAtRate) {
                const double r = Dot(heading, pose.right());
                const double u = Dot(heading, pose.up());
                input.mouseDX = MousePixels(std::atan2(r, f));                  // right turns right
                input.mouseDY = -MousePixels(std::atan2(u, std::hypot(f, r)));  // away raises
            }
        }
    }

    // Per translation rate, the key (or none) whose resulting rate, held for this frame and
    // then released, would stop the player closest to the target along that axis.
    const Vec3 error = target - pose.position();
    const double along[3] = {Dot(error, forward), Dot(error, pose.right()), Dot(error, pose.up())};
    for (int i = 0; i < 3; ++i) {
        const double options[3] = {NextRate(rates[i], false, false),
                                   NextRate(rates[i], true, false),
                                   NextRate(rates[i], false, true)};
        const auto miss = [&](double rate) {
            return std::abs(along[i] - frameMs / 15.0 * kMoveSpeed * rate * (1.0 + kCoastFrames));
        };
        const int best = static_cast<int>(
            std::min_element(std::begin(options), std::end(options),
                             [&](double a, double b) { return miss(a) < miss(b); }) -
            std::begin(options));
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
        rates_[i] = NextRate(rates_[i], Holds(input, kAddKeys[i]), Holds(input, kSubtractKeys[i]));
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
