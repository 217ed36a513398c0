// make-font OUT.bmp: writes the game's font sheet.
#include <cstdio>
#include <string>

#include "tools/bmp/bmp_writer.h"
#include "tools/font/glyph_sheet.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-font OUT.bmp\n");
        return 2;
    }
    font_sheet::Sheet sheet;
    std::string error;
    if (!font_sheet::RenderSheet(font_sheet::kDefaultFont, sheet, error)) {
        std::fprintf(stderr, "make-font: %s\n", error.c_str());
        return 1;
    }
    if (!WriteBmp(argv[1], sheet.image)) {
        std::fprintf(stderr, "make-font: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
