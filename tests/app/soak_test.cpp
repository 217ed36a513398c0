// Thirty-six mazes in a row, every size twice, chosen through the menu in the real game under
// the sanitizers: no finding, memory flat, no texture names piling up, and Quit at the end.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "harness/game_process.h"
#include "harness/input_script.h"
#include "platform/keys.h"
#include "tests/app/sdl_library.h"
#include "tests/support/display.h"

namespace {

long ResidentKb(int pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string word;
    long kb = 0;
    while (status >> word && word != "VmRSS:") {
    }
    status >> kb;
    return kb;
}

class Soak : public OnEachSdl {};

TEST_P(Soak, EverySizeTwiceThroughTheMenu) {
    const TempDir files;
    const std::string logPath = files.file("log");
    InputScript script;
    long frame = script.tap(3, key::Escape);  // the menu is open at start
    long secondRound = 0;
    for (int i = 0; i < 36; ++i) {
        secondRound = i == 18 ? frame : secondRound;
        frame = ChooseSizeThroughMenu(script, frame, 5 + 2 * (i % 18)) + 2;
    }
    const long framesInAll = ChooseQuitThroughMenu(script, frame);
    script.write(files.file("script"));
    // A small quarantine, so that freed memory held back for use-after-free checks does not
    // read as growth.
    GameProcess game(
        TestDisplay(),
        GameOptions{{},
                    {"ORRINDEL_FRAME_MS=15", "ORRINDEL_INPUT_SCRIPT=" + files.file("script"),
                     "ORRINDEL_SHIM_LOG=" + logPath,
                     "ASAN_OPTIONS=quarantine_size_mb=4:intercept_tls_get_addr=0"},
                    GetParam()});
    // The resident peak over the first round of sizes, and over the second until Quit (the
    // leak check at exit takes memory of its own).
    long peak[2] = {0, 0};
    while (game.running()) {
        const std::vector<SwapRecord> log = ReadSwapLog(logPath);
        const long kb = ResidentKb(game.pid());
        if (!log.empty() && log.back().swap < framesInAll) {
            long& round = peak[log.back().swap >= secondRound ? 1 : 0];
            round = std::max(round, kb);
        }
        SleepMs(200);
    }
    EXPECT_EQ(game.waitExit(60000), 0) << game.stderrText();
    EXPECT_EQ(game.stderrText().find("Sanitizer"), std::string::npos) << game.stderrText();
    EXPECT_EQ(game.stderrText().find("runtime error"), std::string::npos) << game.stderrText();
    const std::vector<SwapRecord> log = ReadSwapLog(logPath);
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back().swap, framesInAll) << "Quit must end the game without another frame";
    EXPECT_EQ(log.front().liveTextures, log.back().liveTextures) << "texture names piled up";
    std::printf("soak: resident peak %ld KB in the first round, %ld KB in the second\n", peak[0],
                peak[1]);
    EXPECT_GT(peak[0], 0);
    EXPECT_LT(peak[1] - peak[0], 4096) << "resident memory kept growing";
}

ORR_ON_EACH_SDL(Soak);

}  // namespace
