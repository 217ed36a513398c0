// Compiled into every test program: the environment the tests rely on, set from inside the
// program so that it holds however the test is started (ctest, by hand, under a debugger).
#include <cstdlib>

extern "C" const char* __lsan_default_options() {
    // X, the GL driver and SDL keep allocations for the life of a process.
    return "suppressions=" ORRINDEL_SOURCE_DIR "/tests/support/lsan.supp:print_suppressions=0";
}

namespace {

bool Prepare() {
    setenv("ORRINDEL_BUILD_DIR", ORRINDEL_BUILD_DIR, 0);
    // Games started by the tests are built with the sanitizers too.
    setenv("LSAN_OPTIONS",
           "suppressions=" ORRINDEL_SOURCE_DIR "/tests/support/lsan.supp:print_suppressions=0", 0);
#ifdef ORRINDEL_DUMMY_VIDEO
    // Without a display and without this, SDL 1.2 quietly falls back to a text-terminal
    // driver and "works".
    setenv("SDL_VIDEODRIVER", "dummy", 1);
#endif
    return true;
}

const bool prepared = Prepare();

}  // namespace
