// Writes the image fuzzer's seed corpus: one small picture in every BMP depth, header kind
// and compression, bottom-up and top-down.
#include <cstdio>
#include <fstream>
#include <string>

#include "tools/bmp/bmp_encoder.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-fuzz-seeds DIRECTORY\n");
        return 2;
    }
    using enum BmpHeader;
    using enum BmpCompression;
    int written = 0;
    for (BmpHeader header : {Core, Info, V4, V5}) {
        for (int bits : {1, 4, 8, 16, 24, 32}) {
            // Colours enough to fill a palette of the depth, in runs that RLE can shorten.
            const int colours = bits == 1 ? 2 : bits == 4 ? 16 : 64;
            const BmpPicture picture = MakeBmpPicture(9, 5, [colours](int x, int y) {
                const int i = (x / 2 + 3 * y) % colours;
                return BmpColour{std::uint8_t(37 * i), std::uint8_t(255 - 11 * i),
                                 std::uint8_t(i % 3 == 0 ? 0 : 90 + i)};
            });
            for (BmpCompression compression : {None, Rle8, Rle4, BitFields}) {
                const bool rle = compression == Rle8 || compression == Rle4;
                const bool fits = compression == None || (compression == Rle8 && bits == 8) ||
                                  (compression == Rle4 && bits == 4) ||
                                  (compression == BitFields && bits >= 16 && bits != 24);
                for (bool topDown : {false, true}) {
                    if (!fits || (header == Core && (compression != None || topDown)) ||
                        (topDown && rle)) {
                        continue;
                    }
                    const auto bytes =
                        EncodeBmp(picture, {bits, header, compression, topDown, 0x80});
                    const std::string name =
                        std::string(argv[1]) + "/h" + std::to_string(int(header)) + "-b" +
                        std::to_string(bits) + "-c" + std::to_string(int(compression)) +
                        (topDown ? "-top" : "") + ".bmp";
                    std::ofstream(name, std::ios::binary)
                        .write(reinterpret_cast<const char*>(bytes.data()), std::ssize(bytes));
                    ++written;
                }
            }
        }
    }
    std::printf("%d seeds\n", written);
    return 0;
}
