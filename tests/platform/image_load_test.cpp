#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/image.h"
#include "tests/platform/bmp_writer.h"
#include "tests/platform/child_process.h"

namespace {

std::string TempPath(const std::string& name) {
    return testing::TempDir() + "orr_platform_" + std::to_string(getpid()) + "_" + name;
}

// Checks that surface holds R, G, B, 0 in memory for every pixel of expected, with colour
// components compared through expand (identity except for 16-bit files).
template <typename Expand>
void ExpectOpenGlOrder(SDL_Surface* surface, const BmpImage& expected, Expand expand) {
    ASSERT_NE(surface, nullptr);
    ASSERT_EQ(surface->format->BitsPerPixel, 32);
    ASSERT_EQ(surface->w, expected.width);
    ASSERT_EQ(surface->h, expected.height);
    for (int y = 0; y < expected.height; ++y) {
        for (int x = 0; x < expected.width; ++x) {
            const std::uint8_t* p =
                static_cast<const std::uint8_t*>(surface->pixels) + y * surface->pitch + 4 * x;
            const BmpColour c = expected.at(x, y);
            EXPECT_TRUE(expand(c.r, p[0])) << "red at " << x << "," << y << ": " << int(p[0]);
            EXPECT_TRUE(expand(c.g, p[1])) << "green at " << x << "," << y << ": " << int(p[1]);
            EXPECT_TRUE(expand(c.b, p[2])) << "blue at " << x << "," << y << ": " << int(p[2]);
            EXPECT_EQ(p[3], 0) << "fourth byte at " << x << "," << y;
        }
    }
}

bool Exact(std::uint8_t want, std::uint8_t got) {
    return want == got;
}

// Five bits widened to eight: SDL versions differ in how they fill the low bits.
bool FromFiveBits(std::uint8_t want, std::uint8_t got) {
    return (got >> 3) == (want >> 3);
}

TEST(LoadImageTest, EveryBmpDepthGivesRedGreenBlueZero) {
    // Three columns leave row padding at every depth; five rows make the image tall.
    const BmpImage image = TestPattern(3, 5);
    for (int bits : {8, 24, 32}) {
        SCOPED_TRACE(bits);
        const std::string path = TempPath("depth" + std::to_string(bits) + ".bmp");
        WriteBmp(path, image, bits);
        SDL_Surface* surface = LoadImage(path.c_str(), 32);
        ExpectOpenGlOrder(surface, image, Exact);
        SDL_FreeSurface(surface);
    }
    const std::string path = TempPath("depth16.bmp");
    WriteBmp(path, image, 16);
    SDL_Surface* surface = LoadImage(path.c_str(), 32);
    ExpectOpenGlOrder(surface, image, FromFiveBits);
    SDL_FreeSurface(surface);
}

TEST(LoadImageTest, UnusedFourthByteOfA32BitFileDoesNotBecomeAlpha) {
    const BmpImage image = TestPattern(2, 2);
    for (int fourth : {0x80, 0xFF}) {
        const std::string path = TempPath("fourth.bmp");
        WriteBmp(path, image, 32, static_cast<std::uint8_t>(fourth));
        SDL_Surface* surface = LoadImage(path.c_str(), 32);
        ExpectOpenGlOrder(surface, image, Exact);
        SDL_FreeSurface(surface);
    }
}

TEST(LoadImageTest, UnloadableFilesEndTheProgramWithTheMessage) {
    const std::string notBmp = TempPath("not_a_bitmap.bmp");
    std::ofstream(notBmp) << "GIF89a and then some bytes that are no bitmap";
    const std::string truncated = TempPath("truncated.bmp");
    WriteBmp(truncated, TestPattern(4, 4), 24);
    std::filesystem::resize_file(truncated, 30);
    // A path is text, never a format.
    const std::string missing = TempPath("missing 100%s%n.bmp");
    std::remove(missing.c_str());

    for (const std::string& path : {notBmp, truncated, missing}) {
        SCOPED_TRACE(path);
        const ChildResult result = RunInChild([&path] { LoadImage(path.c_str(), 32); });
        EXPECT_EQ(result.exitStatus, 255);
        EXPECT_EQ(result.out, "Erreur : Le fichier " + path + " requis n'existe pas !!\n");
    }
}

}  // namespace
