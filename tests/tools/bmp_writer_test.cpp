#include "tools/bmp/bmp_writer.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "tests/tools/bmp_test_util.h"

namespace {

RgbImage Pattern(int w, int h) {
    RgbImage image(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            uint8_t* p = image.at(x, y);
            p[0] = static_cast<uint8_t>(x * 37 + y * 11);
            p[1] = static_cast<uint8_t>(x * 5 + y * 71 + 3);
            p[2] = static_cast<uint8_t>(x * y + 200);
        }
    }
    return image;
}

std::string TempPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() /
            ("orr_bmp_" + std::to_string(getpid()) + "_" + name))
        .string();
}

}  // namespace

// Widths 1..7 cover every row padding (0..3 bytes); SDL must read back exactly what was written,
// top row first, red stays red.
TEST(BmpWriter, SdlReadsBackEveryPixelForAllPaddings) {
    for (int w = 1; w <= 7; ++w) {
        for (int h : {1, 3, 4}) {
            const RgbImage image = Pattern(w, h);
            const std::string path = TempPath("rt.bmp");
            ASSERT_TRUE(WriteBmp(path, image));
            SurfacePtr surface = LoadBmpFile(path);
            std::filesystem::remove(path);
            ASSERT_NE(surface, nullptr) << SDL_GetError() << " for " << w << "x" << h;
            ASSERT_EQ(surface->w, w);
            ASSERT_EQ(surface->h, h);
            EXPECT_EQ(surface->format->BitsPerPixel, 24);
            EXPECT_EQ(SurfaceToImage(surface.get()).rgb, image.rgb) << w << "x" << h;
        }
    }
}

TEST(BmpWriter, FileSizeMatchesPaddedRows) {
    // 5 pixels = 15 bytes, padded to 16; 54 bytes of headers.
    EXPECT_EQ(EncodeBmp(Pattern(5, 3)).size(), 54u + 16u * 3u);
    EXPECT_EQ(EncodeBmp(Pattern(4, 2)).size(), 54u + 12u * 2u);
}

TEST(BmpWriter, ReportsAFileThatCannotBeCreated) {
    EXPECT_FALSE(WriteBmp("/nonexistent-dir/x.bmp", Pattern(2, 2)));
}
