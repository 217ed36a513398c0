// A hundred mazes in a row, chosen through the menu, in the real game under the sanitizers:
// no finding, memory flat, no texture names piling up.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "harness/game_process.h"
#include "harness/input_script.h"
#include "platform/keys.h"
#include "tests/app/sdl_library.h"
#include "tests/support/display.h"

namespace {

long ResidentKb(int pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string word;
    while (status >> word) {
        if (word == "VmRSS:") {
            long kb = 0;
            status >> kb;
            return kb;
        }
    }
    return 0;
}

class Soak : public OnBothSdl {};

TEST_P(Soak, HundredMazesThroughTheMenu) {
    const std::string stem = "/tmp/orrindel-soak-" + std::to_string(getpid());
    InputScript script;
    long frame = script.tap(3, key::Escape);  // the menu is open at start
    std::vector<long> mazeStarts;
    for (int i = 0; i < 100; ++i) {
        frame = ChooseSizeThroughMenu(script, frame, 5 + 2 * (i % 18));
        mazeStarts.push_back(frame);
        frame += 2;  // play a couple of frames in it
    }
    const long framesInAll = ChooseQuitThroughMenu(script, frame);
    script.write(stem + ".script");

    GameOptions options;
    options.compatSdl = GetParam();
    options.env = {"ORRINDEL_FRAME_MS=15", "ORRINDEL_INPUT_SCRIPT=" + stem + ".script",
                   "ORRINDEL_SHIM_LOG=" + stem + ".log",
                   // A small quarantine, so that freed memory held back for use-after-free
                   // checks does not read as growth.
                   "ASAN_OPTIONS=quarantine_size_mb=4:detect_leaks=1"};
    GameProcess game(TestDisplay(), options);

    // Resident memory, sampled against the number of frames presented so far.
    std::vector<std::pair<long, long>> samples;
    while (game.running()) {
        const std::vector<SwapRecord> log = ReadSwapLog(stem + ".log");
        if (!log.empty()) {
            samples.emplace_back(log.back().swap, ResidentKb(game.pid()));
        }
        SleepMs(250);
    }
    EXPECT_EQ(game.waitExit(1000), 0) << game.stderrText();
    EXPECT_EQ(game.stderrText().find("Sanitizer"), std::string::npos) << game.stderrText();
    EXPECT_EQ(game.stderrText().find("runtime error"), std::string::npos) << game.stderrText();

    const std::vector<SwapRecord> log = ReadSwapLog(stem + ".log");
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back().swap, framesInAll) << "Quit must end the game without another frame";
    const auto [fewest, most] = std::minmax_element(
        log.begin(), log.end(),
        [](const SwapRecord& a, const SwapRecord& b) { return a.liveTextures < b.liveTextures; });
    EXPECT_EQ(fewest->liveTextures, most->liveTextures) << "texture names grew during play";

    // Flat after the first few mazes: compare the peak before the 20th maze with the peak
    // over the rest of the run.
    long early = 0;
    long late = 0;
    for (const auto& [swap, kb] : samples) {
        (swap < mazeStarts[20] ? early : late) = std::max(swap < mazeStarts[20] ? early : late, kb);
    }
    std::printf("soak: %zu frames, resident %ld KB by maze 20, %ld KB peak after it\n", log.size(),
                early, late);
    EXPECT_GT(early, 0);
    EXPECT_LT(late - early, 16 * 1024) << "resident memory kept growing";

    std::remove((stem + ".script").c_str());
    std::remove((stem + ".log").c_str());
}

ORR_ON_BOTH_SDL(Soak);

}  // namespace
