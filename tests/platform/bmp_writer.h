#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes uncompressed BMP files of a chosen depth, independent of SDL's own writer (which
// knows only 8 and 24 bits), so the loader is tested against the file format itself.
struct BmpColour {
    std::uint8_t r, g, b;
    bool operator==(const BmpColour&) const = default;
};

struct BmpImage {
    int width = 0;
    int height = 0;
    std::vector<BmpColour> pixels;  // top row first
};

template <typename ColourAt>  // BmpColour(int x, int y)
BmpImage MakeBmpImage(int width, int height, ColourAt colourAt) {
    BmpImage image{width, height, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.pixels.push_back(colourAt(x, y));
        }
    }
    return image;
}

// bitsPerPixel: 8 (palette of the image's distinct colours, at most 256), 16 (5-5-5: each
// component keeps its top 5 bits), 24, or 32 (fourthByte fills the unused byte).
void WriteBmp(const std::string& path, const BmpImage& image, int bitsPerPixel,
              std::uint8_t fourthByte = 0);
