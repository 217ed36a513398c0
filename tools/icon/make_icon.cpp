// make-icon OUTDIR: writes OUTDIR/<size>x<size>/apps/orrindel.png for every size of
// kIconSizes, the layout of the hicolor icon theme.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "art/icon/icon_art.h"
#include "tools/png/png_writer.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-icon OUTDIR\n");
        return 2;
    }
    for (const int size : kIconSizes) {
        const std::string side = std::to_string(size);
        const auto dir = std::filesystem::path(argv[1]) / (side + "x" + side) / "apps";
        std::error_code error;
        std::filesystem::create_directories(dir, error);
        if (error) {
            std::fprintf(stderr, "make-icon: cannot create %s: %s\n", dir.c_str(),
                         error.message().c_str());
            return 1;
        }
        const RgbaImage icon = DrawIcon(size);
        if (!WritePng((dir / "orrindel.png").string(), size, size, 4, icon.rgba.data())) {
            return 1;
        }
    }
    return 0;
}
