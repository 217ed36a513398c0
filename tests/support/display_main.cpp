// main() for tests that draw: one private Xvfb for the whole test program.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "harness/keep_gl_driver.h"
#include "harness/xvfb.h"
#include "tests/support/display.h"

namespace {
Xvfb* server = nullptr;
}

const std::string& TestDisplay() { return server->display(); }

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // gtest_discover_tests lists the tests without running them: no server needed.
    if (testing::GTEST_FLAG(list_tests)) {
        return RUN_ALL_TESTS();
    }
    KeepGlDriverLoaded();
    Xvfb xvfb;
    server = &xvfb;
    setenv("DISPLAY", xvfb.display().c_str(), 1);
    unsetenv("SDL_VIDEODRIVER");
    const int result = RUN_ALL_TESTS();
    SDL_Quit();  // before the server goes away
    server = nullptr;
    return result;
}
