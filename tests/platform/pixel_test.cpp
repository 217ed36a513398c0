#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "platform/image.h"

namespace {

using SurfacePtr = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

SurfacePtr MakeSurface(int width, int height, int bitsPerPixel) {
    return SurfacePtr(SDL_CreateRGBSurface(0, width, height, bitsPerPixel, 0, 0, 0, 0),
                      &SDL_FreeSurface);
}

TEST(PixelAccessTest, RoundTripsLittleEndianAtEveryPixelSizeWithoutTouchingNeighbours) {
    const std::uint32_t written = 0xA1B2C3D4u;
    for (int bytes = 1; bytes <= 4; ++bytes) {
        SCOPED_TRACE(bytes);
        SurfacePtr s = MakeSurface(5, 3, 8 * bytes);
        ASSERT_TRUE(s);
        ASSERT_EQ(s->format->BytesPerPixel, bytes);
        // Odd positions reach unaligned addresses for 2- and 4-byte pixels (UBSan watches).
        PutPixel(s.get(), 3, 1, written);
        const std::uint64_t kept = written & ((std::uint64_t{1} << (8 * bytes)) - 1);
        EXPECT_EQ(GetPixel(s.get(), 3, 1), kept);
        const auto* memory = static_cast<const std::uint8_t*>(s->pixels) + s->pitch + 3 * bytes;
        for (int k = 0; k < bytes; ++k) {
            EXPECT_EQ(memory[k], (written >> (8 * k)) & 0xFF) << "byte " << k;
        }
        for (const auto& [x, y] : {std::pair{2, 1}, {4, 1}, {3, 0}, {3, 2}}) {
            EXPECT_EQ(GetPixel(s.get(), x, y), 0u) << x << "," << y;
        }
    }
}

TEST(PixelAccessTest, SwapRedBlueExchangesBytesZeroAndTwoOnly) {
    for (int bits : {24, 32}) {
        SCOPED_TRACE(bits);
        SurfacePtr s = MakeSurface(3, 2, bits);
        ASSERT_TRUE(s);
        PutPixel(s.get(), 2, 1, 0x44332211u);
        SwapRedBlue(s.get());
        EXPECT_EQ(GetPixel(s.get(), 2, 1), bits == 32 ? 0x44112233u : 0x112233u);
        EXPECT_EQ(GetPixel(s.get(), 0, 0), 0u);
    }
    // There is no byte 2 below three bytes a pixel: the data must survive.
    SurfacePtr s = MakeSurface(2, 2, 16);
    ASSERT_TRUE(s);
    PutPixel(s.get(), 1, 1, 0xBEEF);
    SwapRedBlue(s.get());
    EXPECT_EQ(GetPixel(s.get(), 1, 1), 0xBEEFu);
}

TEST(ColourKeyTest, OnlyTheExactKeyBecomesTransparent) {
    SurfacePtr s = MakeSurface(5, 1, 32);
    ASSERT_TRUE(s);
    // Bytes in memory are R, G, B, A: pixel value 0xAABBGGRR.
    PutPixel(s.get(), 0, 0, 0x00000000u);  // the key
    PutPixel(s.get(), 1, 0, 0x00010000u);  // (0, 0, 1): one step off in blue
    PutPixel(s.get(), 2, 0, 0xFF000100u);  // (0, 1, 0), fourth byte already 255
    PutPixel(s.get(), 3, 0, 0x7F000000u);  // the key with a stray fourth byte
    PutPixel(s.get(), 4, 0, 0x00FFFFFFu);
    ApplyColourKey(s.get(), 0, 0, 0);
    EXPECT_EQ(GetPixel(s.get(), 0, 0), 0xFF000000u);
    EXPECT_EQ(GetPixel(s.get(), 1, 0), 0x00010000u);
    EXPECT_EQ(GetPixel(s.get(), 2, 0), 0x00000100u);
    EXPECT_EQ(GetPixel(s.get(), 3, 0), 0xFF000000u);
    EXPECT_EQ(GetPixel(s.get(), 4, 0), 0x00FFFFFFu);
}

}  // namespace
