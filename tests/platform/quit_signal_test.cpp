#include <SDL.h>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

#include "platform/input.h"
#include "platform/quit_signal.h"
#include "tests/platform/child_process.h"

namespace {

// Exits with 4 if SDL is still up when the process ends: the signal must shut it down.
void RequireSdlShutDownAtExit() {
    std::atexit([] {
        if (SDL_WasInit(SDL_INIT_VIDEO) != 0) {
            _exit(4);
        }
    });
}

TEST(QuitSignalTest, InterruptAndTerminateEndTheGameCleanly) {
    for (int signalNumber : {SIGINT, SIGTERM}) {
        const ChildResult result = RunInChild([signalNumber] {
            InstallQuitSignalHandlers();
            RequireSdlShutDownAtExit();
            std::raise(signalNumber);
            PollInput();
        });
        EXPECT_EQ(result.signal, 0) << "signal " << signalNumber;
        EXPECT_EQ(result.exitStatus, 0) << "signal " << signalNumber;
    }
}

TEST(QuitSignalTest, CloseRequestWithoutSignalKeepsTheGameRunning) {
    const ChildResult result = RunInChild([] {
        InstallQuitSignalHandlers();
        SDL_Event quit = {};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);
        PollInput();
        PollInput();
    });
    EXPECT_EQ(result.exitStatus, kFellThrough);
}

TEST(QuitSignalTest, SecondSignalBeforeAnyPollStopsAStuckGame) {
    const ChildResult result = RunInChild([] {
        InstallQuitSignalHandlers();
        std::raise(SIGTERM);
        std::raise(SIGTERM);
    });
    EXPECT_EQ(result.signal, SIGTERM);
}

}  // namespace
