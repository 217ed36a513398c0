// web-scenario SEED TEXTURES OUT: writes the browser test's play script for the game seeded
// with SEED (lines "FRAME down|up SYM", "FRAME motion DX DY", "FRAME pointer-lost", keyed by
// the frames presented before the poll that receives them), and prints the frames to compare
// with the desktop ("compare N...") and how many frames the run presents before Quit ends it
// ("frames N"). The run: the start view; menu keys, tapped within one frame; flight and
// mouse look; the pointer lost while playing; the 5 maze chosen and won by the autopilot;
// Return on the end screen; Quit.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "harness/input_script.h"
#include "maze/maze.h"
#include "maze/random.h"
#include "maze/texture_files.h"
#include "platform/keys.h"
#include "tests/player/flight.h"

namespace {

constexpr int kFrameMs = 16;  // the fake clock's frame in the browser test

// Down and up in one poll: shorter than a frame.
void QuickTap(InputScript& script, long frame, int sym) {
    script.down(frame, sym);
    script.up(frame, sym);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: web-scenario SEED TEXTURES OUT\n");
        return 2;
    }
    const TextureFileList files = FindTextureFiles(std::string(argv[2]) + "/");
    const TextureSet textures{std::vector<TextureId>(files.paths.size(), 1), files.tintedCount};
    SeedRandom(static_cast<unsigned>(std::strtoul(argv[1], nullptr, 10)));
    const Maze first(11, 11, 11, textures);

    InputScript script;
    std::vector<long> compare = {1};  // the start view: the menu over the 11 maze
    QuickTap(script, 2, key::Down);
    compare.push_back(3);  // Quit highlighted
    QuickTap(script, 4, key::Up);
    QuickTap(script, 6, key::Escape);
    compare.push_back(7);  // the menu closed
    // A quarter turn by key down a long corridor into the fog, a look by mouse, a flight.
    script.down(8, key::Right);
    script.up(66, key::Right);
    script.motion(70, 12, -6);
    script.down(72, key::I);
    script.up(90, key::I);
    compare.push_back(120);
    script.pointerLost(124);
    compare.push_back(125);  // the menu open again
    script.tap(128, key::Escape);
    const long firstPoll = ChooseSizeThroughMenu(script, 132, 5);
    for (long frame = 0; frame < firstPoll; ++frame) {
        Random();  // the marker's draw of every frame presented before the 5 maze is built
    }
    const Maze second(5, 5, 5, textures);
    const long win = FlyToExit(second, script, firstPoll, kFrameMs);
    if (win < 0) {
        std::fprintf(stderr, "web-scenario: the autopilot did not reach the exit\n");
        return 1;
    }
    const long endScreen = win + 1;
    compare.push_back(endScreen);
    // Return in the winning frame's poll, which the end screen reads first: the page then
    // steps no frame without presenting one, whose clock the desktop's would not follow.
    QuickTap(script, win, key::Return);
    compare.push_back(endScreen + 1);  // the next 5 maze, its time line from zero
    const long frames = ChooseQuitThroughMenu(script, endScreen + 3);
    script.write(argv[3]);
    std::printf("compare");
    for (long n : compare) {
        std::printf(" %ld", n);
    }
    std::printf("\nframes %ld\n", frames);
    return 0;
}
