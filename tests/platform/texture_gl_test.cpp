// Image files the game must refuse, and the frame time; on the private X server.
#include <SDL.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "harness/temp_dir.h"
#include "platform/image.h"
#include "platform/video.h"
#include "tests/support/display.h"
#include "tools/bmp/bmp_encoder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// A 4 x 4 two-colour picture (every depth holds it) with its size fields replaced, cut to its
// first `keep` bytes when that is given.
Bytes Bmp(int bits, BmpCompression compression, std::uint32_t w, std::uint32_t h, int keep = 0) {
    const auto colour = [](int x, int) { return BmpColour{std::uint8_t(x % 2 * 255), 9, 4}; };
    Bytes b = EncodeBmp(MakeBmpPicture(4, 4, colour), {bits, compression});
    for (int k = 0; k < 4; ++k) {
        b[kBmpWidthField + k] = static_cast<std::uint8_t>(w >> (8 * k));
        b[kBmpHeightField + k] = static_cast<std::uint8_t>(h >> (8 * k));
    }
    b.resize(keep > 0 ? keep : b.size());
    return b;
}

Bytes Text(std::string_view text) { return Bytes(text.begin(), text.end()); }

// What players, modders and packagers may leave where the game reads an image: nothing, no
// regular file, no BMP, headers that are cut or lie about sizes SDL would allocate or read.
// One sound but large file must still load.
TEST(ImageFilesTest, RefusesAllButSoundBmpFiles) {
    OpenGameWindow();
    using enum BmpCompression;
    enum Kind { Write, Missing, Fifo, Directory, Dangling };
    const struct {
        const char* name;
        Kind kind;
        Bytes bytes = {};
        std::uintmax_t size = 0;  // the rest a hole of zeros
        bool loads = false;
    } cases[] = {
        {"missing", Missing},
        {"no bytes", Write},
        {"not an image", Write, Text("GIF89a, no bitmap")},
        {"a PNG", Write, Text("\x89PNG\r\n\x1a\n\0\0\0\rIHDR")},
        {"a directory", Directory},
        {"a FIFO", Fifo},
        {"a dangling link", Dangling},
        {"2-byte header", Write, Bmp(24, None, 4, 4, 2)},
        {"14-byte header", Write, Bmp(24, None, 4, 4, 14)},
        {"30-byte header", Write, Bmp(24, None, 4, 4, 30)},
        {"BM and no more", Write, Text("BM but not really")},
        {"65535 square", Write, Bmp(24, None, 65535, 65535)},
        // 67 MB of 1-bit pixels that would take over 2 GiB at 32 bits.
        {"over 2 GiB converted", Write, Bmp(1, None, 16383, 32800), 67174462},
        {"RLE of absurd size", Write, Bmp(8, Rle8, 16383, 32800, 1080)},
        {"RLE far beyond its data", Write, Bmp(8, Rle8, 16383, 16384, 1080)},
        {"palette past the end", Write, Bmp(8, None, 4, 4, 14 + 40 + 4)},
        {"large but sound", Write, Bmp(24, None, 2048, 1024), 6291510, true},
    };
    const TempDir dir;
    for (const auto& c : cases) {
        const std::string path = dir.file("image.bmp");
        std::filesystem::remove_all(path);
        if (c.kind == Write) {
            std::ofstream(path, std::ios::binary)
                .write(reinterpret_cast<const char*>(c.bytes.data()), std::ssize(c.bytes));
            std::filesystem::resize_file(path, std::max<std::uintmax_t>(c.size, c.bytes.size()));
        } else if (c.kind == Fifo) {
            mkfifo(path.c_str(), 0644);
        } else if (c.kind == Directory) {
            std::filesystem::create_directory(path);
        } else if (c.kind == Dangling) {
            std::filesystem::create_symlink(dir.file("nowhere.bmp"), path);
        }
        SDL_Surface* image = ReadImage(path.c_str(), 32);
        EXPECT_EQ(image != nullptr, c.loads) << c.name;
        SDL_FreeSurface(image);
    }
}

// A frame lasts from one frame end to the next, the game's own work included, capped.
TEST(VideoTest, FrameTimeRunsBetweenFrameEndsAndIsCapped) {
    OpenGameWindow();
    EndFrame();
    SDL_Delay(40);
    EndFrame();
    EXPECT_GE(LastSwapMs(), 40u);
    SDL_Delay(250);
    EndFrame();
    EXPECT_EQ(LastSwapMs(), kMaxFrameMs);
}

}  // namespace
