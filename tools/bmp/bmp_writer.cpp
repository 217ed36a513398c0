#include "tools/bmp/bmp_writer.h"

#include <cstdio>
#include <vector>

#include "tools/bmp/bmp_encoder.h"

bool WriteBmp(const std::string& path, const RgbImage& image) {
    const BmpPicture picture = MakeBmpPicture(image.width, image.height, [&](int x, int y) {
        const uint8_t* pixel = image.at(x, y);
        return BmpColour{pixel[0], pixel[1], pixel[2]};
    });
    const std::vector<uint8_t> bytes = EncodeBmp(picture, BmpFormat{});
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    if (!(written && closed)) {
        std::remove(path.c_str());  // a truncated file must not pass for a finished one
        return false;
    }
    return true;
}
