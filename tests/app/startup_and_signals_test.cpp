// The real binary on each SDL library where only the real binary shows it: the fatal message
// and status of an image it cannot load, a quit signal while it loads, and no display. (The
// image cases themselves are checked in-process, in tests/platform.)
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "harness/game_process.h"
#include "harness/temp_dir.h"
#include "tests/app/sdl_library.h"
#include "tests/support/display.h"
#include "tools/bmp/bmp_encoder.h"

namespace fs = std::filesystem;

namespace {

// Long enough for a busy machine under the sanitizers: these waits guard against a hang, they
// time nothing.
constexpr int kHangMs = 60000;
const std::vector<std::string> kNoLeakScan = {
    "ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:intercept_tls_get_addr=0"};

// A copy of the game's textures folder with one file replaced by bytes (the rest of its
// size a hole of zeros), or removed.
class GameFolder {
  public:
    GameFolder(const char* file, const std::vector<std::uint8_t>* bytes, std::uintmax_t size = 0) {
        fs::copy(fs::path(BuildDir()) / "textures", folder_.file("textures"));
        const fs::path path = fs::path(folder_.file("textures")) / file;
        fs::remove(path);
        if (bytes != nullptr) {
            std::ofstream(path, std::ios::binary)
                .write(reinterpret_cast<const char*>(bytes->data()), std::ssize(*bytes));
            fs::resize_file(path, std::max<std::uintmax_t>(size, bytes->size()));
        }
    }
    const std::string& path() const { return folder_.path(); }

  private:
    TempDir folder_;
};

class Startup : public OnEachSdl {};

TEST_P(Startup, AnImageItCannotLoadEndsItWithTheMessageAndStatus255) {
    const std::vector<std::uint8_t> broken = {'B', 'M', ' ', 'b', 'u', 't', ' ', 'n', 'o'};
    for (const auto& [file, bytes] :
         {std::pair{"font.bmp", (decltype(&broken))nullptr}, std::pair{"t2.bmp", &broken}}) {
        GameFolder folder(file, bytes);
        GameProcess game(TestDisplay(), GameOptions{folder.path(), kNoLeakScan, GetParam()});
        EXPECT_EQ(game.waitExit(kHangMs), 255) << file;
        EXPECT_EQ(game.stdoutText(), "Erreur : Le fichier ./textures/" + std::string(file) +
                                         " requis n'existe pas !!\n");
        EXPECT_EQ(game.stderrText().find("Sanitizer"), std::string::npos) << game.stderrText();
    }
}

long BytesRead(int pid) {
    std::ifstream io("/proc/" + std::to_string(pid) + "/io");
    std::string key;
    long value = 0;
    while (io >> key >> value && key != "rchar:") {
    }
    return value;
}

// A large valid texture keeps the game converting and mipmapping for seconds of processor
// time after SDL has read it; the signal must not wait for that. Ending takes 35 to 40 ms of
// processor time here under the sanitizers: the bound is ten times that.
TEST_P(Startup, ASignalWhileLoadingEndsItAtOnce) {
    constexpr double kEndingCpuMs = 400;
    std::vector<std::uint8_t> large = EncodeBmp(MakeBmpPicture(1, 1,
                                                               [](int, int) {
                                                                   return BmpColour{9, 9, 9};
                                                               }),
                                                {});
    for (int k = 0; k < 4; ++k) {
        large[kBmpWidthField + k] = large[kBmpHeightField + k] = k == 1 ? 0x10 : 0;  // 4096
    }
    GameFolder folder("t1.bmp", &large, large.size() + 4096 * 4096 * 3);
    GameProcess game(TestDisplay(), GameOptions{folder.path(), kNoLeakScan, GetParam()});
    for (int waited = 0; waited < kHangMs && BytesRead(game.pid()) < 4096 * 4096 * 3; waited += 5) {
        SleepMs(5);
    }
    ASSERT_TRUE(game.running());
    const double before = game.cpuMs();
    game.signal(SIGTERM);
    EXPECT_EQ(game.waitExit(kHangMs), 0);
    std::printf("ending took %.0f ms of processor time\n", game.cpuMs() - before);
    EXPECT_LT(game.cpuMs() - before, kEndingCpuMs);
}

TEST_P(Startup, NoDisplayIsReportedWithSdlsReasonAndStatus1) {
    GameProcess game("", GameOptions{{}, {}, GetParam()});
    EXPECT_EQ(game.waitExit(kHangMs), 1);
    // SDL may say things of its own first.
    const std::string message = "Orrindel: no display to open the game's window on: ";
    const std::string said = game.stderrText();
    const std::size_t at = said.find(message);
    ASSERT_NE(at, std::string::npos) << said;
    EXPECT_GT(said.find('\n', at), at + message.size() + 2) << "no reason given: " << said;
}

ORR_ON_EACH_SDL(Startup);

}  // namespace
