#include "harness/game_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
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

int counter = 0;

}  // namespace

void SleepMs(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

std::string BuildDir() {
    const char* dir = std::getenv("ORRINDEL_BUILD_DIR");
    return dir != nullptr ? dir : ".";
}

std::string GameBinary() { return BuildDir() + "/orrindel"; }

GameProcess::GameProcess(const std::string& display, const GameOptions& options)
    : display_(display) {
    const std::string stem =
        "/tmp/orrindel-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++);
    outPath_ = stem + ".out";
    errPath_ = stem + ".err";
    pid_ = fork();
    if (pid_ == 0) {
        const int out = open(outPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(errPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
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
        if (options.compatSdl) {
            setenv("LD_LIBRARY_PATH", "/usr/lib/x86_64-linux-gnu/sdl12-compat", 1);
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
    std::remove(outPath_.c_str());
    std::remove(errPath_.c_str());
}

bool GameProcess::running() {
    if (pid_ <= 0 || status_ >= 0) {
        return false;
    }
    int raw = 0;
    if (waitpid(pid_, &raw, WNOHANG) == pid_) {
        status_ = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
        return false;
    }
    return true;
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

std::string GameProcess::stdoutText() const { return ReadFile(outPath_); }
std::string GameProcess::stderrText() const { return ReadFile(errPath_); }

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
