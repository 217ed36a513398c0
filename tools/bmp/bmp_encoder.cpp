#include "tools/bmp/bmp_encoder.h"

#include <algorithm>
#include <cstdlib>

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& out, std::uint32_t value, int bytes) {
    for (int k = 0; k < bytes; ++k) {
        out.push_back((value >> (8 * k)) & 0xFF);
    }
}

std::vector<BmpColour> PaletteOf(const BmpPicture& picture, int bits) {
    std::vector<BmpColour> palette;
    if (bits <= 8) {
        for (const BmpColour& c : picture.pixels) {
            if (std::find(palette.begin(), palette.end(), c) == palette.end()) {
                palette.push_back(c);
            }
        }
        if (palette.size() > (std::size_t{1} << bits)) {
            std::abort();  // the picture has more colours than the depth can name
        }
    }
    return palette;
}

std::uint32_t PixelValue(BmpColour c, int bits, const std::vector<BmpColour>& palette) {
    if (bits <= 8) {
        return static_cast<std::uint32_t>(std::find(palette.begin(), palette.end(), c) -
                                          palette.begin());
    }
    return c.b | (c.g << 8) | (c.r << 16);
}

// One row, packed most significant bits first, padded to four bytes.
void PutRow(Bytes& out, const std::vector<std::uint32_t>& values, int bits) {
    const std::size_t start = out.size();
    if (bits >= 8) {
        for (std::uint32_t v : values) {
            Put(out, v, bits / 8);
        }
    } else {
        const int perByte = 8 / bits;
        for (std::size_t i = 0; i < values.size(); i += perByte) {
            std::uint8_t byte = 0;
            for (int k = 0; k < perByte && i + k < values.size(); ++k) {
                byte |= values[i + k] << (8 - bits * (k + 1));
            }
            out.push_back(byte);
        }
    }
    out.resize(start + (out.size() - start + 3) / 4 * 4, 0);
}

// Runs of one value, up to 255 long, then end of line; end of bitmap after the last row.
void PutRleRow(Bytes& out, const std::vector<std::uint32_t>& values, bool last) {
    for (std::size_t i = 0; i < values.size();) {
        std::size_t run = 1;
        while (i + run < values.size() && run < 255 && values[i + run] == values[i]) {
            ++run;
        }
        out.push_back(static_cast<std::uint8_t>(run));
        out.push_back(static_cast<std::uint8_t>(values[i]));
        i += run;
    }
    out.insert(out.end(), {0, static_cast<std::uint8_t>(last ? 1 : 0)});
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const BmpPicture& picture, const BmpFormat& format) {
    const int bits = format.bitsPerPixel;
    const bool rle = format.compression == BmpCompression::Rle8;
    const std::vector<BmpColour> palette = PaletteOf(picture, bits);

    Bytes data;
    for (int y = picture.height - 1; y >= 0; --y) {
        std::vector<std::uint32_t> values;
        for (int x = 0; x < picture.width; ++x) {
            values.push_back(PixelValue(picture.pixels[y * picture.width + x], bits, palette));
        }
        rle ? PutRleRow(data, values, y == 0) : PutRow(data, values, bits);
    }

    constexpr std::uint32_t kInfoSize = 40;
    const auto tables = static_cast<std::uint32_t>(14 + kInfoSize + palette.size() * 4);
    Bytes out = {'B', 'M'};
    Put(out, tables + static_cast<std::uint32_t>(data.size()), 4);
    Put(out, 0, 4);
    Put(out, tables, 4);
    Put(out, kInfoSize, 4);
    Put(out, static_cast<std::uint32_t>(picture.width), 4);
    Put(out, static_cast<std::uint32_t>(picture.height), 4);
    Put(out, 1, 2);
    Put(out, bits, 2);
    for (std::uint32_t v :
         {static_cast<std::uint32_t>(format.compression), static_cast<std::uint32_t>(data.size()),
          2835u, 2835u, static_cast<std::uint32_t>(palette.size()), 0u}) {
        Put(out, v, 4);
    }
    for (const BmpColour& c : palette) {
        out.insert(out.end(), {c.b, c.g, c.r, 0});
    }
    out.insert(out.end(), data.begin(), data.end());
    return out;
}
