// The real game binary, on each SDL 1.2 library the system has: won with a player's keys,
// and the fatal message and status of an image it cannot load, a quit signal while it loads,
// and no display. (The image cases themselves are checked in-process, in tests/platform.)
//
// Winning: the shim fixes the clock that seeds the game, so the test knows the mazes it
// builds: a shadow player flown by the autopilot finds the key presses that win them, and the
// shim replays those presses into the game's own event queue frame by frame. The game runs
// its real loop; only its arrival at the exit tells that the replay matched.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>

#include "harness/game_process.h"
#include "harness/input_script.h"
#include "maze/maze.h"
#include "maze/random.h"
#include "maze/texture_files.h"
#include "platform/keys.h"
#include "platform/quit_signal.h"
#include "tests/player/flight.h"
#include "tests/support/display.h"
#include "tools/bmp/bmp_encoder.h"

namespace fs = std::filesystem;

// gtest prints the parameter of a test with this.
inline void PrintTo(const SdlLibrary& library, std::ostream* out) { *out << library.name; }

namespace {

using Game = testing::TestWithParam<SdlLibrary>;

// Long enough for a busy machine under the sanitizers: these waits guard against a hang, they
// time nothing.
constexpr int kHangMs = 60000;
const std::vector<std::string> kNoLeakScan = {
    "ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:intercept_tls_get_addr=0"};

// Fills folder with a copy of the game's textures, one file replaced by bytes (the rest of its
// size a hole of zeros), or removed.
void CopyTextures(const TempDir& folder, const char* file, const std::vector<std::uint8_t>* bytes,
                  std::uintmax_t size = 0) {
    fs::copy(fs::path(BuildDir()) / "textures", folder.file("textures"));
    const fs::path path = fs::path(folder.file("textures")) / file;
    fs::remove(path);
    if (bytes != nullptr) {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes->data()), std::ssize(*bytes));
        fs::resize_file(path, std::max<std::uintmax_t>(size, bytes->size()));
    }
}

TEST_P(Game, AnImageItCannotLoadEndsItWithTheMessageAndStatus255) {
    const std::vector<std::uint8_t> broken = {'B', 'M', ' ', 'b', 'u', 't', ' ', 'n', 'o'};
    for (const auto& [file, bytes] :
         {std::pair{"font.bmp", (decltype(&broken))nullptr}, std::pair{"t2.bmp", &broken}}) {
        const TempDir folder;
        CopyTextures(folder, file, bytes);
        GameProcess game(TestDisplay(), GameOptions{folder.path(), kNoLeakScan, GetParam()});
        EXPECT_EQ(game.waitExit(kHangMs), 255) << file;
        EXPECT_EQ(game.stdoutText(), "Erreur : Le fichier ./textures/" + std::string(file) +
                                         " requis n'existe pas !!\n");
        EXPECT_EQ(game.stderrText().find("Sanitizer"), std::string::npos) << game.stderrText();
    }
}

// A large valid texture keeps the game converting and mipmapping for 2.3 to 2.5 s of processor
// time here under the sanitizers; the signal must not wait for that. Between two of its own
// steps the game ends in 45 to 80 ms. Inside a long library call (the compatibility library's
// reader goes on for 250 ms after the file's last byte) it goes on until the call returns or
// the watcher's grace is over: the bound is that grace and ten times the usual ending.
TEST_P(Game, ASignalWhileLoadingEndsItAtOnce) {
    constexpr double kEndingCpuMs = kQuitGraceMs + 600;
    std::vector<std::uint8_t> large = EncodeBmp(MakeBmpPicture(1, 1,
                                                               [](int, int) {
                                                                   return BmpColour{9, 9, 9};
                                                               }),
                                                {});
    for (int k = 0; k < 4; ++k) {
        large[kBmpWidthField + k] = large[kBmpHeightField + k] = k == 1 ? 0x10 : 0;  // 4096
    }
    const TempDir folder;
    CopyTextures(folder, "t1.bmp", &large, large.size() + 4096 * 4096 * 3);
    GameProcess game(TestDisplay(), GameOptions{folder.path(), kNoLeakScan, GetParam()});
    // Until the game has read the whole file (rchar in /proc/PID/io).
    long read = 0;
    for (int waited = 0; read < 4096 * 4096 * 3 && waited < kHangMs; waited += 5) {
        std::ifstream io("/proc/" + std::to_string(game.pid()) + "/io");
        for (std::string key; io >> key >> read && key != "rchar:";) {
        }
        SleepMs(5);
    }
    ASSERT_TRUE(game.running());
    const double before = game.cpuMs();
    game.signal(SIGTERM);
    EXPECT_EQ(game.waitExit(kHangMs), 0);
    std::printf("ending took %.0f ms of processor time\n", game.cpuMs() - before);
    EXPECT_LT(game.cpuMs() - before, kEndingCpuMs);
}

TEST_P(Game, NoDisplayIsReportedWithSdlsReasonAndStatus1) {
    GameProcess game("", GameOptions{{}, {}, GetParam()});
    EXPECT_EQ(game.waitExit(kHangMs), 1);
    // SDL may say things of its own first.
    const std::string message = "Orrindel: no display to open the game's window on: ";
    const std::string said = game.stderrText();
    const std::size_t at = said.find(message);
    ASSERT_NE(at, std::string::npos) << said;
    EXPECT_GT(said.find('\n', at), at + message.size() + 2) << "no reason given: " << said;
}

constexpr long kSeed = 1234567;
constexpr int kFrameMs = 15;

// Pixels of a pure colour (channels on or off as the bits of rgb say: 4 red, 2 green, 1 blue)
// in a box of an 800x600 frame. Text is drawn unlit and unfogged: its pure colours never
// come from a lit wall.
int CountInk(const std::vector<std::uint8_t>& shot, int rgb, int x0, int y0, int x1, int y1) {
    int count = 0;
    for (int y = y0; y <= y1 && shot.size() == 800u * 600u * 3u; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const std::uint8_t* p = &shot[(y * 800u + x) * 3];
            count += (p[0] >= 240 || p[0] <= 12) && (p[1] >= 240 || p[1] <= 12) &&
                     (p[2] >= 240 || p[2] <= 12) &&
                     (p[0] >> 7) * 4 + (p[1] >> 7) * 2 + (p[2] >> 7) == rgb;
        }
    }
    return count;
}

// "Hit Enter" and "Congratulations !!!!" in yellow.
bool EndScreenShown(const std::vector<std::uint8_t>& shot) {
    return CountInk(shot, 6, 110, 228, 690, 300) > 2000 &&
           CountInk(shot, 6, 110, 372, 690, 445) > 2000;
}

// A frame the play shim dumped (ORRINDEL_DUMP_FRAMES): exactly what was presented.
std::vector<std::uint8_t> DumpedFrame(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int width = 0, height = 0, levels = 0;
    in >> magic >> width >> height >> levels;
    in.get();
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
    in.read(reinterpret_cast<char*>(rgb.data()), std::ssize(rgb));
    return rgb;
}

// The end screen polls every few milliseconds and draws nothing: 10 to 40 ms of processor
// time a second here under the sanitizers; the bound is ten times that. A busy wait or a
// redraw keeps a core busy: a thousand.
constexpr double kEndScreenCpuMsPerSecond = 400;

// A 7-maze chosen through the menu over the opening 11-maze and won, the end screen until
// Return, a 5-maze played and won, and Quit from the maze after it, with the keys a player
// presses.
TEST_P(Game, MenuChoiceWinEndScreenFiveMazeAndQuit) {
    // Only the family sizes of the build's textures matter for the random draws.
    const TextureFileList files = FindTextureFiles(BuildDir() + "/textures/");
    ASSERT_GT(files.tintedCount, 0);
    const TextureSet textures{std::vector<TextureId>(files.paths.size(), 1), files.tintedCount};
    SeedRandom(static_cast<unsigned>(kSeed));
    const Maze opening(11, 11, 11, textures);
    InputScript script;
    // The menu is open at start: close it, then choose through it. Every frame before the new
    // maze draws the marker's colours once.
    const long firstPoll = ChooseSizeThroughMenu(script, script.tap(3, key::Escape), 7);
    for (long frame = 0; frame < firstPoll; ++frame) {
        Random();
    }
    const Maze first(7, 7, 7, textures);
    const long firstWin = FlyToExit(first, script, firstPoll, kFrameMs);
    ASSERT_GT(firstWin, 0);
    for (long frame = firstPoll; frame <= firstWin; ++frame) {
        Random();
    }
    // A new maze polls first after the end screen's swap; the pilot takes over a frame later.
    const Maze second(5, 5, 5, textures);
    const long secondWin = FlyToExit(second, script, firstWin + 2, kFrameMs);
    ASSERT_GT(secondWin, 0);
    const TempDir temp;
    const std::string log = temp.file("log");
    script.write(temp.file("script"));
    GameProcess game(
        TestDisplay(),
        GameOptions{{},
                    {"ORRINDEL_FAKE_TIME=" + std::to_string(kSeed),
                     "ORRINDEL_FRAME_MS=" + std::to_string(kFrameMs),
                     "ORRINDEL_INPUT_SCRIPT=" + temp.file("script"), "ORRINDEL_SHIM_LOG=" + log,
                     "ORRINDEL_DUMP_FRAMES=" + temp.path() + " " + std::to_string(firstWin + 1) +
                         " " + std::to_string(secondWin + 1)},
                    GetParam()});
    for (long win : {firstWin, secondWin}) {
        // The end screen is the frame after the winning update; it stays, time frozen, and
        // nothing more is presented until Return.
        EXPECT_EQ(std::ssize(WaitForSwaps(game, log, win + 1, 120000)), win + 1)
            << game.stderrText();
        EXPECT_TRUE(
            EndScreenShown(DumpedFrame(temp.file("frame-" + std::to_string(win + 1) + ".ppm"))));
        SleepMs(500);
        const double cpuBefore = game.cpuMs();
        SleepMs(1000);
        const double cpu = game.cpuMs() - cpuBefore;
        std::printf("the end screen took %.0f ms of processor time in a second\n", cpu);
        EXPECT_LT(cpu, kEndScreenCpuMsPerSecond) << "the end screen keeps a core busy";
        EXPECT_EQ(std::ssize(ReadSwapLog(log)), win + 1);
        game.tap("Return");
    }
    // Escape opens the menu over the 5-maze after them, at its root page; Down and Return
    // choose Quit: only then does the game end, with status 0.
    game.tap("Escape");
    game.tap("Down");
    game.tap("Return");
    EXPECT_EQ(game.waitExit(60000), 0) << game.stderrText();
}

INSTANTIATE_TEST_SUITE_P(Sdl, Game, testing::ValuesIn(SdlLibraries()),
                         [](const testing::TestParamInfo<SdlLibrary>& info) {
                             return info.param.name;
                         });

}  // namespace
