#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// BMP files written from a picture, independent of SDL's own writer: the art tools' 24-bit
// files, and the paletted and run-length files of the loader tests.

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

enum class BmpCompression { None = 0, Rle8 = 1 };

// A 40-byte information header and bottom-up rows. Depths 1 and 8 carry a palette of the
// picture's colours (at most 2^depth of them); run-length coding is for 8 bits only.
struct BmpFormat {
    int bitsPerPixel = 24;  // 1, 8 or 24
    BmpCompression compression = BmpCompression::None;
};

// The whole file. Offsets of the fields hostile tests change:
constexpr std::size_t kBmpWidthField = 18;   // 32 bits
constexpr std::size_t kBmpHeightField = 22;  // 32 bits
std::vector<std::uint8_t> EncodeBmp(const BmpPicture& picture, const BmpFormat& format);
