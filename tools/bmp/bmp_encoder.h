#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// BMP files of every kind SDL reads, written from a picture, independent of SDL's own writer
// (which knows two depths): the art tools' files (the default format), the image fuzzer's
// seed corpus and the loader tests' files.

struct BmpColour {
    std::uint8_t r, g, b;
    bool operator==(const BmpColour&) const = default;
};

struct BmpPicture {
    int width = 0;
    int height = 0;
    std::vector<BmpColour> pixels;  // top row first
};

template <typename ColourAt>  // BmpColour(int x, int y)
BmpPicture MakeBmpPicture(int width, int height, ColourAt colourAt) {
    BmpPicture picture{width, height, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.pixels.push_back(colourAt(x, y));
        }
    }
    return picture;
}

enum class BmpHeader { Core = 12, Info = 40, V4 = 108, V5 = 124 };
enum class BmpCompression { None = 0, Rle8 = 1, Rle4 = 2, BitFields = 3 };

// Depths 1, 4 and 8 carry a palette of the picture's colours (at most 2^depth of them).
// 16 bits: 5-5-5, or 5-6-5 with bit fields. 32 bits with bit fields put red in the low byte,
// the reverse of the usual order. Core headers store no compression and no top-down rows.
struct BmpFormat {
    int bitsPerPixel = 24;
    BmpHeader header = BmpHeader::Info;
    BmpCompression compression = BmpCompression::None;
    bool topDown = false;
    std::uint8_t fourthByte = 0;  // the byte no mask names in 32-bit pixels
};

// The whole file. Offsets of the fields hostile tests change:
constexpr std::size_t kBmpWidthField = 18;   // 32 bits (16 in a core header)
constexpr std::size_t kBmpHeightField = 22;  // 32 bits
std::vector<std::uint8_t> EncodeBmp(const BmpPicture& picture, const BmpFormat& format);
