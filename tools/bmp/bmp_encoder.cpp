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

// Red, green, blue masks of the bit-field layouts, and the alpha mask a V4 header adds.
struct Masks {
    std::uint32_t r = 0, g = 0, b = 0, a = 0;
};

Masks MasksOf(const BmpFormat& f) {
    if (f.compression != BmpCompression::BitFields) {
        return {};
    }
    if (f.bitsPerPixel == 16) {
        return {0xF800, 0x07E0, 0x001F, 0};
    }
    return {0x000000FF, 0x0000FF00, 0x00FF0000, 0};
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

std::uint32_t PixelValue(BmpColour c, const BmpFormat& f, const std::vector<BmpColour>& palette) {
    if (f.bitsPerPixel <= 8) {
        return static_cast<std::uint32_t>(std::find(palette.begin(), palette.end(), c) -
                                          palette.begin());
    }
    if (f.bitsPerPixel == 16) {
        return f.compression == BmpCompression::BitFields
                   ? ((c.r >> 3) << 11) | ((c.g >> 2) << 5) | (c.b >> 3)
                   : ((c.r >> 3) << 10) | ((c.g >> 3) << 5) | (c.b >> 3);
    }
    if (f.compression == BmpCompression::BitFields) {
        return c.r | (c.g << 8) | (c.b << 16) | (std::uint32_t{f.fourthByte} << 24);
    }
    return c.b | (c.g << 8) | (c.r << 16) | (std::uint32_t{f.fourthByte} << 24);
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
void PutRleRow(Bytes& out, const std::vector<std::uint32_t>& values, bool last, int bits) {
    for (std::size_t i = 0; i < values.size();) {
        std::size_t run = 1;
        while (i + run < values.size() && run < 255 && values[i + run] == values[i]) {
            ++run;
        }
        out.push_back(static_cast<std::uint8_t>(run));
        out.push_back(static_cast<std::uint8_t>(bits == 4 ? values[i] * 0x11 : values[i]));
        i += run;
    }
    out.insert(out.end(), {0, static_cast<std::uint8_t>(last ? 1 : 0)});
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const BmpPicture& picture, const BmpFormat& format) {
    const int bits = format.bitsPerPixel;
    const bool core = format.header == BmpHeader::Core;
    const bool rle =
        format.compression == BmpCompression::Rle8 || format.compression == BmpCompression::Rle4;
    std::vector<BmpColour> palette = PaletteOf(picture, bits);
    const Masks masks = MasksOf(format);

    Bytes data;
    for (int i = 0; i < picture.height; ++i) {
        const int y = format.topDown ? i : picture.height - 1 - i;
        std::vector<std::uint32_t> values;
        for (int x = 0; x < picture.width; ++x) {
            values.push_back(PixelValue(picture.pixels[y * picture.width + x], format, palette));
        }
        if (rle) {
            PutRleRow(data, values, i == picture.height - 1, bits);
        } else {
            PutRow(data, values, bits);
        }
    }

    if (core && bits <= 8) {
        palette.resize(std::size_t{1} << bits, BmpColour{0, 0, 0});  // a core palette is whole
    }
    const auto infoSize = static_cast<std::uint32_t>(format.header);
    const bool maskTable = format.header == BmpHeader::Info && masks.r != 0;
    const auto tables = static_cast<std::uint32_t>(14 + infoSize + (maskTable ? 12 : 0) +
                                                   palette.size() * (core ? 3 : 4));
    Bytes out = {'B', 'M'};
    Put(out, tables + static_cast<std::uint32_t>(data.size()), 4);
    Put(out, 0, 4);
    Put(out, tables, 4);
    Put(out, infoSize, 4);
    const auto width = static_cast<std::uint32_t>(picture.width);
    const auto height =
        static_cast<std::uint32_t>(format.topDown ? -picture.height : picture.height);
    if (core) {
        Put(out, width, 2);
        Put(out, height, 2);
        Put(out, 1, 2);
        Put(out, bits, 2);
    } else {
        for (std::uint32_t v : {width, height}) {
            Put(out, v, 4);
        }
        Put(out, 1, 2);
        Put(out, bits, 2);
        for (std::uint32_t v : {static_cast<std::uint32_t>(format.compression),
                                static_cast<std::uint32_t>(data.size()), 2835u, 2835u,
                                static_cast<std::uint32_t>(palette.size()), 0u}) {
            Put(out, v, 4);
        }
        if (maskTable || infoSize > 40) {
            for (std::uint32_t v : {masks.r, masks.g, masks.b}) {
                Put(out, v, 4);
            }
        }
        if (infoSize > 40) {
            Put(out, masks.a, 4);
            Put(out, 0x73524742, 4);       // colour space "sRGB"
            out.resize(14 + infoSize, 0);  // end points, gammas, intent, profile
        }
    }
    for (const BmpColour& c : palette) {
        out.insert(out.end(), {c.b, c.g, c.r});
        if (!core) {
            out.push_back(0);
        }
    }
    out.insert(out.end(), data.begin(), data.end());
    return out;
}
