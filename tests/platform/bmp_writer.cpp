#include "tests/platform/bmp_writer.h"

#include <algorithm>
#include <fstream>

void WriteBmp(const std::string& path, const BmpImage& image, int bitsPerPixel,
              std::uint8_t fourthByte) {
    std::vector<BmpColour> palette;
    for (const BmpColour& c : image.pixels) {
        if (bitsPerPixel == 8 && std::ranges::find(palette, c) == palette.end()) {
            palette.push_back(c);
        }
    }
    const std::uint32_t rowBytes = (image.width * bitsPerPixel / 8 + 3) / 4 * 4;
    const std::uint32_t dataOffset = 14 + 40 + 4 * static_cast<std::uint32_t>(palette.size());
    const std::uint32_t dataSize = rowBytes * image.height;

    std::vector<std::uint8_t> out = {'B', 'M'};
    const auto put = [&out](std::uint32_t value, int bytes) {
        for (int k = 0; k < bytes; ++k) {
            out.push_back((value >> (8 * k)) & 0xFF);
        }
    };
    // File header, then the 40-byte info header: a positive height stores rows bottom-up,
    // compression 0 is BI_RGB.
    const auto width = static_cast<std::uint32_t>(image.width);
    const auto height = static_cast<std::uint32_t>(image.height);
    for (std::uint32_t value : {dataOffset + dataSize, 0u, dataOffset, 40u, width, height}) {
        put(value, 4);
    }
    put(1, 2);
    put(bitsPerPixel, 2);
    for (std::uint32_t value : {0u, dataSize, 2835u, 2835u, std::uint32_t(palette.size()), 0u}) {
        put(value, 4);
    }
    for (const BmpColour& c : palette) {
        out.insert(out.end(), {c.b, c.g, c.r, 0});
    }
    for (int y = image.height - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < image.width; ++x) {
            const BmpColour c = image.pixels[y * image.width + x];
            if (bitsPerPixel == 8) {
                put(std::ranges::find(palette, c) - palette.begin(), 1);
            } else if (bitsPerPixel == 16) {
                put(((c.r >> 3) << 10) | ((c.g >> 3) << 5) | (c.b >> 3), 2);
            } else {
                out.insert(out.end(), {c.b, c.g, c.r});
                if (bitsPerPixel == 32) {
                    out.push_back(fourthByte);
                }
            }
        }
        out.resize(rowStart + rowBytes, 0);
    }
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
}
