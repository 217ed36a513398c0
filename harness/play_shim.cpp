// LD_PRELOAD library that makes a run of the real game reproducible, without any test branch
// in the game itself. Everything is switched on by environment variables:
//   ORRINDEL_FAKE_TIME=T      time() returns T, so the game seeded with time(0) builds a
//                             known maze.
//   ORRINDEL_FRAME_MS=N       SDL_GetTicks advances by exactly N ms per presented frame
//                             (only the main thread's swap advances it; SDL's timer thread
//                             may read it too).
//   ORRINDEL_INPUT_SCRIPT=F   lines "FRAME down SYM", "FRAME up SYM", "FRAME motion DX DY":
//                             pushed into SDL's queue at the first poll after FRAME swaps.
//   ORRINDEL_SHIM_LOG=F       one line per swap: "swap N MONOTONIC_US".
//   ORRINDEL_DUMP_FRAMES=D N...  the frames presented by swaps N... (numbers from 1, rising,
//                             space-separated after the folder) as D/frame-N.ppm, read back
//                             before the swap: exactly what was presented.
// It also keeps the GL driver loaded when SDL shuts down, so that the leak check can name what
// the driver keeps.
#include <GL/gl.h>
#include <SDL.h>
#include <dlfcn.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "harness/keep_gl_driver.h"

namespace {

struct ScriptEvent {
    long frame;
    SDL_Event event;
};

template <typename F>
F Real(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

// The functions this library stands in front of, found when it is first used. (The record
// below has no dynamic initialiser: one could run after the first use and undo it.)
struct RealFunctions {
    Uint32 (*getTicks)(void);
    void (*swapBuffers)(void);
    int (*pollEvent)(SDL_Event*);
    int (*pushEvent)(SDL_Event*);
    void (*quit)(void);
    void (*genTextures)(GLsizei, GLuint*);
};

struct Shim {
    bool ready = false;
    RealFunctions real = {};
    long fakeTime = -1;
    long frameMs = -1;
    Uint32 ticks = 0;
    long swaps = 0;
    bool madeTextures = false;
    std::vector<ScriptEvent> script;
    std::size_t nextEvent = 0;
    FILE* log = nullptr;
    // From ORRINDEL_DUMP_FRAMES: the folder, and the frame numbers not dumped yet.
    const char* dumpSetting = nullptr;
    const char* dumpNext = nullptr;
    long dumpAt = -1;  // the next frame to dump; -1 when there is none
};

Shim shim;

void LoadScript(const char* path) {
    FILE* in = std::fopen(path, "r");
    if (in == nullptr) {
        std::fprintf(stderr, "play shim: cannot read %s\n", path);
        std::exit(3);
    }
    char kind[16];
    long frame = 0;
    int a = 0;
    int b = 0;
    while (std::fscanf(in, "%ld %15s %d", &frame, kind, &a) == 3 &&
           (std::strcmp(kind, "motion") != 0 || std::fscanf(in, "%d", &b) == 1)) {
        ScriptEvent item{frame, {}};
        if (std::strcmp(kind, "motion") == 0) {
            item.event.motion = {SDL_MOUSEMOTION, 0, 0, 400, 300, Sint16(a), Sint16(b)};
        } else {
            const bool down = std::strcmp(kind, "down") == 0;
            item.event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
            item.event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
            item.event.key.keysym.sym = static_cast<SDLKey>(a);
        }
        shim.script.push_back(item);
    }
    std::fclose(in);
}

// Reads the next frame number of ORRINDEL_DUMP_FRAMES into dumpAt.
void NextDump() {
    char* end = nullptr;
    const long n = shim.dumpNext != nullptr ? std::strtol(shim.dumpNext, &end, 10) : 0;
    shim.dumpAt = end != shim.dumpNext && end != nullptr ? n : -1;
    shim.dumpNext = end;
}

void Init() {
    if (shim.ready) {
        return;
    }
    shim.ready = true;
    shim.real = {Real<Uint32 (*)(void)>("SDL_GetTicks"),
                 Real<void (*)(void)>("SDL_GL_SwapBuffers"),
                 Real<int (*)(SDL_Event*)>("SDL_PollEvent"),
                 Real<int (*)(SDL_Event*)>("SDL_PushEvent"),
                 Real<void (*)(void)>("SDL_Quit"),
                 Real<void (*)(GLsizei, GLuint*)>("glGenTextures")};
    if (const char* t = std::getenv("ORRINDEL_FAKE_TIME")) {
        shim.fakeTime = std::atol(t);
    }
    if (const char* ms = std::getenv("ORRINDEL_FRAME_MS")) {
        shim.frameMs = std::atol(ms);
    }
    if (const char* path = std::getenv("ORRINDEL_INPUT_SCRIPT")) {
        LoadScript(path);
    }
    if (const char* path = std::getenv("ORRINDEL_SHIM_LOG")) {
        shim.log = std::fopen(path, "w");
    }
    if (const char* dump = std::getenv("ORRINDEL_DUMP_FRAMES")) {
        shim.dumpSetting = dump;
        shim.dumpNext = std::strchr(dump, ' ');
        NextDump();
    }
}

// The back buffer as a binary PPM, top row first.
void DumpFrame(long number) {
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    const int w = viewport[2];
    const int h = viewport[3];
    std::vector<unsigned char> rgb(static_cast<std::size_t>(w) * h * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    // Named once whole: a reader waiting for the file never sees half of it.
    const char* setting = shim.dumpSetting;
    const std::string dir(setting, std::strchr(setting, ' '));
    const std::string path = dir + "/frame-" + std::to_string(number) + ".ppm";
    const std::string part = path + ".part";
    FILE* out = std::fopen(part.c_str(), "wb");
    if (out == nullptr) {
        std::fprintf(stderr, "play shim: cannot write %s\n", path.c_str());
        std::exit(3);
    }
    std::fprintf(out, "P6\n%d %d\n255\n", w, h);
    for (int y = h - 1; y >= 0; --y) {
        std::fwrite(&rgb[static_cast<std::size_t>(y) * w * 3], 1, static_cast<std::size_t>(w) * 3,
                    out);
    }
    std::fclose(out);
    std::rename(part.c_str(), path.c_str());
}

long MonotonicUs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000L + now.tv_nsec / 1000;
}

}  // namespace

__attribute__((constructor)) void InitAtLoad() { Init(); }

extern "C" {

time_t time(time_t* out) {
    Init();
    time_t now = 0;
    if (shim.fakeTime >= 0) {
        now = static_cast<time_t>(shim.fakeTime);
    } else {
        timespec ts{};
        clock_gettime(CLOCK_REALTIME, &ts);
        now = ts.tv_sec;
    }
    if (out != nullptr) {
        *out = now;
    }
    return now;
}

Uint32 SDL_GetTicks(void) {
    Init();
    return shim.frameMs >= 0 ? shim.ticks : shim.real.getTicks();
}

void SDL_GL_SwapBuffers(void) {
    Init();
    if (shim.dumpAt == shim.swaps + 1) {
        DumpFrame(shim.dumpAt);
        NextDump();
    }
    shim.real.swapBuffers();
    ++shim.swaps;
    if (shim.frameMs >= 0) {
        shim.ticks += static_cast<Uint32>(shim.frameMs);
    }
    if (shim.log != nullptr) {
        std::fprintf(shim.log, "swap %ld %ld\n", shim.swaps, MonotonicUs());
        std::fflush(shim.log);
    }
}

int SDL_PollEvent(SDL_Event* event) {
    Init();
    while (shim.nextEvent < shim.script.size() && shim.script[shim.nextEvent].frame <= shim.swaps) {
        shim.real.pushEvent(&shim.script[shim.nextEvent].event);
        ++shim.nextEvent;
    }
    return shim.real.pollEvent(event);
}

void SDL_Quit(void) {
    Init();
    // A game that made textures has its GL driver loaded; SDL's shutdown would unload it.
    if (shim.madeTextures && KeepGlDriverLoaded() == 0) {
        std::fprintf(stderr, "play shim: no GL driver module found to keep loaded\n");
    }
    shim.real.quit();
}

void glGenTextures(GLsizei n, GLuint* names) {
    Init();
    shim.real.genTextures(n, names);
    shim.madeTextures = true;
}

}  // extern "C"
