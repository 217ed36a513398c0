// make-font FONT.ttf OUT.bmp: writes the game's font sheet, drawn from a TrueType font.
#include <cstdio>
#include <string>

#include "tools/bmp/bmp_writer.h"
#include "tools/font/glyph_sheet.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make-font FONT.ttf OUT.bmp\n");
        return 2;
    }
    font_sheet::Sheet sheet;
    std::string error;
    if (!font_sheet::RenderSheet(argv[1], sheet, error)) {
        std::fprintf(stderr, "make-font: %s\n", error.c_str());
        return 1;
    }
    if (!WriteBmp(argv[2], sheet.image)) {
        std::fprintf(stderr, "make-font: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
