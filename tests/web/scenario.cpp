// web-scenario SEED TEXTURES OUT keys|touch: writes the browser test's play script for the
// game seeded with SEED into OUT, the desktop's equivalent keys into OUT.desktop (for the play
// shim), and prints the frames to compare ("compare N...") and how many frames the page
// presents ("frames N"). Lines are keyed by the frames presented before the poll that
// receives them. The page's: "down|up SYM" (the keyboard's keys; in the touch run, what the
// touch controls hold: the stick's i/k/j/l, the buttons' y/h/u/o/27), "motion DX DY",
// "pointer-lost", "browsers-keys" (keys that are the browser's, and its menu), "pad
// AX0,AX1,AX2,AX3 BUTTON,..." or "pad none"; "tap X Y" and "drag DX DY" (CSS px on an
// 800 x 600 game), "drag-end", "cancel", "turn W H" (the viewport).
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "harness/input_script.h"
#include "maze/maze.h"
#include "maze/random.h"
#include "maze/texture_files.h"
#include "menu/menu_layout.h"
#include "menu/menu_page.h"
#include "platform/keys.h"
#include "platform/video.h"
#include "tests/player/flight.h"

namespace {

constexpr int kFrameMs = 16;  // the fake clock's frame in the browser test

// Down and up in one poll: shorter than a frame.
void QuickTap(InputScript& script, long frame, int sym) {
    script.down(frame, sym);
    script.up(frame, sym);
}

// Whole units of mouse motion from a look that carries its fractions, as the page does.
struct Carry {
    double x = 0, y = 0;
    void look(InputScript& desktop, long frame, double dx, double dy) {
        x += dx;
        y += dy;
        const double wx = std::trunc(x), wy = std::trunc(y);
        x -= wx;
        y -= wy;
        if (wx != 0 || wy != 0) {
            desktop.motion(frame, static_cast<int>(wx), static_cast<int>(wy));
        }
    }
};

// A finger's tap on item `line` of the shown menu page, from the text's place on screen; the
// page then taps Up or Down once per poll until the highlight is there, and Return. Returns
// the frame after the Return.
long TapLine(InputScript& page, InputScript& desktop, long frame, const MenuPage& shown,
             unsigned from, unsigned line) {
    std::vector<std::string> lines{shown.title};
    for (const MenuItem& item : shown.items) {
        lines.push_back(item.label);
    }
    const TextLine text = MenuScreenLines(MenuOpen, lines, from)[line];
    const double halfHeight = 50 * std::tan(kFieldOfViewY / 2 * std::numbers::pi / 180);
    const double y = 300 - 300 * (text.origin.y + text.height.y / 2) / halfHeight;
    page.action(frame, "tap 400 " + std::to_string(static_cast<int>(y)));
    for (; from != line; ++frame) {
        QuickTap(desktop, frame, from < line ? key::Down : key::Up);
        from += from < line ? 1 : -1;
    }
    QuickTap(desktop, frame, key::Return);
    return frame + 1;
}

// The touch run: the Menu button; a flight with the stick and Rise at once and a look drag,
// cancelled mid-hold; the phone upright and back; a size chosen by taps (Up and Down by the
// page, the Menu button between); the 5 maze flown with the stick, Rise and Sink; the end
// screen passed by a tap; Quit by a tap.
long TouchRun(InputScript& page, InputScript& desktop, std::vector<long>& compare,
              const TextureSet& textures) {
    const auto menu = BuildMenu();
    const MenuPage& difficulty = *menu->items[0].target;
    auto button = [&](long frame, int sym) {
        page.tap(frame, sym);
        return desktop.tap(frame, sym);
    };
    button(2, key::Escape);
    compare.push_back(3);
    // A quarter turn by a look drag, down a corridor; then the stick and Rise at once, until
    // the browser cancels the touches.
    Carry carry;
    const double perPx = 300 * std::numbers::pi / 800;
    for (long frame = 4; frame < 12; ++frame) {
        page.action(frame, "drag 50 -1");
        carry.look(desktop, frame, 50 * perPx, -1 * perPx);
    }
    page.action(12, "drag-end");
    page.hold(14, {key::I, key::Y});
    desktop.hold(14, {key::I, key::Y});
    page.action(20, "cancel");
    page.hold(20, {});  // nothing to lift: the fingers are gone
    desktop.hold(20, {});
    compare.push_back(30);
    page.action(32, "turn 390 844");
    QuickTap(desktop, 32, key::Escape);
    page.action(34, "turn 800 600");
    compare.push_back(35);
    long frame = TapLine(page, desktop, 36, *menu, 1, 1);
    frame = TapLine(page, desktop, frame + 1, difficulty, 1, 3);
    compare.push_back(frame);
    frame = button(frame + 1, key::Escape);
    frame = button(frame, key::Escape);
    frame = TapLine(page, desktop, frame, *menu, 1, 1);
    frame = TapLine(page, desktop, frame + 1, difficulty, 3, 1);
    compare.push_back(frame);
    frame = TapLine(page, desktop, frame + 1, *difficulty.items[0].target, 1, 1) + 1;
    for (long f = 0; f < frame; ++f) {
        Random();  // the marker's draw of every frame presented before the 5 maze is built
    }
    const Maze second(5, 5, 5, textures);
    const long win = FlyToExit(second, desktop, frame, kFrameMs);
    FlyToExit(second, page, frame, kFrameMs);
    if (win < 0) {
        return -1;
    }
    compare.push_back(win + 1);  // the end screen
    page.action(win + 1, "tap 400 300");
    QuickTap(desktop, win + 1, key::Return);
    compare.push_back(win + 2);  // the next 5 maze
    frame = button(win + 3, key::Escape);
    return TapLine(page, desktop, frame, *menu, 1, 2);
}

// The keyboard, mouse and pad run, a pad's state at a time: the D-pad in the menu; the 11
// maze chosen by the keyboard, its Down held long enough to repeat (one step, or another maze
// is built); a quarter turn by the D-pad; a look by mouse; both sticks, a bumper and a trigger; the
// keyboard's i held while the pad lets go of it; the pad taken away mid-flight; the browser's keys;
// Start, A and B in the menu; the pointer lost while playing; Quit by the keyboard. Each row: the
// page's action from its frame on, and what the desktop's keys hold from then.
long KeysRun(InputScript& page, InputScript& desktop, std::vector<long>& compare) {
    constexpr long t = 86;
    const std::vector<std::tuple<long, const char*, std::set<int>>> steps = {
        {2, "pad 0,0,0,0 13", {key::Down}},
        {4, "pad 0,0,0,0 -", {}},
        {6, "pad 0,0,0,0 12", {key::Up}},
        {7, "pad 0,0,0,0 -", {}},
        {8, "down 13", {key::Return}},
        {9, "up 13", {}},
        {11, "down 13", {key::Return}},
        {12, "up 13", {}},
        {14, "down 274", {key::Down}},
        {18, "up 274", {}},
        {19, "down 13", {key::Return}},
        {20, "up 13", {}},
        {26, "pad 0,0,0,0 15", {key::Right}},
        {84, "pad 0,0,0,0 -", {}},
        {t, "pad -0.7,-0.7,0.3,-0.2 4,7", {key::I, key::J, key::U, key::Y}},
        {t + 6, "pad 0,-1,0.3,-0.2 -", {key::I}},
        {t + 12, "pad 0,-1,0,0 -", {key::I}},
        {t + 15, "down 105", {key::I}},
        {t + 18, "pad 0,0,0,0 -", {key::I}},
        {t + 24, "up 105", {}},
        {t + 30, "pad 0,-1,0,0 -", {key::I}},
        {t + 34, "pad none", {}},
        {t + 36, "browsers-keys", {}},
        {t + 46, "pad 0,0,0,0 9", {key::Escape}},
        {t + 47, "pad 0,0,0,0 -", {}},
        {t + 49, "pad 0,0,0,0 0", {key::Return}},
        {t + 50, "pad 0,0,0,0 -", {}},
        {t + 53, "pad 0,0,0,0 1", {key::Escape}},
        {t + 54, "pad 0,0,0,0 -", {}},
        {t + 58, "pointer-lost", {key::Escape}},  // the desktop has no pointer to lose
        {t + 59, "pad 0,0,0,0 -", {}},
        {t + 62, "down 27", {key::Escape}},
        {t + 63, "up 27", {}},
    };
    for (const auto& [frame, action, keys] : steps) {
        page.action(frame, action);
        desktop.hold(frame, keys);
    }
    page.motion(t - 1, 12, -6);
    desktop.motion(t - 1, 12, -6);
    Carry carry;  // the right stick's look while it is held
    const double perFrame = 300 * std::numbers::pi / 1000 * kFrameMs;
    for (long frame = t; frame < t + 12; ++frame) {
        carry.look(desktop, frame, 0.3 * perFrame, -0.2 * perFrame);
    }
    compare.insert(compare.end(), {5, 18, 24, t + 14, t + 28, t + 44, t + 52, t + 55, t + 59});
    ChooseQuitThroughMenu(desktop, t + 66);
    return ChooseQuitThroughMenu(page, t + 66);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc == 5 ? argv[4] : "";
    if (argc != 5 || (mode != "keys" && mode != "touch")) {
        std::fprintf(stderr, "usage: web-scenario SEED TEXTURES OUT keys|touch\n");
        return 2;
    }
    const TextureFileList files = FindTextureFiles(std::string(argv[2]) + "/");
    const TextureSet textures{std::vector<TextureId>(files.paths.size(), 1), files.tintedCount};
    SeedRandom(static_cast<unsigned>(std::strtoul(argv[1], nullptr, 10)));
    const Maze first(11, 11, 11, textures);

    std::vector<long> compare = {1};  // the start view: the menu over the 11 maze
    InputScript page;
    InputScript desktop;
    const long frames = mode == "touch" ? TouchRun(page, desktop, compare, textures)
                                        : KeysRun(page, desktop, compare);
    if (frames < 0) {
        std::fprintf(stderr, "web-scenario: the autopilot did not reach the exit\n");
        return 1;
    }
    page.write(argv[3]);
    desktop.write(std::string(argv[3]) + ".desktop");
    std::printf("compare");
    for (const long n : compare) {
        std::printf(" %ld", n);
    }
    std::printf("\nframes %ld\n", frames);
}
