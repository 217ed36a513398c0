// main() for tests that draw: one private Xvfb for the whole test program.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "harness/keep_gl_driver.h"
#include "harness/xvfb.h"
#include "platform/video.h"
#include "tests/support/display.h"

namespace {
Xvfb* server = nullptr;
bool windowOpen = false;
}  // namespace

const std::string& TestDisplay() { return server->display(); }

void OpenGameWindow() {
    if (!windowOpen) {
        InitVideo(kFrameWidth, kFrameHeight, 32, 1);
        windowOpen = true;
    }
}

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // gtest_discover_tests lists the tests without running them: no server needed.
    if (testing::GTEST_FLAG(list_tests)) {
        return RUN_ALL_TESTS();
    }
    Xvfb xvfb;
    server = &xvfb;
    setenv("DISPLAY", xvfb.display().c_str(), 1);
    unsetenv("SDL_VIDEODRIVER");
    int result = RUN_ALL_TESTS();
    if (windowOpen && KeepGlDriverLoaded() == 0) {
        std::fprintf(stderr, "no GL driver module found to keep loaded for the leak check\n");
        result = 1;
    }
    SDL_Quit();  // before the server goes away
    server = nullptr;
    return result;
}
