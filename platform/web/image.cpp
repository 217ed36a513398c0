// The page reads the game's BMP files itself, with the desktop's checks: the browser's SDL
// decodes images only through its own plug-ins, and only into RGBA.
#include <GLES3/gl3.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/bmp_check.h"
#include "platform/texture.h"
#include "platform/web/image.h"
#include "platform/web/page.h"

namespace {

struct Rgba {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bytes;  // R, G, B, A, top row first
};

// The file whole, when it is a regular one.
bool ReadFile(const char* path, std::vector<std::uint8_t>& bytes) {
    struct stat info = {};
    if (stat(path, &info) != 0 || !S_ISREG(info.st_mode)) {
        return false;
    }
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return false;
    }
    bytes.resize(static_cast<std::size_t>(info.st_size));
    const bool whole = std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
    std::fclose(file);
    return whole;
}

// Uncompressed 24- and 32-bit files: what the game ships. Any other sound file is one the
// page cannot draw, and is refused like a broken one.
bool Decode(const std::vector<std::uint8_t>& file, Rgba& image) {
    int maxSide = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSide);
    BmpLayout layout;
    if (!ReadSoundBmp(file.data(), file.size(), file.size(), maxSide, layout) ||
        layout.compression != 0 || (layout.bits != 24 && layout.bits != 32)) {
        return false;
    }
    // The check bounds the sides by maxSide and keeps every row's pixels inside the file.
    const auto width = static_cast<int>(layout.width);
    const auto height = static_cast<int>(layout.height);
    const int rows = height < 0 ? -height : height;
    const std::size_t pixelBytes = layout.bits / 8;
    const std::size_t pitch = (width * pixelBytes + 3) / 4 * 4;
    const std::size_t offset = layout.dataStart;
    image.width = width;
    image.height = rows;
    image.bytes.assign(static_cast<std::size_t>(width) * rows * 4, 0);
    for (int y = 0; y < rows; ++y) {
        const int fileRow =
            height < 0 ? y : rows - 1 - y;  // bottom-up unless the height is negative
        const std::uint8_t* in = &file[offset + fileRow * pitch];
        std::uint8_t* out = &image.bytes[static_cast<std::size_t>(y) * width * 4];
        for (int x = 0; x < width; ++x, in += pixelBytes, out += 4) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
        }
    }
    return true;
}

Rgba LoadRgba(const char* path) {
    std::vector<std::uint8_t> file;
    Rgba image;
    if (!ReadFile(path, file) || !Decode(file, image)) {
        FatalMissingFile(path);
    }
    return image;
}

TextureId Upload(const Rgba& image, GLint minFilter) {
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, image.width, image.height, 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, image.bytes.data());
    glGenerateMipmap(GL_TEXTURE_2D);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    return name;
}

}  // namespace

TextureId UploadPicture(int width, int height, const std::uint8_t* rgb) {
    Rgba image{width, height,
               std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 4, 0)};
    for (std::size_t i = 0, o = 0; o < image.bytes.size(); i += 3, o += 4) {
        image.bytes[o] = rgb[i];
        image.bytes[o + 1] = rgb[i + 1];
        image.bytes[o + 2] = rgb[i + 2];
    }
    return Upload(image, GL_LINEAR_MIPMAP_NEAREST);
}

TextureId LoadTexture(const char* path, int /*bitsPerPixel*/) {
    return Upload(LoadRgba(path), GL_LINEAR_MIPMAP_NEAREST);
}

TextureId LoadKeyedTexture(const char* path, std::uint8_t keyRed, std::uint8_t keyGreen,
                           std::uint8_t keyBlue, int mipmapped) {
    Rgba image = LoadRgba(path);
    for (std::size_t i = 0; i < image.bytes.size(); i += 4) {
        const std::uint8_t* p = &image.bytes[i];
        image.bytes[i + 3] = p[0] == keyRed && p[1] == keyGreen && p[2] == keyBlue ? 255 : 0;
    }
    return Upload(image, mipmapped != 0 ? GL_LINEAR_MIPMAP_NEAREST : GL_NEAREST);
}

void FatalMissingFile(const char* path) {
    char line[512];
    std::snprintf(line, sizeof line, "Erreur : Le fichier %s requis n'existe pas !!", path);
    std::printf("%s\n", line);
    std::fflush(stdout);
    ShowFailure("file", line);
    StopGame();
}
