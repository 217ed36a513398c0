// make-textures OUTDIR: writes the wall textures t1.bmp... and u1.bmp... into OUTDIR.
#include <cstdio>

#include "tools/textures/write_textures.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-textures OUTDIR\n");
        return 2;
    }
    return art::WriteTextures(argv[1]) ? 0 : 1;
}
