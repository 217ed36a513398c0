// make-icon HICOLOR_DIR PAGE_DIR: writes HICOLOR_DIR/<size>x<size>/apps/orrindel.png for every
// size of kIconSizes, the layout of the hicolor icon theme, and PAGE_DIR/icon-<size>.png for
// every size of kPageIconSizes.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "art/icon/icon_art.h"
#include "tools/png/png_writer.h"

namespace {

bool Write(const std::filesystem::path& file, int size) {
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    if (error) {
        std::fprintf(stderr, "make-icon: cannot create %s: %s\n", file.parent_path().c_str(),
                     error.message().c_str());
        return false;
    }
    const RgbaImage icon = DrawIcon(size);
    return WritePng(file.string(), size, size, 4, icon.rgba.data());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make-icon HICOLOR_DIR PAGE_DIR\n");
        return 2;
    }
    for (const int size : kIconSizes) {
        const std::string side = std::to_string(size);
        if (!Write(std::filesystem::path(argv[1]) / (side + "x" + side) / "apps" / "orrindel.png",
                   size)) {
            return 1;
        }
    }
    for (const int size : kPageIconSizes) {
        if (!Write(std::filesystem::path(argv[2]) / ("icon-" + std::to_string(size) + ".png"),
                   size)) {
            return 1;
        }
    }
    return 0;
}
