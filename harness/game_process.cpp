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

int RunQuiet(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str());
}

std::string RealPath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path real = std::filesystem::canonical(path, error);
    return error ? std::string() : real.string();
}

struct LinkedVersion {
    std::uint8_t major, minor, patch;
};

// What the loader finds for libSDL-1.2.so.0, and whether it is the compatibility library,
// which counts its versions from 1.2.50.
SdlLibrary LoaderSdl(std::string& path) {
    void* sdl = dlopen("libSDL-1.2.so.0", RTLD_NOW | RTLD_LOCAL);
    if (sdl == nullptr) {
        std::fprintf(stderr, "no SDL 1.2 library: %s\n", dlerror());
        std::abort();
    }
    link_map* map = nullptr;
    dlinfo(sdl, RTLD_DI_LINKMAP, &map);
    path = RealPath(map->l_name);
    const auto version =
        reinterpret_cast<const LinkedVersion* (*)()>(dlsym(sdl, "SDL_Linked_Version"))();
    SdlLibrary library{version->patch >= 50 ? "compat" : "classic", ""};
    dlclose(sdl);
    return library;
}

std::vector<SdlLibrary> FindSdlLibraries() {
    std::string loaderPath;
    std::vector<SdlLibrary> found{LoaderSdl(loaderPath)};
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

void GameProcess::keyDown(const std::string& keysym) {
    RunQuiet("DISPLAY=" + display_ + " xdotool keydown " + keysym);
}

void GameProcess::keyUp(const std::string& keysym) {
    RunQuiet("DISPLAY=" + display_ + " xdotool keyup " + keysym);
}

void GameProcess::tap(const std::string& keysym, int holdMs) {
    keyDown(keysym);
    SleepMs(holdMs);
    keyUp(keysym);
    SleepMs(holdMs);
}

std::vector<std::uint8_t> GameProcess::screenshot() {
    const std::string command =
        "xwd -root -silent -display " + display_ + " | convert xwd:- -depth 8 rgb:-";
    std::vector<std::uint8_t> rgb;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return rgb;
    }
    std::uint8_t buffer[65536];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        rgb.insert(rgb.end(), buffer, buffer + n);
    }
    pclose(pipe);
    return rgb;
}

std::string GameProcess::stdoutText() const { return ReadFile(files_.file("out")); }
std::string GameProcess::stderrText() const { return ReadFile(files_.file("err")); }

bool WaitForPicture(GameProcess& game, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline && game.running()) {
        const std::vector<std::uint8_t> shot = game.screenshot();
        for (std::uint8_t byte : shot) {
            if (byte != 0) {
                return true;
            }
        }
        SleepMs(100);
    }
    return false;
}
