#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>

#include "platform/image.h"

namespace {

using SurfacePtr = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

SurfacePtr MakeSurface(int width, int height, int bitsPerPixel) {
    return SurfacePtr(SDL_CreateRGBSurface(0, width, height, bitsPerPixel, 0, 0, 0, 0),
                      &SDL_FreeSurface);
}

std::uint8_t* Bytes(SDL_Surface* s, int x, int y) {
    return static_cast<std::uint8_t*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel;
}

TEST(PixelAccessTest, RoundTripsAtEveryPixelSizeWithoutTouchingNeighbours) {
    struct Case {
        int bits;
        std::uint32_t written;
        std::uint32_t readBack;  // what survives of the value at that size
    };
    for (const Case c : {Case{8, 0xA1B2C3D4u, 0xD4u}, Case{16, 0xA1B2C3D4u, 0xC3D4u},
                         Case{24, 0xA1B2C3D4u, 0xB2C3D4u}, Case{32, 0xA1B2C3D4u, 0xA1B2C3D4u}}) {
        SCOPED_TRACE(c.bits);
        SurfacePtr s = MakeSurface(5, 3, c.bits);
        ASSERT_TRUE(s);
        ASSERT_EQ(s->format->BitsPerPixel, c.bits);
        // Odd positions reach unaligned addresses for 2- and 4-byte pixels (UBSan watches).
        PutPixel(s.get(), 3, 1, c.written);
        EXPECT_EQ(GetPixel(s.get(), 3, 1), c.readBack);
        EXPECT_EQ(GetPixel(s.get(), 2, 1), 0u);
        EXPECT_EQ(GetPixel(s.get(), 4, 1), 0u);
        EXPECT_EQ(GetPixel(s.get(), 3, 0), 0u);
        EXPECT_EQ(GetPixel(s.get(), 3, 2), 0u);
    }
}

TEST(PixelAccessTest, ThreeBytePixelsAreLittleEndianInMemory) {
    SurfacePtr s = MakeSurface(4, 2, 24);
    ASSERT_TRUE(s);
    PutPixel(s.get(), 1, 1, 0x00112233u);
    const std::uint8_t* p = Bytes(s.get(), 1, 1);
    EXPECT_EQ(p[0], 0x33);
    EXPECT_EQ(p[1], 0x22);
    EXPECT_EQ(p[2], 0x11);
    EXPECT_EQ(p[3], 0x00) << "the next pixel is untouched";

    std::uint8_t* q = Bytes(s.get(), 3, 0);
    q[0] = 0x01;
    q[1] = 0x02;
    q[2] = 0x03;
    EXPECT_EQ(GetPixel(s.get(), 3, 0), 0x030201u);
}

TEST(PixelAccessTest, SwapRedBlueExchangesBytesZeroAndTwoOnly) {
    for (int bits : {24, 32}) {
        SCOPED_TRACE(bits);
        SurfacePtr s = MakeSurface(3, 2, bits);
        ASSERT_TRUE(s);
        PutPixel(s.get(), 2, 1, 0x44332211u);
        SwapRedBlue(s.get());
        const std::uint32_t expected = bits == 32 ? 0x44112233u : 0x112233u;
        EXPECT_EQ(GetPixel(s.get(), 2, 1), expected);
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

    ApplyColourKey(s.get(), 0xFF, 0xFF, 0xFF);
    EXPECT_EQ(GetPixel(s.get(), 0, 0), 0x00000000u) << "a new key clears the old one";
    EXPECT_EQ(GetPixel(s.get(), 4, 0), 0xFFFFFFFFu);
}

}  // namespace
