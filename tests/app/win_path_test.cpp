// Winning the real game: the test knows the maze the game builds (the shim fixes the clock
// that seeds it), flies a shadow player through it with the autopilot, and replays the
// pilot's key presses into the game's own event queue, frame by frame. The game runs its
// real loop; only the arrival at the exit tells that the replay matched.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "harness/game_process.h"
#include "harness/input_script.h"
#include "maze/maze.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/video.h"
#include "player/player.h"
#include "tests/app/screen.h"
#include "tests/app/sdl_library.h"
#include "tests/player/autopilot.h"
#include "tests/support/display.h"

namespace {

constexpr long kSeed = 1234567;
constexpr int kFrameMs = 15;

// The texture set the game loads from the build's textures/ folder: only the counts
// matter for the random draws.
TextureSet BuildTextureSet() {
    TextureSet set;
    auto count = [](char family) {
        int n = 0;
        while (std::filesystem::exists(BuildDir() + "/textures/" + family + std::to_string(n + 1) +
                                       ".bmp")) {
            ++n;
        }
        return n;
    };
    const int tinted = count('t');
    const int untinted = count('u');
    for (int i = 0; i < tinted + untinted; ++i) {
        set.textures.push_back(static_cast<TextureId>(i + 1));
    }
    set.tintedCount = tinted;
    return set;
}

// Flies a shadow player from the maze's start to its exit, one update per frame from
// firstFrame on, and writes the pilot's key changes into the script. Returns the frame in
// which the exit is reached, or -1 when the budget runs out.
long FlyToExit(const Maze& maze, InputScript& script, long firstFrame) {
    Player player(maze, Pose());
    Autopilot pilot(maze);
    std::set<int> held;
    for (long frame = firstFrame; frame < firstFrame + 20000; ++frame) {
        const PilotInput input = pilot.decide(player.pose(), kFrameMs);
        const std::set<int> wanted(input.keys.begin(), input.keys.end());
        for (int sym : held) {
            if (!wanted.count(sym)) {
                script.up(frame, sym);
            }
        }
        for (int sym : wanted) {
            if (!held.count(sym)) {
                script.down(frame, sym);
            }
        }
        if (input.mouseDX != 0 || input.mouseDY != 0) {
            script.motion(frame, input.mouseDX, input.mouseDY);
        }
        held = wanted;
        ApplyPilotInput(input);
        videoState.lastSwapMs = kFrameMs;
        if (player.update()) {
            // Let go of everything while the end screen waits for Return.
            for (int sym : held) {
                script.up(frame + 1, sym);
            }
            return frame;
        }
    }
    return -1;
}

bool EndScreenShown(const std::vector<std::uint8_t>& shot) {
    // "Hit Enter" above "Congratulations !!!!", both yellow, 40 units wide.
    return CountInk(shot, Ink::Yellow, Box{110, 228, 690, 300}) > 2000 &&
           CountInk(shot, Ink::Yellow, Box{110, 372, 690, 445}) > 2000;
}

long WaitForSwaps(const std::string& log, long count, GameProcess& game, int timeoutMs) {
    long seen = 0;
    for (int waited = 0; waited < timeoutMs && game.running(); waited += 100) {
        const std::vector<SwapRecord> records = ReadSwapLog(log);
        seen = records.empty() ? 0 : records.back().swap;
        if (seen >= count) {
            break;
        }
        SleepMs(100);
    }
    return seen;
}

class WinPath : public OnBothSdl {};

TEST_P(WinPath, ReachTheExitSeeTheEndScreenThenPlayAFiveMaze) {
    const TextureSet textures = BuildTextureSet();
    ASSERT_GT(textures.textures.size(), 0u);

    // The game: srand(time) with the faked time, then the 11-maze, before any frame.
    std::srand(static_cast<unsigned>(kSeed));
    const Maze first(11, 11, 11, textures);
    InputScript script;
    const long openMenuFrames = 3;
    script.tap(openMenuFrames, key::Escape);  // close the menu; play starts in that frame
    const long firstWin = FlyToExit(first, script, openMenuFrames);
    ASSERT_GT(firstWin, 0) << "the pilot did not reach the exit";

    // One rand() per drawn frame, then the 5-maze after Return. Its first frame runs one
    // update with nothing held; the pilot takes over from the next.
    for (long i = 0; i <= firstWin; ++i) {
        std::rand();
    }
    const Maze second(5, 5, 5, textures);
    const long secondStart = firstWin + 1;
    const long secondWin = FlyToExit(second, script, secondStart + 1);
    ASSERT_GT(secondWin, 0);

    const std::string stem = "/tmp/orrindel-win-" + std::to_string(getpid());
    script.write(stem + ".script");
    GameOptions options;
    options.compatSdl = GetParam();
    options.env = {"ORRINDEL_FAKE_TIME=" + std::to_string(kSeed),
                   "ORRINDEL_FRAME_MS=" + std::to_string(kFrameMs),
                   "ORRINDEL_INPUT_SCRIPT=" + stem + ".script",
                   "ORRINDEL_SHIM_LOG=" + stem + ".log"};
    GameProcess game(TestDisplay(), options);

    // The end screen is the frame after the winning update; then nothing is presented.
    EXPECT_EQ(WaitForSwaps(stem + ".log", firstWin + 1, game, 300000), firstWin + 1)
        << game.stderrText();
    SleepMs(1000);
    EXPECT_EQ(ReadSwapLog(stem + ".log").back().swap, firstWin + 1) << "frames after the win";
    const auto endScreen = game.screenshot();
    EXPECT_TRUE(EndScreenShown(endScreen));
    SaveRgbPng(BuildDir() + "/end-screen.png", endScreen);
    SleepMs(1000);
    EXPECT_EQ(ChangedShare(endScreen, game.screenshot(), kWholeScreen), 0.0)
        << "the end screen must stay, time frozen, until Return";

    // Return, as a player presses it: a 5-maze with the menu closed, which the pilot wins.
    game.tap("Return");
    EXPECT_EQ(WaitForSwaps(stem + ".log", secondWin + 1, game, 300000), secondWin + 1)
        << game.stderrText();
    SleepMs(500);
    EXPECT_TRUE(EndScreenShown(game.screenshot()));
    std::printf("win path: 11-maze won in %ld frames, then the 5-maze in %ld frames\n",
                firstWin - openMenuFrames + 1, secondWin - secondStart);

    game.signal(SIGTERM);
    EXPECT_EQ(game.waitExit(10000), 0);
    std::remove((stem + ".script").c_str());
    std::remove((stem + ".log").c_str());
}

ORR_ON_BOTH_SDL(WinPath);

}  // namespace
