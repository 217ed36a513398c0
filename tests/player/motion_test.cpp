#include <cmath>

#include <gtest/gtest.h>

#include "platform/input.h"
#include "platform/keys.h"
#include "platform/video.h"
#include "player/player.h"
#include "tests/player/fixture.h"

namespace {

constexpr double kTight = 1e-12;
constexpr double kDamped = 0.8333333333333334;

// Keys in rate order: adding key, subtracting key.
constexpr int kAdd[6] = {key::I, key::L, key::Y, key::Left, key::Down, key::U};
constexpr int kSubtract[6] = {key::K, key::J, key::H, key::Right, key::Up, key::O};

class Motion : public ::testing::Test {
  protected:
    void SetUp() override { ResetInput(); }
    void TearDown() override { ResetInput(); }

    // Runs frames on a player; with a zero time step they change rates but move nothing.
    static void Frames(Player& p, int count) {
        for (int i = 0; i < count; ++i) {
            p.update();
        }
    }
    void Frames(int count) { Frames(player, count); }
    double rate(int i) const { return player.velocity()[i]; }

    std::unique_ptr<Maze> maze = MakeMaze(11, 7);
    Player player{*maze, Pose()};
};

TEST_F(Motion, StartsAtRestAtTheStartWithTheGivenOrientationOnly) {
    Pose start = PoseAt({100, -3, 42});
    start.yaw(0.5);
    const Player placed(*maze, start);
    EXPECT_TRUE(Near(placed.pose().position(), {7.5, 7.5, 7.5}, 0));
    EXPECT_TRUE(Near(placed.pose().back(), start.back(), 0));
    for (double v : placed.velocity()) {
        EXPECT_EQ(v, 0.0);
    }
}

TEST_F(Motion, HoldingAKeyRampsTheRateToExactlyOneInTwentyFramesAndReleaseDamps) {
    videoState.lastSwapMs = 0;
    inputState.keys[key::I] = 1;
    for (int frame = 1; frame <= 19; ++frame) {
        player.update();
        EXPECT_NEAR(rate(0), 0.05 * frame, kTight) << "frame " << frame;
        EXPECT_LT(rate(0), 1.0);
    }
    Frames(6);
    EXPECT_EQ(rate(0), 1.0);

    // At full rate a 15 ms frame advances 0.3 units along the view.
    videoState.lastSwapMs = 15;
    Frames(1);
    EXPECT_TRUE(Near(player.pose().position(), {7.5, 7.5, 7.2}, kTight));

    // Released: geometric decay by 5/6, never snapped to zero.
    videoState.lastSwapMs = 0;
    inputState.keys[key::I] = 0;
    Frames(1);
    EXPECT_EQ(rate(0), kDamped);
    Frames(1);
    EXPECT_EQ(rate(0), 0.6944444444444445);
    Frames(200);
    EXPECT_GT(rate(0), 0.0);
}

// Each pair drives its own rate only, in the labelled direction: one 15 ms frame at rate 0.05
// moves 0.015 units or turns 0.0015 radians.
TEST_F(Motion, EachKeyPairDrivesOnlyItsRateCancelsWhenBothHeldAndClampsAtMinusOne) {
    const double s = std::sin(0.0015), c = std::cos(0.0015);
    const auto position = [](const Pose& p) { return p.position(); };
    const struct {
        Vec3 (*axis)(const Pose&);
        Vec3 expected;
    } firstFrame[6] = {
        {position, {7.5, 7.5, 7.485}},  // forward is -z
        {position, {7.515, 7.5, 7.5}},
        {position, {7.5, 7.515, 7.5}},
        {[](const Pose& p) { return p.back(); }, {s, 0, c}},   // view turns toward -x
        {[](const Pose& p) { return p.up(); }, {0, c, s}},     // view rises
        {[](const Pose& p) { return p.right(); }, {c, s, 0}},  // right side rises
    };
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        ResetInput(15);
        Player p(*maze, Pose());
        inputState.keys[kAdd[i]] = 1;
        Frames(p, 1);
        EXPECT_TRUE(Near(firstFrame[i].axis(p.pose()), firstFrame[i].expected, kTight));
        videoState.lastSwapMs = 0;
        Frames(p, 9);
        inputState.keys[kSubtract[i]] = 1;
        Frames(p, 10);  // both held: no change, and no damping either
        for (int j = 0; j < 6; ++j) {
            EXPECT_NEAR(p.velocity()[j], j == i ? 0.5 : 0.0, kTight) << "rate " << j;
        }
        inputState.keys[kAdd[i]] = 0;
        Frames(p, 40);
        EXPECT_EQ(p.velocity()[i], -1.0);
        inputState.keys[kSubtract[i]] = 0;
        Frames(p, 1);
        EXPECT_EQ(p.velocity()[i], -kDamped);
    }
}

TEST_F(Motion, MiddleButtonIsAForwardKeyThatAlsoStopsItsDamping) {
    videoState.lastSwapMs = 0;
    inputState.buttons[2] = 1;  // SDL button 2, the middle one
    Frames(4);
    EXPECT_NEAR(rate(0), 0.2, kTight);
    EXPECT_EQ(rate(1), 0.0);

    inputState.keys[key::K] = 1;
    Frames(3);
    EXPECT_NEAR(rate(0), 0.2, kTight);

    inputState.keys[key::K] = 0;  // K released, middle still held: no damping
    Frames(1);
    EXPECT_NEAR(rate(0), 0.25, kTight);

    inputState.buttons[2] = 0;
    Frames(1);
    EXPECT_NEAR(rate(0), 0.25 * kDamped, kTight);
}

// 300 pixels are one radian or one unit. Without buttons the mouse turns and pitches, with
// the right button it pans, with the left it rolls, with both it does nothing. Each case runs
// from rest in a 15 ms frame and again at full rates in a frame of 0 ms, which moves only by
// the mouse.
TEST_F(Motion, MouseTurnsPansOrRollsByItsButtons) {
    const double s = std::sin(1.0), c = std::cos(1.0);
    const double s1 = std::sin(0.1), c1 = std::cos(0.1);
    struct Case {
        bool left, right;
        int dx, dy;
        Vec3 position, back, rightAxis;
    };
    const Case cases[] = {
        {false, false, 300, 0, {7.5, 7.5, 7.5}, {-s, 0, c}, {c, 0, s}},   // right turns right
        {false, false, 0, -300, {7.5, 7.5, 7.5}, {0, -s, c}, {1, 0, 0}},  // away raises the view
        {false, true, 30, -60, {7.6, 7.7, 7.5}, {0, 0, 1}, {1, 0, 0}},
        {true, false, 30, -60, {7.5, 7.5, 7.5}, {0, 0, 1}, {c1, -s1, 0}},  // right banks right
        {true, true, 30, -60, {7.5, 7.5, 7.5}, {0, 0, 1}, {1, 0, 0}},
    };
    for (bool fullRates : {false, true}) {
        for (const Case& m : cases) {
            SCOPED_TRACE(::testing::Message()
                         << "dx " << m.dx << " dy " << m.dy << " left " << m.left << " right "
                         << m.right << " full rates " << fullRates);
            ResetInput(0);
            Player p(*maze, Pose());
            if (fullRates) {
                for (int k : kAdd) {
                    inputState.keys[k] = 1;
                }
                Frames(p, 20);
            }
            videoState.lastSwapMs = fullRates ? 0 : 15;
            inputState.buttons[1] = m.left;
            inputState.buttons[3] = m.right;
            inputState.mouseDX = m.dx;
            inputState.mouseDY = m.dy;
            p.update();
            EXPECT_TRUE(Near(p.pose().position(), m.position, kTight));
            EXPECT_TRUE(Near(p.pose().back(), m.back, kTight));
            EXPECT_TRUE(Near(p.pose().right(), m.rightAxis, kTight));
        }
    }
}

TEST_F(Motion, TranslationUsesTheOrientationFromBeforeTheTurn) {
    videoState.lastSwapMs = 0;
    inputState.keys[key::K] = 1;
    Frames(20);
    ASSERT_EQ(rate(0), -1.0);

    // Full backward rate and a one-radian turn in the same 15 ms frame: the step is 0.3
    // along the old back (+z), the turn comes after it.
    videoState.lastSwapMs = 15;
    inputState.mouseDX = 300;
    Frames(1);
    EXPECT_TRUE(Near(player.pose().position(), {7.5, 7.5, 7.8}, kTight));
}

}  // namespace
