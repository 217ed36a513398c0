#include "tests/platform/bmp_writer.h"

#include <algorithm>
#include <fstream>

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

}  // namespace

void WriteBmp(const std::string& path, const BmpImage& image, int bitsPerPixel,
              std::uint8_t fourthByte) {
    std::vector<BmpColour> palette;
    if (bitsPerPixel == 8) {
        for (const BmpColour& c : image.pixels) {
            if (std::find(palette.begin(), palette.end(), c) == palette.end()) {
                palette.push_back(c);
            }
        }
    }
    const int rowBytes = (image.width * bitsPerPixel / 8 + 3) / 4 * 4;
    const std::uint32_t dataOffset = 14 + 40 + 4 * static_cast<std::uint32_t>(palette.size());
    const std::uint32_t fileSize = dataOffset + rowBytes * image.height;

    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, fileSize);
    Put32(out, 0);
    Put32(out, dataOffset);
    Put32(out, 40);
    Put32(out, image.width);
    Put32(out, image.height);  // positive: rows stored bottom-up
    Put16(out, 1);
    Put16(out, bitsPerPixel);
    Put32(out, 0);  // BI_RGB
    Put32(out, rowBytes * image.height);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, palette.size());
    Put32(out, 0);
    for (const BmpColour& c : palette) {
        out.insert(out.end(), {c.b, c.g, c.r, 0});
    }
    for (int y = image.height - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < image.width; ++x) {
            const BmpColour c = image.at(x, y);
            switch (bitsPerPixel) {
                case 8:
                    out.push_back(std::find(palette.begin(), palette.end(), c) - palette.begin());
                    break;
                case 16:
                    Put16(out, ((c.r >> 3) << 10) | ((c.g >> 3) << 5) | (c.b >> 3));
                    break;
                case 24:
                    out.insert(out.end(), {c.b, c.g, c.r});
                    break;
                default:
                    out.insert(out.end(), {c.b, c.g, c.r, fourthByte});
                    break;
            }
        }
        out.resize(rowStart + rowBytes, 0);
    }
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
}

BmpImage TestPattern(int width, int height) {
    BmpImage image{width, height, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.pixels.push_back({static_cast<std::uint8_t>(200 - 40 * x),
                                    static_cast<std::uint8_t>(16 + 48 * y),
                                    static_cast<std::uint8_t>(8 * (x + y) + 1)});
        }
    }
    return image;
}
