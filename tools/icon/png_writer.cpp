#include "tools/icon/png_writer.h"

#include <png.h>

#include <cstdio>

bool WritePng(const std::string& path, const RgbaImage& image) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.size);
    png.height = static_cast<png_uint_32>(image.size);
    png.format = PNG_FORMAT_RGBA;
    if (png_image_write_to_file(&png, path.c_str(), 0, image.rgba.data(), 0, nullptr) == 0) {
        std::fprintf(stderr, "cannot write %s: %s\n", path.c_str(), png.message);
        png_image_free(&png);
        return false;
    }
    return true;
}
