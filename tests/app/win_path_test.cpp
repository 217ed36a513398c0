// Winning the real game. The shim fixes the clock that seeds the game, so the test knows the
// mazes it builds: a shadow player flown by the autopilot finds the key presses that win
// them, and the shim replays those presses into the game's own event queue frame by frame.
// The game runs its real loop; only its arrival at the exit tells that the replay matched.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

#include "harness/game_process.h"
#include "harness/input_script.h"
#include "platform/keys.h"
#include "platform/video.h"
#include "player/player.h"
#include "tests/app/sdl_library.h"
#include "tests/player/autopilot.h"
#include "tests/support/display.h"
#include "tests/support/screen.h"

namespace {

constexpr long kSeed = 1234567;
constexpr int kFrameMs = 15;

// The build's textures/ folder: only the family sizes matter for the random draws.
TextureSet BuildTextureSet() {
    TextureSet set;
    const auto count = [](char family) {
        int n = 0;
        while (std::filesystem::exists(BuildDir() + "/textures/" + family + std::to_string(n + 1) +
                                       ".bmp")) {
            ++n;
        }
        return n;
    };
    set.tintedCount = count('t');
    for (int i = count('u') + set.tintedCount; i > 0; --i) {
        set.textures.push_back(static_cast<TextureId>(i));
    }
    return set;
}

// Flies a shadow player from the start to the exit, one update per frame from firstFrame
// on, and writes the pilot's key changes into the script. Returns the winning frame.
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
            for (int sym : held) {  // let go while the end screen waits
                script.up(frame + 1, sym);
            }
            return frame;
        }
    }
    return -1;
}

// Processor time the process has used, in ms (user and system, all threads).
double CpuMs(int pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string field;
    for (int i = 1; i <= 13; ++i) {
        stat >> field;  // the command name has no spaces: "(orrindel)"
    }
    long user = 0;
    long system = 0;
    stat >> user >> system;
    return (user + system) * 1000.0 / sysconf(_SC_CLK_TCK);
}

bool EndScreenShown(const std::vector<std::uint8_t>& shot) {
    return CountInk(shot, Ink::Yellow, kPromptBox) > 2000 &&
           CountInk(shot, Ink::Yellow, kCongratsBox) > 2000;
}

class WinPath : public OnBothSdl {};

// An 11-maze won from the title screen, the end screen until Return, a 5-maze played with
// the menu closed and won, and Quit from the maze after it.
TEST_P(WinPath, WinEndScreenFiveMazeAndQuit) {
    const TextureSet textures = BuildTextureSet();
    ASSERT_GT(textures.tintedCount, 0);
    std::srand(static_cast<unsigned>(kSeed));
    const Maze first(11, 11, 11, textures);
    InputScript script;
    script.tap(3, key::Escape);  // close the menu: play starts in that frame
    const long firstWin = FlyToExit(first, script, 3);
    ASSERT_GT(firstWin, 0);
    for (long frame = 0; frame <= firstWin; ++frame) {
        std::rand();  // the marker's draw of every frame
    }
    // A new maze polls first after the end screen's swap; the pilot takes over a frame later.
    const Maze second(5, 5, 5, textures);
    const long secondWin = FlyToExit(second, script, firstWin + 2);
    ASSERT_GT(secondWin, 0);
    // Quit from the next maze, well after the real Return's release has arrived: a release in
    // the same poll as the scripted Return would clear its latch.
    const long framesInAll = ChooseQuitThroughMenu(script, secondWin + 100);

    const std::string stem = "/tmp/orrindel-win-" + std::to_string(getpid());
    script.write(stem + ".script");
    GameProcess game(TestDisplay(), GameOptions{{},
                                                {"ORRINDEL_FAKE_TIME=" + std::to_string(kSeed),
                                                 "ORRINDEL_FRAME_MS=" + std::to_string(kFrameMs),
                                                 "ORRINDEL_INPUT_SCRIPT=" + stem + ".script",
                                                 "ORRINDEL_SHIM_LOG=" + stem + ".log"},
                                                GetParam()});
    for (long win : {firstWin, secondWin}) {
        // The end screen is the frame after the winning update; it stays, time frozen, and
        // nothing more is presented until Return.
        EXPECT_EQ(WaitForSwaps(game, stem + ".log", win + 1, 120000).back().swap, win + 1)
            << game.stderrText();
        SleepMs(500);
        const auto endScreen = game.screenshot();
        EXPECT_TRUE(EndScreenShown(endScreen));
        const double cpuBefore = CpuMs(game.pid());
        SleepMs(1000);
        EXPECT_LT(CpuMs(game.pid()) - cpuBefore, 100) << "the end screen keeps a core busy";
        EXPECT_EQ(ReadSwapLog(stem + ".log").back().swap, win + 1);
        EXPECT_EQ(DifferenceBeyondVerticalShift(endScreen, game.screenshot(), kWholeScreen), 0);
        game.tap("Return");
    }
    EXPECT_EQ(game.waitExit(60000), 0) << game.stderrText();
    EXPECT_EQ(ReadSwapLog(stem + ".log").back().swap, framesInAll) << "Quit presents no frame";
    std::remove((stem + ".script").c_str());
    std::remove((stem + ".log").c_str());
}

ORR_ON_BOTH_SDL(WinPath);

}  // namespace
