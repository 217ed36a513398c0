// make-icon OUTDIR SIZE...: writes OUTDIR/<size>x<size>/apps/orrindel.png for each size, the
// layout of the hicolor icon theme.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "tools/icon/icon_art.h"
#include "tools/png/png_writer.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: make-icon OUTDIR SIZE...\n");
        return 2;
    }
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size < 1 || size > 1024) {
            std::fprintf(stderr, "make-icon: bad size %s\n", argv[i]);
            return 2;
        }
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
