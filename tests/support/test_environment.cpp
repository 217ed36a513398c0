// Compiled into every test program: the environment the tests rely on, set from inside the
// program so that it holds however the test is started (ctest, by hand, under a debugger).
#include <cstdlib>
#include <string>

// The sanitizers misread the GL driver's thread-local storage when it lands 16 bytes into a
// page, and the leak check at exit then crashes. It holds nothing of ours.
#define ORR_TLS_OPTION "intercept_tls_get_addr=0"

extern "C" const char* __asan_default_options() { return ORR_TLS_OPTION; }

extern "C" const char* __lsan_default_options() {
    // X, the GL driver and SDL keep allocations for the life of a process.
    return "suppressions=" ORRINDEL_SOURCE_DIR "/tests/support/lsan.supp:print_suppressions=0";
}

namespace {

bool Prepare() {
    setenv("ORRINDEL_BUILD_DIR", ORRINDEL_BUILD_DIR, 0);
    // Games started by the tests are built with the sanitizers too.
    const char* asan = std::getenv("ASAN_OPTIONS");
    setenv("ASAN_OPTIONS",
           ((asan != nullptr ? std::string(asan) + ":" : "") + ORR_TLS_OPTION).c_str(), 1);
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
