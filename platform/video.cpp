#include <GL/gl.h>
#include <GL/glu.h>
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "art/icon/icon_art.h"
#include "platform/frame_time.h"
#include "platform/quit_signal.h"
#include "platform/video.h"

namespace {

std::uint32_t previousFrameEnd = 0;

[[noreturn]] void FailVideo(const char* step) {
    std::fprintf(stderr, "Orrindel: cannot open the video mode (%s): %s\n", step, SDL_GetError());
    SDL_Quit();
    std::exit(1);
}

[[noreturn]] void FailNoDisplay(const char* reason) {
    std::fprintf(stderr, "Orrindel: no display to open the game's window on: %s\n", reason);
    SDL_Quit();
    std::exit(1);
}

// Without a display SDL falls back to drivers that show nothing (dummy, offscreen, evdev) or
// only text (caca, aalib); the game would run unseen, or fail for want of OpenGL.
void RequireAWindow() {
    char name[32] = "";
    SDL_VideoDriverName(name, sizeof name);
    for (const char* headless : {"dummy", "offscreen", "evdev", "caca", "aalib"}) {
        if (std::strcmp(name, headless) == 0) {
            const std::string reason =
                std::string("SDL's only video driver is '") + name + "', which shows no window";
            FailNoDisplay(reason.c_str());
        }
    }
}

void SetFixedGlState(int width, int height) {
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glViewport(0, 0, width, height);

    // The aspect stays 4/3 whatever the mode's size.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(kFieldOfViewY, kAspect, kNearPlane, kFarPlane);

    glEnable(GL_TEXTURE_2D);

    // The reference clamps to 1.0: only texels of alpha 255 (the colour key) are discarded.
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_LESS, 128.0f);

    glMatrixMode(GL_MODELVIEW);
    // Frames end with a clear after the swap; the first one needs its own, or it is drawn on
    // whatever the new depth buffer holds (here: nothing passes, and it shows no walls).
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

// Window managers, task switchers and docks name and picture the window by these, even when
// it runs full screen. SDL takes them only before the video mode is set.
void SetWindowIdentity() {
    const RgbaImage icon = DrawIcon(kWindowIconSize);
    // The pixels are bytes R, G, B, A in memory whatever the machine's byte order.
    const bool big = SDL_BYTEORDER == SDL_BIG_ENDIAN;
    SDL_Surface* surface = SDL_CreateRGBSurfaceFrom(
        const_cast<std::uint8_t*>(icon.rgba.data()), icon.size, icon.size, 32, icon.size * 4,
        big ? 0xFF000000 : 0x000000FF, big ? 0x00FF0000 : 0x0000FF00, big ? 0x0000FF00 : 0x00FF0000,
        big ? 0x000000FF : 0xFF000000);
    if (surface != nullptr) {  // without an icon the game still runs
        SDL_WM_SetIcon(surface, nullptr);
        SDL_FreeSurface(surface);
    }
    SDL_WM_SetCaption("Orrindel", "Orrindel");
}

}  // namespace

void InitVideo(int width, int height, int bitsPerPixel, int fullscreen) {
    if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_VIDEO) != 0) {
        FailNoDisplay(SDL_GetError());
    }
    RequireAWindow();
    // No SDL main wrapper does this on this platform; it restores the desktop's video mode.
    std::atexit(SDL_Quit);
    SetWindowIdentity();
    SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL, 1);
    Uint32 flags = SDL_HWSURFACE | SDL_OPENGL;
    if (fullscreen != 0) {
        flags |= SDL_FULLSCREEN;
    }
    if (SDL_SetVideoMode(width, height, bitsPerPixel, flags) == nullptr) {
        FailVideo("SDL_SetVideoMode");
    }
    videoState.lastSwapMs = 0;
    SetFixedGlState(width, height);
    previousFrameEnd = SDL_GetTicks();
    QuitIfSignalled();
}

void EndFrame() {
    SDL_GL_SwapBuffers();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const std::uint32_t now = SDL_GetTicks();
    videoState.lastSwapMs = FrameDurationMs(previousFrameEnd, now);
    previousFrameEnd = now;
}

std::uint32_t Ticks() { return SDL_GetTicks(); }
