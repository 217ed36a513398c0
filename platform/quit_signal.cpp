#include "platform/quit_signal.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t quitSignalled = 0;

void OnQuitSignal(int) { quitSignalled = 1; }

void Install(int signalNumber) {
    struct sigaction action = {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    // A second signal takes the default action, so a game stuck outside its frame loop can
    // still be stopped.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    sigaction(signalNumber, &action, nullptr);
}

}  // namespace

void InstallQuitSignalHandlers() {
    Install(SIGINT);
    Install(SIGTERM);
}

bool QuitSignalReceived() { return quitSignalled != 0; }
