// Writes the image fuzzer's seed corpus: one small picture in every BMP depth, header kind
// and compression, bottom-up and top-down.
#include <cstdio>
#include <fstream>
#include <string>

#include "tools/bmp/bmp_encoder.h"

namespace {

// Colours enough to fill a palette of the depth, in runs that RLE can shorten.
BmpPicture Picture(int bits) {
    const int colours = bits == 1 ? 2 : bits == 4 ? 16 : 64;
    return MakeBmpPicture(9, 5, [colours](int x, int y) {
        const int i = (x / 2 + 3 * y) % colours;
        return BmpColour{static_cast<std::uint8_t>(37 * i), static_cast<std::uint8_t>(255 - 11 * i),
                         static_cast<std::uint8_t>(i % 3 == 0 ? 0 : 90 + i)};
    });
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-fuzz-seeds DIRECTORY\n");
        return 2;
    }
    int written = 0;
    for (BmpHeader header : {BmpHeader::Core, BmpHeader::Info, BmpHeader::V4, BmpHeader::V5}) {
        for (int bits : {1, 4, 8, 16, 24, 32}) {
            for (BmpCompression compression : {BmpCompression::None, BmpCompression::Rle8,
                                               BmpCompression::Rle4, BmpCompression::BitFields}) {
                const bool rle =
                    compression == BmpCompression::Rle8 || compression == BmpCompression::Rle4;
                const bool fits =
                    compression == BmpCompression::None ||
                    (compression == BmpCompression::Rle8 && bits == 8) ||
                    (compression == BmpCompression::Rle4 && bits == 4) ||
                    (compression == BmpCompression::BitFields && bits >= 16 && bits != 24);
                if (!fits || (header == BmpHeader::Core && compression != BmpCompression::None)) {
                    continue;
                }
                for (bool topDown : {false, true}) {
                    if (topDown && (rle || header == BmpHeader::Core)) {
                        continue;
                    }
                    const BmpFormat format{bits, header, compression, topDown, 0x80};
                    const auto bytes = EncodeBmp(Picture(bits), format);
                    const std::string name = std::string(argv[1]) + "/h" +
                                             std::to_string(static_cast<int>(header)) + "-b" +
                                             std::to_string(bits) + "-c" +
                                             std::to_string(static_cast<int>(compression)) +
                                             (topDown ? "-top" : "") + ".bmp";
                    std::ofstream(name, std::ios::binary)
                        .write(reinterpret_cast<const char*>(bytes.data()),
                               static_cast<std::streamsize>(bytes.size()));
                    ++written;
                }
            }
        }
    }
    std::printf("%d seeds\n", written);
    return 0;
}
