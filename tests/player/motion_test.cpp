#include <cmath>

#include <gtest/gtest.h>

#include "platform/input.h"
#include "platform/keys.h"
#include "platform/video.h"
#include "player/player.h"
#include "tests/player/fixture.h"

namespace {

constexpr double kTight = 1e-12;

// Keys in rate order: adding key, subtracting key.
constexpr int kAdd[6] = {key::I, key::L, key::Y, key::Left, key::Down, key::U};
constexpr int kSubtract[6] = {key::K, key::J, key::H, key::Right, key::Up, key::O};

class Motion : public ::testing::Test {
  protected:
    void SetUp() override { ResetInput(); }
    void TearDown() override { ResetInput(); }

    // Frames with a zero time step change rates but move nothing.
    void Frames(int count) {
        for (int i = 0; i < count; ++i) {
            player.update();
        }
    }
    double rate(int i) const { return player.velocity()[i]; }

    std::unique_ptr<Maze> maze = MakeMaze(11, 7);
    Player player{*maze, Pose()};
};

TEST_F(Motion, StartsAtRestAtTheStartWithTheGivenOrientationOnly) {
    Pose start = PoseAt({100, -3, 42});
    start.yaw(0.5);
    const Player placed(*maze, start);
    EXPECT_EQ(placed.pose().position().x, 7.5);
    EXPECT_EQ(placed.pose().position().y, 7.5);
    EXPECT_EQ(placed.pose().position().z, 7.5);
    EXPECT_EQ(placed.pose().back().x, start.back().x);
    EXPECT_EQ(placed.pose().right().z, start.right().z);
    for (double v : placed.velocity()) {
        EXPECT_EQ(v, 0.0);
    }
}

TEST_F(Motion, HoldingAKeyRampsTheRateToExactlyOneInTwentyFrames) {
    videoState.lastSwapMs = 0;
    inputState.keys[key::I] = 1;
    for (int frame = 1; frame <= 19; ++frame) {
        player.update();
        EXPECT_NEAR(rate(0), 0.05 * frame, kTight) << "frame " << frame;
        EXPECT_LT(rate(0), 1.0);
    }
    Frames(1);
    EXPECT_EQ(rate(0), 1.0);
    Frames(5);
    EXPECT_EQ(rate(0), 1.0);

    // At full rate a 15 ms frame advances 0.3 units along the view.
    videoState.lastSwapMs = 15;
    Frames(1);
    EXPECT_NEAR(player.pose().position().z, 7.2, kTight);
    EXPECT_EQ(player.pose().position().x, 7.5);
    videoState.lastSwapMs = 0;

    // Released: geometric decay by 5/6, never snapped to zero.
    inputState.keys[key::I] = 0;
    Frames(1);
    EXPECT_EQ(rate(0), 0.8333333333333334);
    Frames(1);
    EXPECT_EQ(rate(0), 0.6944444444444445);
    Frames(200);
    EXPECT_GT(rate(0), 0.0);
}

TEST_F(Motion, EverySubtractingKeyClampsAtMinusOneAndEveryRateDamps) {
    videoState.lastSwapMs = 0;
    for (int i = 0; i < 6; ++i) {
        inputState.keys[kSubtract[i]] = 1;
    }
    Frames(30);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(rate(i), -1.0) << "rate " << i;
        inputState.keys[kSubtract[i]] = 0;
    }
    Frames(1);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(rate(i), -0.8333333333333334) << "rate " << i;
    }
}

TEST_F(Motion, BothKeysOfAPairCancelWithoutDamping) {
    videoState.lastSwapMs = 0;
    for (int i = 0; i < 6; ++i) {
        inputState.keys[kAdd[i]] = 1;
    }
    Frames(10);
    for (int i = 0; i < 6; ++i) {
        inputState.keys[kSubtract[i]] = 1;
    }
    Frames(10);
    for (int i = 0; i < 6; ++i) {
        EXPECT_NEAR(rate(i), 0.5, kTight) << "rate " << i;
    }
}

TEST_F(Motion, MiddleButtonIsAForwardKeyThatAlsoStopsItsDamping) {
    videoState.lastSwapMs = 0;
    inputState.buttons[2] = 1;  // SDL button 2, the middle one
    Frames(4);
    EXPECT_NEAR(rate(0), 0.2, kTight);
    for (int i = 1; i < 6; ++i) {
        EXPECT_EQ(rate(i), 0.0);
    }

    inputState.keys[key::K] = 1;
    Frames(3);
    EXPECT_NEAR(rate(0), 0.2, kTight);

    inputState.keys[key::K] = 0;  // K released, middle still held: no damping
    Frames(1);
    EXPECT_NEAR(rate(0), 0.25, kTight);

    inputState.buttons[2] = 0;
    Frames(1);
    EXPECT_NEAR(rate(0), 0.25 * 0.8333333333333334, kTight);
}

TEST_F(Motion, ZeroTimeStepMovesOnlyByTheMouse) {
    videoState.lastSwapMs = 0;
    for (int i = 0; i < 6; ++i) {
        inputState.keys[kAdd[i]] = 1;
    }
    Frames(25);
    const Pose still = player.pose();
    EXPECT_EQ(still.position().x, 7.5);
    EXPECT_EQ(still.back().z, 1.0);
    EXPECT_EQ(still.right().x, 1.0);

    inputState.mouseDX = 30;
    Frames(1);
    Pose expected = still;
    expected.yaw(-0.1);
    expected.pitch(0);
    expected.orthonormalize(true);
    EXPECT_NEAR(player.pose().back().x, expected.back().x, kTight);
    EXPECT_NEAR(player.pose().back().z, expected.back().z, kTight);
    EXPECT_EQ(player.pose().position().x, 7.5);
}

TEST_F(Motion, KeysTurnTheViewTheWayTheyAreLabelled) {
    const double angle = 0.05 * 0.03;  // one frame of 15 ms at rate 0.05
    inputState.keys[key::Left] = 1;
    Frames(1);
    EXPECT_NEAR(-player.pose().back().x, -std::sin(angle), kTight);  // view toward -x
    inputState.keys[key::Left] = 0;

    Player pitching(*maze, Pose());
    inputState.keys[key::Down] = 1;
    pitching.update();
    EXPECT_NEAR(-pitching.pose().back().y, std::sin(angle), kTight);  // view rises
    inputState.keys[key::Down] = 0;

    Player rolling(*maze, Pose());
    inputState.keys[key::U] = 1;
    rolling.update();
    EXPECT_NEAR(rolling.pose().right().y, std::sin(angle), kTight);  // right rises
}

TEST_F(Motion, ThreeHundredPixelsOfMouseTurnOneRadian) {
    inputState.mouseDX = 300;
    Frames(1);
    const Vec3 view = -player.pose().back();
    EXPECT_NEAR(std::acos(-view.z), 1.0, kTight);
    EXPECT_GT(view.x, 0.0);  // mouse right turns right
    EXPECT_NEAR(view.y, 0.0, kTight);

    Player pitching(*maze, Pose());
    inputState.mouseDX = 0;
    inputState.mouseDY = -300;  // away from the user
    pitching.update();
    EXPECT_NEAR(-pitching.pose().back().y, std::sin(1.0), kTight);
    EXPECT_EQ(pitching.pose().position().y, 7.5);
}

TEST_F(Motion, RightButtonPansLeftButtonRollsBothIgnoreTheMouse) {
    inputState.mouseDX = 30;
    inputState.mouseDY = -60;

    inputState.buttons[3] = 1;  // right
    Frames(1);
    EXPECT_NEAR(player.pose().position().x, 7.6, kTight);
    EXPECT_NEAR(player.pose().position().y, 7.7, kTight);
    EXPECT_EQ(player.pose().position().z, 7.5);
    EXPECT_EQ(player.pose().back().z, 1.0);

    Player rolling(*maze, Pose());
    inputState.buttons[3] = 0;
    inputState.buttons[1] = 1;  // left
    rolling.update();
    EXPECT_NEAR(rolling.pose().right().y, std::sin(-0.1), kTight);  // mouse right banks right
    EXPECT_EQ(rolling.pose().back().z, 1.0);                        // vertical motion ignored
    EXPECT_EQ(rolling.pose().position().x, 7.5);

    Player both(*maze, Pose());
    inputState.buttons[3] = 1;
    both.update();
    EXPECT_EQ(both.pose().position().x, 7.5);
    EXPECT_EQ(both.pose().position().y, 7.5);
    EXPECT_EQ(both.pose().right().x, 1.0);
    EXPECT_EQ(both.pose().back().z, 1.0);
}

TEST_F(Motion, TranslationUsesTheOrientationFromBeforeTheTurn) {
    Player flier(*maze, Pose());
    videoState.lastSwapMs = 0;
    inputState.keys[key::K] = 1;
    for (int i = 0; i < 20; ++i) {
        flier.update();
    }
    ASSERT_EQ(flier.velocity()[0], -1.0);

    // Full backward rate and a one-radian turn in the same 15 ms frame: the step is 0.3
    // along the old back (+z), the turn comes after it.
    videoState.lastSwapMs = 15;
    inputState.mouseDX = 300;
    flier.update();
    EXPECT_NEAR(flier.pose().position().z, 7.8, kTight);
    EXPECT_EQ(flier.pose().position().x, 7.5);
}

}  // namespace
