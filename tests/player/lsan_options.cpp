// Points LeakSanitizer at the project's list of allocations that X, the GL driver and SDL
// keep until exit, so the drawing tests pass also when the environment does not carry it.
// Weak: a program-wide setting elsewhere takes precedence.
extern "C" __attribute__((weak)) const char* __lsan_default_options() {
    return "suppressions=" ORRINDEL_LSAN_SUPPRESSIONS ":print_suppressions=0";
}
