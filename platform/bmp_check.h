#pragma once

#include <cstddef>
#include <cstdint>

// Screens a BMP file before SDL decodes it, so that a hostile file ends as a broken one
// instead of making SDL allocate gigabytes for a 1 KB header or read past the end.
//
// Sound means: a core (12-byte) or info (40 bytes and more) header that the file holds
// whole; 1, 4, 8, 16, 24 or 32 bits a pixel with a compression SDL may know for that depth;
// width and height from 1 to maxSide (and narrow enough for SDL 1.2's 16-bit row pitch at
// 32 bits); a palette and bit masks inside the file; pixel data the file can hold. RLE data
// is bounded by its densest run, 255 pixels from two bytes.
//
// head is the start of the file (kBmpHeadBytes, or the whole file when it is shorter);
// fileSize is the size of the whole file.
bool BmpIsSound(const std::uint8_t* head, std::size_t headSize, std::uint64_t fileSize,
                int maxSide);

// Where a sound file keeps its pixels, as the check reads it: for a decoder of our own.
struct BmpLayout {
    std::uint64_t dataStart = 0;  // the first row's offset in the file
    std::int64_t width = 0;
    std::int64_t height = 0;  // negative: rows top-down
    std::uint64_t bits = 0;
    std::uint64_t compression = 0;  // 0 none, 1 RLE8, 2 RLE4, 3 bit fields
};

// BmpIsSound, also giving the layout of a sound file.
bool ReadSoundBmp(const std::uint8_t* head, std::size_t headSize, std::uint64_t fileSize,
                  int maxSide, BmpLayout& layout);

// Enough for the largest header SDL reads and the bit masks after a 40-byte one.
constexpr std::size_t kBmpHeadBytes = 14 + 124;
