// Xlib and the GL driver keep a few allocations for the life of the process (visual lists,
// atom names) that SDL never frees; LeakSanitizer would fail every drawing test for them.
// Weak, so a program-wide list elsewhere takes precedence.
extern "C" __attribute__((weak)) const char* __lsan_default_suppressions() {
    return "leak:libX11.so\n"
           "leak:libGLX_mesa.so\n"
           "leak:libGLX.so\n"
           "leak:swrast_dri.so\n"
           "leak:libubsan.so\n";
}
