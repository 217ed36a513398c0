// The real binary on both SDL libraries as players, modders and packagers meet it: missing,
// broken and hostile image files, no display, quit signals at play and while loading.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>

#include "harness/game_process.h"
#include "tests/app/sdl_library.h"
#include "tests/support/display.h"
#include "tools/bmp/bmp_encoder.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;
using enum BmpCompression;

// A 4 x 4 two-colour picture (every depth holds it) with its size fields replaced, cut to its
// first `keep` bytes when that is given.
Bytes Bmp(int bits, BmpCompression compression, std::uint32_t w, std::uint32_t h, int keep = 0) {
    const auto colour = [](int x, int) { return BmpColour{std::uint8_t(x % 2 * 255), 9, 4}; };
    Bytes b = EncodeBmp(MakeBmpPicture(4, 4, colour), {bits, BmpHeader::Info, compression});
    for (int k = 0; k < 4; ++k) {
        b[kBmpWidthField + k] = static_cast<std::uint8_t>(w >> (8 * k));
        b[kBmpHeightField + k] = static_cast<std::uint8_t>(h >> (8 * k));
    }
    b.resize(keep > 0 ? keep : b.size());
    return b;
}

Bytes Text(std::string_view text) { return Bytes(text.begin(), text.end()); }

// One file of the game's textures folder replaced: by bytes with an apparent size (the rest a
// hole of zeros), or by nothing, a FIFO, a directory, a dangling symbolic link.
enum Kind { Write, Remove, Fifo, Directory, Dangling };
struct Change {
    const char* file;
    Kind kind;
    Bytes bytes = {};
    std::uintmax_t size = 0;
};

struct Case {
    const char* name;
    std::vector<Change> changes;
    const char* named;     // the file the message names with status 255; nullptr: the game runs
    int signal = SIGTERM;  // that ends the running game
};

const Case kCases[] = {
    {"NoFont", {{"font.bmp", Remove}}, "font.bmp"},
    {"FontOfNoBytes", {{"font.bmp", Write}}, "font.bmp"},
    {"FontNoImage", {{"font.bmp", Write, Text("GIF89a, no bitmap")}}, "font.bmp"},
    {"FontIsPng", {{"font.bmp", Write, Text("\x89PNG\r\n\x1a\n\0\0\0\rIHDR")}}, "font.bmp"},
    {"FontIsDirectory", {{"font.bmp", Directory}}, "font.bmp"},
    {"FontIsFifo", {{"font.bmp", Fifo}}, "font.bmp"},
    {"FontIsDanglingLink", {{"font.bmp", Dangling}}, "font.bmp"},
    {"HeaderOf2Bytes", {{"t1.bmp", Write, Bmp(24, None, 4, 4, 2)}}, "t1.bmp"},
    {"HeaderOf14Bytes", {{"t2.bmp", Write, Bmp(24, None, 4, 4, 14)}}, "t2.bmp"},
    {"HeaderOf30Bytes", {{"u1.bmp", Write, Bmp(24, None, 4, 4, 30)}}, "u1.bmp"},
    {"BrokenWall", {{"t2.bmp", Write, Text("BM but not really")}}, "t2.bmp"},
    {"Header65535Square", {{"t2.bmp", Write, Bmp(24, None, 65535, 65535)}}, "t2.bmp"},
    // 67 MB of 1-bit pixels that would take over 2 GiB at 32 bits.
    {"Over2GiBConverted", {{"t1.bmp", Write, Bmp(1, None, 16383, 32800), 67174462}}, "t1.bmp"},
    {"RleOfAbsurdSize", {{"u1.bmp", Write, Bmp(8, Rle8, 16383, 32800), 1080}}, "u1.bmp"},
    {"RleFarBeyondItsData", {{"u2.bmp", Write, Bmp(8, Rle8, 16383, 16384), 1080}}, "u2.bmp"},
    {"PalettePastTheEnd", {{"t3.bmp", Write, Bmp(8, None, 4, 4, 14 + 40 + 4)}}, "t3.bmp"},
    {"NoWallTexture", {{"t1.bmp", Remove}, {"u1.bmp", Remove}}, "t1.bmp"},
    // A wall texture that is no regular file ends its family, as a missing one does.
    {"WallDirectory", {{"t1.bmp", Directory}}, nullptr},
    {"WallFifo", {{"u2.bmp", Fifo}}, nullptr, SIGINT},
    {"WallDanglingLink", {{"t3.bmp", Dangling}}, nullptr},
    {"WallLargeButSound", {{"t2.bmp", Write, Bmp(24, None, 2048, 1024), 6291510}}, nullptr, SIGINT},
};

// A copy of the game's textures with changes, to run the game from.
class GameFolder {
  public:
    explicit GameFolder(const std::vector<Change>& changes) {
        char pattern[] = "/tmp/orrindel-folder-XXXXXX";
        path_ = mkdtemp(pattern);
        fs::copy(fs::path(BuildDir()) / "textures", path_ / "textures");
        for (const Change& c : changes) {
            const fs::path file = path_ / "textures" / c.file;
            fs::remove(file);
            if (c.kind == Write) {
                std::ofstream(file, std::ios::binary)
                    .write(reinterpret_cast<const char*>(c.bytes.data()), std::ssize(c.bytes));
                fs::resize_file(file, std::max<std::uintmax_t>(c.size, c.bytes.size()));
            } else if (c.kind == Fifo) {
                mkfifo(file.c_str(), 0644);
            } else if (c.kind == Directory) {
                fs::create_directory(file);
            } else if (c.kind == Dangling) {
                fs::create_symlink(path_ / "nowhere.bmp", file);
            }
        }
    }
    ~GameFolder() { fs::remove_all(path_); }
    std::string path() const { return path_.string(); }

  private:
    fs::path path_;
};

// A clean failure takes well under a second, even with three runs sharing two cores; 2 s is
// far from the minutes, gigabytes or endless waits of the faults. Bounds time the game, not
// the leak scan.
const std::vector<std::string> kNoLeakScan = {
    "ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:intercept_tls_get_addr=0"};
class Startup : public testing::TestWithParam<std::tuple<Case, bool>> {};

TEST_P(Startup, EndsWithTheMessageOrRunsAndStopsOnASignal) {
    const auto& [c, compat] = GetParam();
    GameFolder folder(c.changes);
    GameProcess game(TestDisplay(), GameOptions{folder.path(), kNoLeakScan, compat});
    if (c.named != nullptr) {
        EXPECT_EQ(game.waitExit(2000), 255);
        EXPECT_EQ(game.stdoutText(), "Erreur : Le fichier ./textures/" + std::string(c.named) +
                                         " requis n'existe pas !!\n");
    } else {
        ASSERT_TRUE(WaitForPicture(game, 30000)) << game.stderrText();
        game.signal(c.signal);
        EXPECT_EQ(game.waitExit(1000), 0) << "signal " << c.signal;
    }
    EXPECT_EQ(game.stderrText().find("Sanitizer"), std::string::npos) << game.stderrText();
}

// A large valid texture keeps the game loading for seconds; the signal does not wait for it.
class Stop : public OnBothSdl {};
long BytesRead(int pid) {
    std::ifstream io("/proc/" + std::to_string(pid) + "/io");
    std::string key;
    long value = 0;
    while (io >> key >> value && key != "rchar:") {
    }
    return value;
}

TEST_P(Stop, TerminateWhileLoadingEndsAtOnce) {
    GameFolder folder({{"t1.bmp", Write, Bmp(24, None, 4096, 4096), 4096 * 4096 * 3 + 54}});
    GameProcess game(TestDisplay(), GameOptions{folder.path(), kNoLeakScan, GetParam()});
    // Once SDL has read the file, the conversion and the mipmaps take seconds more.
    for (int waited = 0; waited < 20000 && BytesRead(game.pid()) < 4096 * 4096 * 3; waited += 5) {
        SleepMs(5);
    }
    ASSERT_TRUE(game.running());
    game.signal(SIGTERM);
    EXPECT_EQ(game.waitExit(1000), 0);
}

TEST_P(Stop, NoDisplayIsReportedWithStatus1) {
    GameProcess game("", GameOptions{{}, {}, GetParam()});
    EXPECT_EQ(game.waitExit(5000), 1);
    EXPECT_NE(game.stderrText().find("Orrindel: no display to open the game's window on\n"),
              std::string::npos)
        << game.stderrText();
}

INSTANTIATE_TEST_SUITE_P(Sdl, Startup, testing::Combine(testing::ValuesIn(kCases), testing::Bool()),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    SdlLibraryName({std::get<1>(info.param), 0});
                         });
ORR_ON_BOTH_SDL(Stop);

}  // namespace
