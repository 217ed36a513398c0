#include "harness/keep_gl_driver.h"

#include <dlfcn.h>
#include <link.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

// Mesa's DRI drivers (swrast_dri.so and friends) and the gallium library newer ones load.
bool IsGlDriver(std::string_view path) {
    const std::string_view name = path.substr(path.find_last_of('/') + 1);
    return name.find("_dri.so") != std::string_view::npos || name.starts_with("libgallium");
}

int Collect(dl_phdr_info* info, std::size_t, void* out) {
    if (info->dlpi_name != nullptr && IsGlDriver(info->dlpi_name)) {
        static_cast<std::vector<std::string>*>(out)->emplace_back(info->dlpi_name);
    }
    return 0;
}

}  // namespace

int KeepGlDriverLoaded() {
    std::vector<std::string> drivers;
    dl_iterate_phdr(Collect, &drivers);
    int pinned = 0;
    for (const std::string& path : drivers) {
        // Already loaded: this only takes another reference that is never dropped.
        if (dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE) != nullptr) {
            ++pinned;
        }
    }
    return pinned;
}
