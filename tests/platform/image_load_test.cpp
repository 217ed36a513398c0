#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>

#include "platform/image.h"
#include "tests/platform/bmp_writer.h"

namespace {

std::string TempPath(const std::string& name) {
    return testing::TempDir() + "orr_platform_" + std::to_string(getpid()) + "_" + name;
}

// Distinct, unsymmetric colours: red, green and blue all differ.
BmpImage TestPattern(int width, int height) {
    return MakeBmpImage(width, height, [](int x, int y) {
        return BmpColour{static_cast<std::uint8_t>(200 - 40 * x),
                         static_cast<std::uint8_t>(16 + 48 * y),
                         static_cast<std::uint8_t>(8 * (x + y) + 1)};
    });
}

// The surface must hold R, G, B, 0 in memory, the order OpenGL reads. Components are compared
// without their lowBits: 16-bit files keep five bits, and SDL versions widen them differently.
void ExpectOpenGlOrder(SDL_Surface* surface, const BmpImage& expected, int lowBits) {
    ASSERT_NE(surface, nullptr);
    ASSERT_EQ(surface->format->BitsPerPixel, 32);
    ASSERT_EQ(surface->w, expected.width);
    ASSERT_EQ(surface->h, expected.height);
    for (int y = 0; y < expected.height; ++y) {
        for (int x = 0; x < expected.width; ++x) {
            const std::uint8_t* p =
                static_cast<const std::uint8_t*>(surface->pixels) + y * surface->pitch + 4 * x;
            const BmpColour c = expected.pixels[y * expected.width + x];
            EXPECT_EQ((std::array{p[0] >> lowBits, p[1] >> lowBits, p[2] >> lowBits, int{p[3]}}),
                      (std::array{c.r >> lowBits, c.g >> lowBits, c.b >> lowBits, 0}))
                << "at " << x << "," << y;
        }
    }
}

TEST(LoadImageTest, EveryBmpDepthGivesRedGreenBlueZero) {
    // Three columns leave row padding at every depth; five rows make the image tall. The unused
    // fourth byte of a 32-bit file must not become alpha.
    const BmpImage image = TestPattern(3, 5);
    for (const auto& [bits, fourthByte] : {std::pair{8, 0}, {16, 0}, {24, 0}, {32, 0xFF}}) {
        SCOPED_TRACE(bits);
        const std::string path = TempPath("depth" + std::to_string(bits) + ".bmp");
        WriteBmp(path, image, bits, static_cast<std::uint8_t>(fourthByte));
        SDL_Surface* surface = LoadImage(path.c_str(), 32);
        ExpectOpenGlOrder(surface, image, bits == 16 ? 3 : 0);
        SDL_FreeSurface(surface);
    }
}

TEST(LoadImageDeathTest, UnloadableFilesEndTheProgramWithTheMessage) {
    const std::string notBmp = TempPath("not_a_bitmap.bmp");
    std::ofstream(notBmp) << "GIF89a and then some bytes that are no bitmap";
    const std::string truncated = TempPath("truncated.bmp");
    WriteBmp(truncated, TestPattern(4, 4), 24);
    std::filesystem::resize_file(truncated, 30);
    // A path is text, never a format.
    const std::string missing = TempPath("missing 100%s%n.bmp");
    std::remove(missing.c_str());

    const std::string printed = TempPath("stdout.txt");
    for (const std::string& path : {notBmp, truncated, missing}) {
        SCOPED_TRACE(path);
        EXPECT_EXIT(
            {
                std::freopen(printed.c_str(), "w", stdout);
                LoadImage(path.c_str(), 32);
            },
            testing::ExitedWithCode(255), "");
        std::ifstream in(printed, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}),
                  "Erreur : Le fichier " + path + " requis n'existe pas !!\n");
    }
}

}  // namespace
