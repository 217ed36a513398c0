// The real game in a real (virtual) window, driven with real key events as a player would,
// on classic SDL 1.2 and on the SDL2-based compatibility library.
#include <gtest/gtest.h>

#include <csignal>
#include <string>

#include "harness/game_process.h"
#include "tests/app/screen.h"
#include "tests/app/sdl_library.h"
#include "tests/support/display.h"

namespace {

class RealWindow : public OnBothSdl {
  protected:
    GameOptions Options() const {
        GameOptions options;
        options.compatSdl = GetParam();
        return options;
    }
};

bool MenuShown(const std::vector<std::uint8_t>& shot) {
    return CountInk(shot, Ink::Green, kTitleBox) > 300 &&
           CountInk(shot, Ink::Cyan, kCreditBox) > 150 &&
           CountInk(shot, Ink::Red, kMenuLinesBox) > 50 &&
           CountInk(shot, Ink::Yellow, kMenuLinesBox) > 150;
}

bool MenuGone(const std::vector<std::uint8_t>& shot) {
    return CountInk(shot, Ink::Green, kTitleBox) < 20 &&
           CountInk(shot, Ink::Cyan, kCreditBox) < 20 &&
           CountInk(shot, Ink::Red, kMenuLinesBox) < 20;
}

TEST_P(RealWindow, MenuFlightAndQuitAsAPlayerWould) {
    GameProcess game(TestDisplay(), Options());
    ASSERT_TRUE(WaitForPicture(game, 20000)) << game.stderrText();
    SleepMs(500);

    // At start the menu is open over the first maze and the clock runs behind it.
    const auto first = game.screenshot();
    EXPECT_TRUE(MenuShown(first));
    EXPECT_GT(CountInk(first, Ink::Yellow, kTimeBox), 50);
    SleepMs(2200);
    const auto later = game.screenshot();
    EXPECT_GT(ChangedShare(first, later, kTimeBox), 0.0) << "the elapsed time did not move";

    // Escape closes it; holding i flies forward and changes the view.
    game.tap("Escape");
    SleepMs(300);
    const auto idle = game.screenshot();
    EXPECT_TRUE(MenuGone(idle));
    // The player starts facing a wall squarely: the bob slides the picture up and down,
    // flying toward the wall enlarges it.
    const Box middle{200, 200, 600, 400};
    SleepMs(700);
    const double bobOnly = DifferenceBeyondVerticalShift(idle, game.screenshot(), middle, 150);
    game.keyDown("i");
    SleepMs(1500);
    game.keyUp("i");
    SleepMs(300);
    const double flown = DifferenceBeyondVerticalShift(idle, game.screenshot(), middle, 150);
    EXPECT_GT(flown, 3 * bobOnly + 4) << "holding i did not move the view (bob alone: " << bobOnly
                                      << ", after flying: " << flown << ")";

    // Escape reopens the menu at its root page.
    game.tap("Escape");
    SleepMs(300);
    EXPECT_TRUE(MenuShown(game.screenshot()));

    // Choose difficulty -> Easy Levels -> 5x5x5: the menu closes and a new maze is played.
    game.tap("Return");  // "Choose difficulty" is highlighted on the root page
    game.tap("Return");  // "Easy Levels" is the first item of that page
    game.tap("Return");  // "5x5x5"
    SleepMs(800);
    const auto newMaze = game.screenshot();
    EXPECT_TRUE(MenuGone(newMaze));
    EXPECT_TRUE(game.running());

    // Escape, Down to "Quit", Return: the game ends with status 0.
    game.tap("Escape");
    SleepMs(300);
    EXPECT_TRUE(MenuShown(game.screenshot()));
    game.tap("Down");
    game.tap("Return");
    EXPECT_EQ(game.waitExit(10000), 0) << game.stderrText();
}

TEST_P(RealWindow, TermAndInterruptEndTheGameCleanly) {
    for (int sig : {SIGTERM, SIGINT}) {
        GameProcess game(TestDisplay(), Options());
        ASSERT_TRUE(WaitForPicture(game, 20000)) << game.stderrText();
        game.signal(sig);
        EXPECT_EQ(game.waitExit(10000), 0) << "signal " << sig << ": " << game.stderrText();
    }
}

ORR_ON_BOTH_SDL(RealWindow);

}  // namespace
