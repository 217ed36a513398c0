#include "platform/quit_signal.h"

#include <SDL.h>
#include <pthread.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <thread>

namespace {

std::atomic<bool> quitRequested{false};
std::atomic<bool> mainThreadQuitting{false};

sigset_t QuitSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}

void Watch(sigset_t signals) {
    int received = 0;
    while (sigwait(&signals, &received) != 0) {
    }
    quitRequested = true;
    std::this_thread::sleep_for(std::chrono::milliseconds(kQuitGraceMs));
    if (!mainThreadQuitting) {
        _exit(0);
    }
}

}  // namespace

void StartQuitWatcher() {
    const sigset_t signals = QuitSignals();
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    std::thread(Watch, signals).detach();
}

void QuitIfSignalled() {
    if (quitRequested) {
        mainThreadQuitting = true;  // its exit may take longer than the grace (leak checks)
        SDL_Quit();
        std::exit(0);
    }
}
