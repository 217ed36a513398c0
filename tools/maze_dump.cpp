// maze-dump SEED SIZE TINTED UNTINTED
// Builds the maze the game would build after srand(SEED), with a texture set of TINTED
// tinted and UNTINTED untinted names, and prints its cells: '#' wall, '.' open, one line
// per row along x (y increasing), z-slices in increasing z separated by an empty line.
// Counts and the build time go to standard error.

#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "maze/maze.h"
#include "maze/random.h"

namespace {

bool ParseInt(const char* text, long low, long high, long& value) {
    const std::string_view s(text);
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    return error == std::errc() && end == s.data() + s.size() && value >= low && value <= high;
}

int Usage(const char* problem) {
    std::fprintf(stderr,
                 "maze-dump: %s\n"
                 "usage: maze-dump SEED SIZE TINTED UNTINTED\n"
                 "  SEED      0 to 4294967295, given to srand\n"
                 "  SIZE      odd, 3 to 39 (the game uses 5 to 39)\n"
                 "  TINTED    tinted texture count, UNTINTED untinted count (0 to 100000,\n"
                 "            at least one texture in all)\n",
                 problem);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        return Usage("expected four arguments");
    }
    long seed = 0;
    long size = 0;
    long tinted = 0;
    long untinted = 0;
    if (!ParseInt(argv[1], 0, 4294967295L, seed)) {
        return Usage("bad SEED");
    }
    if (!ParseInt(argv[2], 3, 39, size) || size % 2 == 0) {
        return Usage("bad SIZE");
    }
    if (!ParseInt(argv[3], 0, 100000, tinted) || !ParseInt(argv[4], 0, 100000, untinted)) {
        return Usage("bad texture count");
    }
    if (tinted + untinted == 0) {
        return Usage("no texture at all");
    }

    TextureSet textures;
    for (long i = 0; i < tinted + untinted; ++i) {
        textures.textures.push_back(static_cast<TextureId>(i + 1));
    }
    textures.tintedCount = static_cast<int>(tinted);

    SeedRandom(static_cast<unsigned>(seed));
    const auto start = std::chrono::steady_clock::now();
    const int n = static_cast<int>(size);
    const Maze maze(n, n, n, textures);
    const auto stop = std::chrono::steady_clock::now();

    std::string out;
    out.reserve(static_cast<std::size_t>(n) * n * (n + 1) + n);
    long open = 0;
    for (int z = 0; z < n; ++z) {
        if (z > 0) {
            out += '\n';
        }
        for (int y = 0; y < n; ++y) {
            for (int x = 0; x < n; ++x) {
                const bool wall = maze.isWall(x, y, z);
                open += wall ? 0 : 1;
                out += wall ? '#' : '.';
            }
            out += '\n';
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);

    const long half = (size - 1) / 2;
    const double ms = std::chrono::duration<double, std::milli>(stop - start).count();
    std::fprintf(stderr, "open cells: %ld\nrooms: %ld\nattempts: %ld\nbuild time: %.3f ms\n", open,
                 half * half * half, maze.generationAttempts(), ms);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
