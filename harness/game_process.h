#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "harness/temp_dir.h"

// An SDL 1.2 library the game can run on: the one the loader finds, or the SDL2-based
// compatibility library from its own folder.
struct SdlLibrary {
    std::string name;       // "classic" (SDL 1.2 itself) or "compat"
    std::string directory;  // for LD_LIBRARY_PATH; empty for the loader's own choice
};

// The libraries of this system, each once: the loader's, then the compatibility library
// where it is another one. Debian 12 has both; Debian 13 has only the compatibility library.
const std::vector<SdlLibrary>& SdlLibraries();

// The real game binary, started under the test's X server as a player would start it, and
// driven with real key events (xdotool) or an input script (see play_shim.cpp).
struct GameOptions {
    std::string workDir;           // the game reads ./textures/ from here
    std::vector<std::string> env;  // extra NAME=VALUE entries
    SdlLibrary sdl;                // the loader's own choice unless set
};
// Every game runs with play_shim.cpp preloaded: its ORRINDEL_* variables in env fix the
// seed, the clock and the input.

class GameProcess {
  public:
    // An empty display starts the game with none at all.
    GameProcess(const std::string& display, const GameOptions& options);
    ~GameProcess();  // kills the game if it still runs
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    bool running();
    // Exit status, or -1 when the game is still running after timeoutMs, or 128 + signal.
    int waitExit(int timeoutMs);
    void signal(int sig);
    int pid() const { return pid_; }
    // Processor time the game has used so far, all threads, user and system; once it has
    // ended, all it used.
    double cpuMs();

    // A key tap through the X server, held and followed by a pause, so that taps in a row
    // land in polls of their own.
    void tap(const std::string& keysym);

    std::string stdoutText() const;
    std::string stderrText() const;

  private:
    std::string display_;
    TempDir files_;
    pid_t pid_ = -1;
    int status_ = -1;
    double endCpuMs_ = 0;
};

// Path of the built game and of its folder (the build directory).
std::string GameBinary();
std::string BuildDir();

void SleepMs(int ms);
