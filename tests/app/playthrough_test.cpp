// The real game in a (virtual) full-screen window, played with real key events as a player
// would, on classic SDL 1.2 and on the SDL2-based compatibility library.
#include <gtest/gtest.h>

#include "harness/game_process.h"
#include "tests/app/sdl_library.h"
#include "tests/support/display.h"
#include "tests/support/screen.h"

namespace {

// Taps paced apart, so that each lands in a frame of its own: frames of a busy machine under
// the sanitizers can take a few hundred milliseconds, and two taps of one key in one poll
// count once.
constexpr int kHoldMs = 400;

bool MenuShown(const std::vector<std::uint8_t>& shot) {
    return CountInk(shot, Ink::Green, kTitleBox) > 300 &&
           CountInk(shot, Ink::Cyan, kCreditBox) > 150 &&
           CountInk(shot, Ink::Red, kMenuLinesBox) > 50 &&
           CountInk(shot, Ink::Yellow, kMenuLinesBox) > 150;
}

bool MenuGone(const std::vector<std::uint8_t>& shot) {
    return CountInk(shot, Ink::Green, kTitleBox) < 20 &&
           CountInk(shot, Ink::Red, kMenuLinesBox) < 20;
}

// Screenshots until one satisfies seen, for a busy machine's sake.
template <typename Seen>
bool Shows(GameProcess& game, Seen seen) {
    for (int waited = 0; waited < 10000 && game.running(); waited += 100) {
        if (seen(game.screenshot())) {
            return true;
        }
        SleepMs(100);
    }
    return false;
}

class Playthrough : public OnEachSdl {};

TEST_P(Playthrough, MenuFlightNewMazeAndQuit) {
    GameProcess game(TestDisplay(), GameOptions{{}, {}, GetParam()});
    ASSERT_TRUE(WaitForPicture(game, 20000)) << game.stderrText();
    SleepMs(500);

    // At start the menu is open over the first maze, and the clock runs behind it.
    const auto first = game.screenshot();
    EXPECT_TRUE(MenuShown(first));
    SleepMs(2200);
    EXPECT_GT(InkDifference(first, game.screenshot(), Ink::Yellow, kTimeBox), 20)
        << "the elapsed time did not move";

    // Escape closes it. The player faces a wall squarely, so the camera bob alone only slides
    // the picture up and down; holding i flies toward the wall and enlarges it.
    game.tap("Escape", kHoldMs);
    ASSERT_TRUE(Shows(game, MenuGone));
    const auto idle = game.screenshot();
    const Box middle{200, 200, 600, 400};
    SleepMs(700);
    const double bobOnly = DifferenceBeyondVerticalShift(idle, game.screenshot(), middle, 150);
    game.keyDown("i");
    SleepMs(1500);
    game.keyUp("i");
    SleepMs(300);
    const double flown = DifferenceBeyondVerticalShift(idle, game.screenshot(), middle, 150);
    EXPECT_GT(flown, 3 * bobOnly + 4) << "bob alone " << bobOnly << ", after flying " << flown;

    // The menu reopens at its root page; Return three times chooses Choose difficulty,
    // Easy Levels and 5x5x5, and the new maze starts with the menu closed.
    game.tap("Escape", kHoldMs);
    ASSERT_TRUE(Shows(game, MenuShown));
    for (int i = 0; i < 3; ++i) {
        game.tap("Return", kHoldMs);
    }
    EXPECT_TRUE(Shows(game, MenuGone));

    // Escape, Down to Quit, Return: the game ends with status 0.
    game.tap("Escape", kHoldMs);
    ASSERT_TRUE(Shows(game, MenuShown));
    game.tap("Down", kHoldMs);
    game.tap("Return", kHoldMs);
    EXPECT_EQ(game.waitExit(10000), 0) << game.stderrText();
}

ORR_ON_EACH_SDL(Playthrough);

}  // namespace
