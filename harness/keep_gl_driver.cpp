#include "harness/keep_gl_driver.h"

#include <dlfcn.h>

#include <initializer_list>

void KeepGlDriverLoaded() {
    for (const char* driver : {"/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so",
                               "/usr/lib/x86_64-linux-gnu/dri/kms_swrast_dri.so"}) {
        dlopen(driver, RTLD_NOW | RTLD_GLOBAL | RTLD_NODELETE);
    }
}
