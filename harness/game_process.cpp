#include "harness/game_process.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <link.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string RealPath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path real = std::filesystem::canonical(path, error);
    return error ? std::string() : real.string();
}

// The loader's libSDL-1.2.so.0, then the compatibility library where it is another one. The
// compatibility library counts its versions from 1.2.50.
std::vector<SdlLibrary> FindSdlLibraries() {
    void* sdl = dlopen("libSDL-1.2.so.0", RTLD_NOW | RTLD_LOCAL);
    if (sdl == nullptr) {
        std::fprintf(stderr, "no SDL 1.2 library: %s\n", dlerror());
        std::abort();
    }
    link_map* map = nullptr;
    dlinfo(sdl, RTLD_DI_LINKMAP, &map);
    const std::string loaderPath = RealPath(map->l_name);
    // SDL_version: major, minor, patch.
    const auto* version =
        reinterpret_cast<const std::uint8_t* (*)()>(dlsym(sdl, "SDL_Linked_Version"))();
    std::vector<SdlLibrary> found{{version[2] >= 50 ? "compat" : "classic", ""}};
    dlclose(sdl);
    const std::string compat = RealPath(ORRINDEL_COMPAT_SDL_DIR "/libSDL-1.2.so.0");
    if (!compat.empty() && compat != loaderPath) {
        found.push_back({"compat", ORRINDEL_COMPAT_SDL_DIR});
    }
    return found;
}

const std::vector<SdlLibrary> sdlLibraries = FindSdlLibraries();

}  // namespace

const std::vector<SdlLibrary>& SdlLibraries() { return sdlLibraries; }

void SleepMs(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

std::string BuildDir() {
    const char* dir = std::getenv("ORRINDEL_BUILD_DIR");
    return dir != nullptr ? dir : ".";
}

std::string GameBinary() { return BuildDir() + "/orrindel"; }

GameProcess::GameProcess(const std::string& display, const GameOptions& options)
    : display_(display) {
    pid_ = fork();
    if (pid_ == 0) {
        const int out = open(files_.file("out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(files_.file("err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, 1);
        dup2(err, 2);
        if (chdir(options.workDir.empty() ? BuildDir().c_str() : options.workDir.c_str()) != 0) {
            _exit(126);
        }
        if (display.empty()) {
            unsetenv("DISPLAY");
            unsetenv("WAYLAND_DISPLAY");
        } else {
            setenv("DISPLAY", display.c_str(), 1);
        }
        unsetenv("SDL_VIDEODRIVER");
        if (!options.sdl.directory.empty()) {
            setenv("LD_LIBRARY_PATH", options.sdl.directory.c_str(), 1);
        }
        std::string preload = ORRINDEL_PLAY_SHIM;
#ifdef ORRINDEL_ASAN_RUNTIME
        preload = std::string(ORRINDEL_ASAN_RUNTIME) + ":" + preload;
#endif
        setenv("LD_PRELOAD", preload.c_str(), 1);
        for (const std::string& entry : options.env) {
            putenv(const_cast<char*>(entry.c_str()));
        }
        execl(GameBinary().c_str(), "orrindel", static_cast<char*>(nullptr));
        _exit(127);
    }
}

GameProcess::~GameProcess() {
    if (running()) {
        kill(pid_, SIGKILL);
        waitExit(5000);
    }
}

bool GameProcess::running() {
    if (pid_ <= 0 || status_ >= 0) {
        return false;
    }
    int raw = 0;
    rusage usage{};
    if (wait4(pid_, &raw, WNOHANG, &usage) == pid_) {
        status_ = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
        const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
        endCpuMs_ = ms(usage.ru_utime) + ms(usage.ru_stime);
        return false;
    }
    return true;
}

double GameProcess::cpuMs() {
    if (!running()) {
        return endCpuMs_;
    }
    std::ifstream stat("/proc/" + std::to_string(pid_) + "/stat");
    std::string field;
    for (int i = 1; i <= 13; ++i) {
        stat >> field;  // the command name has no spaces: "(orrindel)"
    }
    long user = 0;
    long system = 0;
    stat >> user >> system;
    return (user + system) * 1000.0 / sysconf(_SC_CLK_TCK);
}

int GameProcess::waitExit(int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (running()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return -1;
        }
        SleepMs(20);
    }
    return status_;
}

void GameProcess::signal(int sig) {
    if (running()) {
        kill(pid_, sig);
    }
}

void GameProcess::tap(const std::string& keysym) {
    for (const char* action : {" keydown ", " keyup "}) {
        const std::string command = "DISPLAY=" + display_ + " xdotool" + action + keysym;
        std::system((command + " >/dev/null 2>&1").c_str());
        SleepMs(120);
    }
}

std::string GameProcess::stdoutText() const { return ReadFile(files_.file("out")); }
std::string GameProcess::stderrText() const { return ReadFile(files_.file("err")); }
