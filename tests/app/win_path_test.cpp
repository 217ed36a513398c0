// Winning the real game. The shim fixes the clock that seeds the game, so the test knows the
// mazes it builds: a shadow player flown by the autopilot finds the key presses that win
// them, and the shim replays those presses into the game's own event queue frame by frame.
// The game runs its real loop; only its arrival at the exit tells that the replay matched.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "harness/game_process.h"
#include "harness/input_script.h"
#include "maze/random.h"
#include "maze/texture_files.h"
#include "platform/keys.h"
#include "platform/video.h"
#include "player/player.h"
#include "tests/app/sdl_library.h"
#include "tests/player/flight.h"
#include "tests/support/display.h"
#include "tests/support/screen.h"

namespace {

constexpr long kSeed = 1234567;
constexpr int kFrameMs = 15;

// The build's textures/ folder: only the family sizes matter for the random draws.
TextureSet BuildTextureSet() {
    const TextureFileList files = FindTextureFiles(BuildDir() + "/textures/");
    return {std::vector<TextureId>(files.paths.size(), 1), files.tintedCount};
}

bool EndScreenShown(const std::vector<std::uint8_t>& shot) {
    return CountInk(shot, Ink::Yellow, kPromptBox) > 2000 &&
           CountInk(shot, Ink::Yellow, kCongratsBox) > 2000;
}

bool MenuShown(const std::vector<std::uint8_t>& shot) {
    return CountInk(shot, Ink::Green, kTitleBox) > 300 &&
           CountInk(shot, Ink::Cyan, kCreditBox) > 150 &&
           CountInk(shot, Ink::Red, kMenuLinesBox) > 50 &&
           CountInk(shot, Ink::Yellow, kMenuLinesBox) > 150;
}

class WinPath : public OnEachSdl {};

// The end screen polls every few milliseconds and draws nothing: 10 to 40 ms of processor
// time a second here under the sanitizers; the bound is ten times that. A busy wait or a
// redraw keeps a core busy: a thousand.
constexpr double kEndScreenCpuMsPerSecond = 400;

// An 11-maze won from the title screen, the end screen until Return, a 5-maze played with
// the menu closed and won, and Quit from the maze after it, with the keys a player presses.
TEST_P(WinPath, WinEndScreenFiveMazeAndQuit) {
    const TextureSet textures = BuildTextureSet();
    ASSERT_GT(textures.tintedCount, 0);
    SeedRandom(static_cast<unsigned>(kSeed));
    const Maze first(11, 11, 11, textures);
    InputScript script;
    script.tap(3, key::Escape);  // close the menu: play starts in that frame
    const long firstWin = FlyToExit(first, script, 3, kFrameMs);
    ASSERT_GT(firstWin, 0);
    for (long frame = 0; frame <= firstWin; ++frame) {
        Random();  // the marker's draw of every frame
    }
    // A new maze polls first after the end screen's swap; the pilot takes over a frame later.
    const Maze second(5, 5, 5, textures);
    const long secondWin = FlyToExit(second, script, firstWin + 2, kFrameMs);
    ASSERT_GT(secondWin, 0);
    const TempDir files;
    const std::string log = files.file("log");
    script.write(files.file("script"));
    GameProcess game(TestDisplay(), GameOptions{{},
                                                {"ORRINDEL_FAKE_TIME=" + std::to_string(kSeed),
                                                 "ORRINDEL_FRAME_MS=" + std::to_string(kFrameMs),
                                                 "ORRINDEL_INPUT_SCRIPT=" + files.file("script"),
                                                 "ORRINDEL_SHIM_LOG=" + log},
                                                GetParam()});
    for (long win : {firstWin, secondWin}) {
        // The end screen is the frame after the winning update; it stays, time frozen, and
        // nothing more is presented until Return.
        EXPECT_EQ(WaitForSwaps(game, log, win + 1, 120000).back().swap, win + 1)
            << game.stderrText();
        SleepMs(500);
        const auto endScreen = game.screenshot();
        EXPECT_TRUE(EndScreenShown(endScreen));
        const double cpuBefore = game.cpuMs();
        SleepMs(1000);
        const double cpu = game.cpuMs() - cpuBefore;
        std::printf("the end screen took %.0f ms of processor time in a second\n", cpu);
        EXPECT_LT(cpu, kEndScreenCpuMsPerSecond) << "the end screen keeps a core busy";
        EXPECT_EQ(ReadSwapLog(log).back().swap, win + 1);
        EXPECT_TRUE(endScreen == game.screenshot());
        game.tap("Return");
    }
    // Escape opens the menu over the 5-maze after them, at its root page; Down and Return
    // choose Quit.
    game.tap("Escape");
    bool shown = false;
    for (int waited = 0; !shown && waited < 60000 && game.running(); waited += 100) {
        shown = MenuShown(game.screenshot());
        SleepMs(100);
    }
    EXPECT_TRUE(shown);
    game.tap("Down");
    game.tap("Return");
    EXPECT_EQ(game.waitExit(60000), 0) << game.stderrText();
}

ORR_ON_EACH_SDL(WinPath);

}  // namespace
