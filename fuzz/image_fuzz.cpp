// libFuzzer target over the game's whole image path, as LoadKeyedTexture runs it on a file:
// the header check, SDL's BMP decoder, the conversion to 32 bits, the red/blue exchange, the
// colour key, and the upload of every mipmap level. The upload needs a GL context: SDL gets
// one wherever its video driver offers OpenGL (scripts/fuzz runs the target on a private X
// server); without one the path ends before the upload.
#include <GL/gl.h>
#include <SDL.h>

#include <climits>
#include <cstdint>
#include <cstdio>

#include "platform/bmp_check.h"
#include "platform/image.h"

namespace {

bool uploads = false;
int maxSide = 16384;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    if (SDL_Init(SDL_INIT_VIDEO) == 0 && SDL_SetVideoMode(64, 64, 32, SDL_OPENGL) != nullptr) {
        uploads = true;
        glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSide);
    }
    std::fprintf(stderr, "image fuzz: %s, largest side %d\n",
                 uploads ? "uploads into GL" : "no GL context, stops before the upload", maxSide);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > INT_MAX || !BmpIsSound(data, size, size, maxSide)) {
        return 0;
    }
    SDL_Surface* image = DecodeBmp(SDL_RWFromConstMem(data, static_cast<int>(size)), 32);
    if (image == nullptr) {
        return 0;
    }
    ApplyColourKey(image, 0, 0, 0);
    if (uploads) {
        const GLuint name = UploadTexture(image, GL_LINEAR, GL_LINEAR_MIPMAP_NEAREST);
        glDeleteTextures(1, &name);
    }
    SDL_FreeSurface(image);
    return 0;
}
