#include "platform/image.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/bmp_check.h"
#include "platform/quit_signal.h"

namespace {

// Without a GL context (the image tests) nothing is reported: the largest side any driver
// here takes.
constexpr int kSideWithoutContext = 16384;

// Rows converted between two looks for a quit signal: a few milliseconds of a large image.
constexpr int kConvertRows = 64;

// 64-bit offsets: a surface past 2 GiB would wrap an int product.
std::uint8_t* PixelAddress(const SDL_Surface* surface, int x, int y) {
    return static_cast<std::uint8_t*>(surface->pixels) + std::ptrdiff_t{y} * surface->pitch +
           std::ptrdiff_t{x} * surface->format->BytesPerPixel;
}

std::uint8_t ByteOf(std::uint32_t pixel, int k) { return (pixel >> (8 * k)) & 0xFF; }

std::uint32_t WithByte(std::uint32_t pixel, int k, std::uint8_t value) {
    const std::uint32_t mask = 0xFFu << (8 * k);
    return (pixel & ~mask) | (std::uint32_t{value} << (8 * k));
}

// Rewrites every pixel through change. A quit signal during a large image ends the game
// between two rows, through SDL_Quit.
template <typename Change>
void ForEachPixel(SDL_Surface* surface, Change change) {
    for (int y = 0; y < surface->h; ++y) {
        QuitIfSignalled();
        for (int x = 0; x < surface->w; ++x) {
            PutPixel(surface, x, y, change(GetPixel(surface, x, y)));
        }
    }
}

// The byte the OpenGL upload reads as alpha. Files of 32 bits carry an unused fourth byte
// that a same-layout blit copies as it is; an opaque texture needs it at 0.
void ClearFourthByte(SDL_Surface* surface) {
    ForEachPixel(surface, [](std::uint32_t pixel) { return WithByte(pixel, 3, 0); });
}

// Opened only when it is a regular file: opening a FIFO would wait for a writer forever,
// and a directory or a device is no image.
std::FILE* OpenRegularFile(const char* path, std::uint64_t& size) {
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return nullptr;
    }
    struct stat info = {};
    std::FILE* file = nullptr;
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        size = static_cast<std::uint64_t>(info.st_size);
        file = fdopen(fd, "rb");
    }
    if (file == nullptr) {
        close(fd);
    }
    return file;
}

int MaxTextureSide() {
    GLint side = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &side);
    return side > 0 ? side : kSideWithoutContext;
}

}  // namespace

std::uint32_t GetPixel(const SDL_Surface* surface, int x, int y) {
    const std::uint8_t* p = PixelAddress(surface, x, y);
    switch (surface->format->BytesPerPixel) {
        case 1:
            return p[0];
        case 2: {
            std::uint16_t word;
            std::memcpy(&word, p, sizeof word);
            return word;
        }
        case 3:
            return p[0] | (p[1] << 8) | (p[2] << 16);
        case 4: {
            std::uint32_t word;
            std::memcpy(&word, p, sizeof word);
            return word;
        }
        default:
            return 0;
    }
}

void PutPixel(SDL_Surface* surface, int x, int y, std::uint32_t pixel) {
    std::uint8_t* p = PixelAddress(surface, x, y);
    switch (surface->format->BytesPerPixel) {
        case 1:
            p[0] = ByteOf(pixel, 0);
            break;
        case 2: {
            const std::uint16_t word = pixel & 0xFFFF;
            std::memcpy(p, &word, sizeof word);
            break;
        }
        case 3:
            p[0] = ByteOf(pixel, 0);
            p[1] = ByteOf(pixel, 1);
            p[2] = ByteOf(pixel, 2);
            break;
        case 4:
            std::memcpy(p, &pixel, sizeof pixel);
            break;
        default:
            break;
    }
}

void LockIfNeeded(SDL_Surface* surface) {
    if (SDL_MUSTLOCK(surface)) {
        SDL_LockSurface(surface);
    }
}

void UnlockIfNeeded(SDL_Surface* surface) {
    if (SDL_MUSTLOCK(surface)) {
        SDL_UnlockSurface(surface);
    }
}

void SwapRedBlue(SDL_Surface* surface) {
    // On one or two bytes there is no byte 2: the exchange would only destroy byte 0.
    if (surface->format->BytesPerPixel < 3) {
        return;
    }
    ForEachPixel(surface, [](std::uint32_t pixel) {
        return WithByte(WithByte(pixel, 0, ByteOf(pixel, 2)), 2, ByteOf(pixel, 0));
    });
}

void ApplyColourKey(SDL_Surface* surface, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    LockIfNeeded(surface);
    ForEachPixel(surface, [=](std::uint32_t pixel) {
        const bool isKey =
            ByteOf(pixel, 0) == red && ByteOf(pixel, 1) == green && ByteOf(pixel, 2) == blue;
        return WithByte(pixel, 3, isKey ? 255 : 0);
    });
    UnlockIfNeeded(surface);
}

SDL_Surface* DecodeBmp(SDL_RWops* stream, int bitsPerPixel) {
    SDL_Surface* loaded = SDL_LoadBMP_RW(stream, 1);
    if (loaded == nullptr) {
        return nullptr;
    }
    QuitIfSignalled();  // before a large surface is cleared, which takes a while too
    SDL_Surface* image = SDL_CreateRGBSurface(0, loaded->w, loaded->h, bitsPerPixel, 0, 0, 0, 0);
    if (image != nullptr) {
        // Converting first lets SDL read palette and 16-bit files by their own format; the
        // red/blue exchange then works on SDL's default 3- or 4-byte layout (blue, green, red
        // in memory). A file's alpha channel must be copied, not blended onto the empty target.
        SDL_SetAlpha(loaded, 0, SDL_ALPHA_OPAQUE);
        SDL_SetColorKey(loaded, 0, 0);
        // In bands: converting a large image in one call takes a third of a second of
        // processor time, and a quit signal must not wait for it.
        for (int y = 0; y < loaded->h; y += kConvertRows) {
            QuitIfSignalled();
            SDL_Rect band = {0, static_cast<Sint16>(y), static_cast<Uint16>(loaded->w),
                             static_cast<Uint16>(std::min(kConvertRows, loaded->h - y))};
            SDL_Rect to = band;  // the blit clips this one in place
            SDL_UpperBlit(loaded, &band, image, &to);
        }
    }
    SDL_FreeSurface(loaded);
    if (image == nullptr) {
        return nullptr;
    }
    SwapRedBlue(image);
    if (image->format->BytesPerPixel == 4) {
        ClearFourthByte(image);
    }
    return image;
}

SDL_Surface* ReadImage(const char* path, int bitsPerPixel) {
    std::uint64_t size = 0;
    std::FILE* file = OpenRegularFile(path, size);
    if (file == nullptr) {
        return nullptr;
    }
    std::uint8_t head[kBmpHeadBytes];
    const std::size_t headSize = std::fread(head, 1, sizeof head, file);
    if (!BmpIsSound(head, headSize, size, MaxTextureSide()) || std::fseek(file, 0, SEEK_SET) != 0) {
        std::fclose(file);
        return nullptr;
    }
    return DecodeBmp(SDL_RWFromFP(file, 1), bitsPerPixel);
}

SDL_Surface* LoadImage(const char* path, int bitsPerPixel) {
    SDL_Surface* image = ReadImage(path, bitsPerPixel);
    if (image == nullptr) {
        FatalMissingFile(path);
    }
    return image;
}

TextureId UploadTexture(SDL_Surface* surface, int magFilter, int minFilter) {
    // GLU rescales an image whose sides are not both powers of two, and reads one pixel past
    // its end while doing so: a fault where the image ends a mapping. That pixel weighs
    // nothing in the result, so a copy with room for it gives the same texture.
    const void* pixels = surface->pixels;
    std::vector<std::uint8_t> withRoom;
    if (!std::has_single_bit(static_cast<unsigned>(surface->w)) ||
        !std::has_single_bit(static_cast<unsigned>(surface->h))) {
        const auto bytes = static_cast<std::size_t>(surface->pitch) * surface->h;
        withRoom.resize(bytes + 4);
        std::memcpy(withRoom.data(), surface->pixels, bytes);
        pixels = withRoom.data();
    }
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 4, surface->w, surface->h, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, magFilter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    return name;
}

TextureId LoadTexture(const char* path, int bitsPerPixel) {
    SDL_Surface* image = LoadImage(path, bitsPerPixel);
    const TextureId name = UploadTexture(image, GL_LINEAR, GL_LINEAR_MIPMAP_NEAREST);
    SDL_FreeSurface(image);
    return name;
}

TextureId LoadKeyedTexture(const char* path, std::uint8_t keyRed, std::uint8_t keyGreen,
                           std::uint8_t keyBlue, int mipmapped) {
    SDL_Surface* image = LoadImage(path, 32);
    ApplyColourKey(image, keyRed, keyGreen, keyBlue);
    const TextureId name =
        UploadTexture(image, GL_LINEAR, mipmapped != 0 ? GL_LINEAR_MIPMAP_NEAREST : GL_NEAREST);
    SDL_FreeSurface(image);
    return name;
}

void FatalMissingFile(const char* path) {
    std::printf("Erreur : Le fichier %s requis n'existe pas !!\n", path);
    std::fflush(stdout);
    SDL_Quit();
    std::exit(-1);
}
