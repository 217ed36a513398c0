// How the player moves: each control frame by frame, walls and the exit as a player feels
// them, and hostile random flights that must never enter, leave or cross a wall nor bend the
// frame. (The autopilot wins mazes with the game's controls in the win path test.)
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "platform/input.h"
#include "platform/keys.h"
#include "platform/video.h"
#include "player/player.h"
#include "tests/support/fixture.h"

namespace {

// Mouse buttons among the keys of an input.
constexpr int kLeft = -1, kMiddle = -2, kRight = -3;

struct Input {
    std::vector<int> keys;
    int dx = 0, dy = 0;
    unsigned ms = 15;
};

void Apply(const Input& in) {
    inputState = InputState{};
    for (int k : in.keys) {
        (k < 0 ? inputState.buttons[-k] : inputState.keys[k]) = 1;
    }
    inputState.mouseDX = in.dx;
    inputState.mouseDY = in.dy;
    videoState.lastSwapMs = in.ms;
}

struct Row {
    const char* rule;
    std::vector<int> held;  // keys held for heldFrames frames of 0 ms: rates change, no motion
    int heldFrames;
    Input frame;  // then one frame of this input
    Vec3 position, back = {0, 0, 1}, right = {1, 0, 0};
};

// From the start (7.5, 7.5, 7.5), looking along -z with +y up. A rate of 0.05 for 15 ms moves
// 0.015 units or turns 0.0015 radians; 300 mouse units are a radian or a unit.
TEST(Controls, EachInputChangesThePoseAsItShould) {
    using std::cos, std::sin;
    const double s = sin(0.0015), c = cos(0.0015), s1 = sin(1), c1 = cos(1);
    const Vec3 at(7.5, 7.5, 7.5), yawed(-s1, 0, c1), yawedRight(c1, 0, s1);
    std::vector<Row> rows = {
        {"i forward", {}, 0, {{key::I}}, {7.5, 7.5, 7.485}},
        {"k backward", {}, 0, {{key::K}}, {7.5, 7.5, 7.515}},
        {"l right", {}, 0, {{key::L}}, {7.515, 7.5, 7.5}},
        {"j left", {}, 0, {{key::J}}, {7.485, 7.5, 7.5}},
        {"y up", {}, 0, {{key::Y}}, {7.5, 7.515, 7.5}},
        {"h down", {}, 0, {{key::H}}, {7.5, 7.485, 7.5}},
        {"left turns toward -x", {}, 0, {{key::Left}}, at, {s, 0, c}, {c, 0, -s}},
        {"right turns toward +x", {}, 0, {{key::Right}}, at, {-s, 0, c}, {c, 0, s}},
        {"down raises the view", {}, 0, {{key::Down}}, at, {0, -s, c}},
        {"up lowers the view", {}, 0, {{key::Up}}, at, {0, s, c}},
        {"u banks left", {}, 0, {{key::U}}, at, {0, 0, 1}, {c, s, 0}},
        {"o banks right", {}, 0, {{key::O}}, at, {0, 0, 1}, {c, -s, 0}},
        {"rate stays at 1.0", {key::I}, 40, {{key::I}}, {7.5, 7.5, 7.2}},
        {"rate stays at -1.0", {key::K}, 40, {{key::K}}, {7.5, 7.5, 7.8}},
        {"release damps by 5/6", {key::I}, 30, {{}}, {7.5, 7.5, 7.25}},
        {"both keys cancel, undamped", {key::I}, 10, {{key::I, key::K}}, {7.5, 7.5, 7.35}},
        {"middle adds forward, undamped", {key::I}, 10, {{kMiddle}}, {7.5, 7.5, 7.335}},
        {"middle and k cancel", {key::I}, 10, {{key::K, kMiddle}}, {7.5, 7.5, 7.35}},
        {"moves before turning", {key::K}, 20, {{key::K}, 300}, {7.5, 7.5, 7.8}, yawed, yawedRight},
    };
    // The mouse from rest in a 15 ms frame, and at full rates in a 0 ms frame: the rates
    // then move nothing, so both give the same pose.
    const Row mouseRows[] = {
        {"mouse right turns right", {}, 0, {{}, 300, 0}, at, yawed, yawedRight},
        {"mouse away raises the view", {}, 0, {{}, 0, -300}, at, {0, -s1, c1}},
        {"right button pans", {}, 0, {{kRight}, 30, -60}, {7.6, 7.7, 7.5}},
        {"left button rolls", {}, 0, {{kLeft}, 30, -60}, at, {0, 0, 1}, {cos(.1), -sin(.1), 0}},
        {"both buttons: no mouse", {}, 0, {{kLeft, kRight}, 30, -60}, at},
    };
    for (Row row : mouseRows) {
        rows.push_back(row);
        row.held = {key::I, key::L, key::Y, key::Left, key::Down, key::U};
        row.heldFrames = 20;
        row.frame.ms = 0;
        rows.push_back(row);
    }

    const auto maze = MakeMaze(11, 7);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule + std::string(row.frame.ms ? "" : ", 0 ms"));
        Player player(*maze, Pose());
        Apply({row.held, 0, 0, 0});
        for (int i = 0; i < row.heldFrames; ++i) {
            player.update();
        }
        Apply(row.frame);
        player.update();
        EXPECT_TRUE(Near(player.pose().position(), row.position, 1e-12));
        EXPECT_TRUE(Near(player.pose().back(), row.back, 1e-12));
        EXPECT_TRUE(Near(player.pose().right(), row.right, 1e-12));
    }
}

// The box stops 1.2 short of a wall face, creeping up to within a 1024th of a full-rate step;
// a move blocked on one axis goes the full way on the free ones. The exit is strictly inside
// half a cell.
TEST(Controls, WallsStopTheBoxShortAndLetItSlideAndTheExitIsStrict) {
    const auto maze = MakeMaze(5, 3);
    Player player(*maze, Pose());
    Apply({{key::J}});  // toward the border at x = 5
    for (int i = 0; i < 100; ++i) {
        player.update();
    }
    const Vec3 stopped = player.pose().position();
    EXPECT_TRUE(Near(stopped, {6.2 + 1.5e-4, 7.5, 7.5}, 1.5e-4 + 1e-12));
    player.moveWithCollision({-1, 0.5, -0.5});
    EXPECT_TRUE(Near(player.pose().position(), {stopped.x, 8.0, 7.0}, 1e-3));

    const Vec3 exit = maze->exitPoint();
    EXPECT_TRUE(ReachesExit(*maze, exit - Vec3(2.4999, 0, 0)));
    EXPECT_FALSE(ReachesExit(*maze, exit - Vec3(2.5, 0, 0)));
    EXPECT_FALSE(ReachesExit(*maze, exit + Vec3(0, 0, 2.5)));
}

using Cell = std::array<int, 3>;

Cell CellOf(const Vec3& p) { return {int(p.x / 5), int(p.y / 5), int(p.z / 5)}; }

// Largest deviation from a right-handed orthonormal frame (a unit back made from unit right
// and up as their cross product makes them perpendicular).
double FrameError(const Pose& p) {
    return std::max({std::abs(length(p.right()) - 1), std::abs(length(p.up()) - 1),
                     std::abs(length(p.back()) - 1), length(cross(p.right(), p.up()) - p.back())});
}

// Within a frame the position moves monotonically on each axis and only rests in open cells,
// so its end cell must be reachable from its start cell by a monotone staircase of open cells.
bool ReachableWithoutShortcut(const Maze& maze, const Cell& from, const Cell& to) {
    if (maze.isWall(from[0], from[1], from[2])) {
        return false;
    }
    for (int a = 0; a < 3; ++a) {
        Cell next = from;
        next[a] += to[a] > from[a] ? 1 : -1;
        if (from[a] != to[a] && ReachableWithoutShortcut(maze, next, to)) {
            return true;
        }
    }
    return from == to;
}

// Keys and buttons toggle now and then so that rates build up; mouse motion and frame times
// are mostly ordinary, with tails up to the full 16-bit motion and far past the frame cap,
// and now and then absurd ones.
void RandomInput(std::mt19937& random) {
    const auto chance = [&](double p) { return std::bernoulli_distribution(p)(random); };
    const auto upTo = [&](int high) { return std::uniform_int_distribution<>(0, high)(random); };
    for (int k : {key::I, key::K, key::L, key::J, key::Y, key::H, key::Up, key::Down, key::Right,
                  key::Left, key::U, key::O, kLeft, kMiddle, kRight}) {
        (k < 0 ? inputState.buttons[-k] : inputState.keys[k]) ^= chance(0.07);
    }
    const int huge = std::numeric_limits<int>::max();
    const int mouse = chance(0.5) ? 0 : chance(0.8) ? 300 : chance(0.95) ? 32767 : huge;
    inputState.mouseDX = upTo(mouse) - upTo(mouse);
    inputState.mouseDY = upTo(mouse) - upTo(mouse);
    const int ms = chance(0.1) ? (chance(0.95) ? 5000 : huge) : chance(0.3) ? 100 : 40;
    videoState.lastSwapMs = upTo(ms);
}

TEST(Flight, RandomHostileInputNeverEntersNorCrossesAWallAndKeepsTheFrame) {
    std::mt19937 random(2024);
    for (int size : {5, 11, 21, 39}) {
        const auto maze = MakeMaze(size, 100 + size);
        // The start frame is off unit length, as drift would leave it: frames restore it.
        Player player(*maze, Pose({}, {1 + 1e-6, 0, 0}, {0, 1 - 1e-6, 0}, {0, 0, 1}));
        for (int frame = 0; frame < 10000; ++frame) {
            const Cell before = CellOf(player.pose().position());
            RandomInput(random);
            player.update();
            const Vec3 p = player.pose().position();
            ASSERT_TRUE(!player.touchesWall() && FrameError(player.pose()) < 1e-9 &&
                        ReachableWithoutShortcut(*maze, before, CellOf(p)))
                << "size " << size << " frame " << frame << " at " << p.x << ", " << p.y << ", "
                << p.z << " after " << videoState.lastSwapMs << " ms";
        }
    }
}

}  // namespace
