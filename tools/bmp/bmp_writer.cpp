#include "tools/bmp/bmp_writer.h"

#include <cstdio>

namespace {

void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

}  // namespace

std::vector<uint8_t> EncodeBmp(const RgbImage& image) {
    const uint32_t rowBytes = (static_cast<uint32_t>(image.width) * 3 + 3) & ~3u;
    const uint32_t pixelBytes = rowBytes * static_cast<uint32_t>(image.height);
    const uint32_t headerBytes = 14 + 40;

    std::vector<uint8_t> out;
    out.reserve(headerBytes + pixelBytes);
    // File header.
    out.push_back('B');
    out.push_back('M');
    PutLe(out, headerBytes + pixelBytes, 4);
    PutLe(out, 0, 4);
    PutLe(out, headerBytes, 4);
    // Info header: positive height means bottom-up rows.
    PutLe(out, 40, 4);
    PutLe(out, static_cast<uint32_t>(image.width), 4);
    PutLe(out, static_cast<uint32_t>(image.height), 4);
    PutLe(out, 1, 2);
    PutLe(out, 24, 2);
    PutLe(out, 0, 4);  // no compression
    PutLe(out, pixelBytes, 4);
    PutLe(out, 2835, 4);  // 72 dpi
    PutLe(out, 2835, 4);
    PutLe(out, 0, 4);
    PutLe(out, 0, 4);

    for (int y = image.height - 1; y >= 0; --y) {
        const uint8_t* row = image.at(0, y);
        for (int x = 0; x < image.width; ++x) {
            out.push_back(row[x * 3 + 2]);
            out.push_back(row[x * 3 + 1]);
            out.push_back(row[x * 3 + 0]);
        }
        for (uint32_t pad = static_cast<uint32_t>(image.width) * 3; pad < rowBytes; ++pad) {
            out.push_back(0);
        }
    }
    return out;
}

bool WriteBmp(const std::string& path, const RgbImage& image) {
    const std::vector<uint8_t> bytes = EncodeBmp(image);
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
