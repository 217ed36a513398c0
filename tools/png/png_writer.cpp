#include "tools/png/png_writer.h"

#include <png.h>

#include <cstdio>

bool WritePng(const std::string& path, int width, int height, int channels,
              const std::uint8_t* pixels) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(width);
    png.height = static_cast<png_uint_32>(height);
    png.format = channels == 4 ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    if (png_image_write_to_file(&png, path.c_str(), 0, pixels, 0, nullptr) == 0) {
        std::fprintf(stderr, "cannot write %s: %s\n", path.c_str(), png.message);
        png_image_free(&png);
        return false;
    }
    return true;
}
