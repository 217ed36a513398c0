#pragma once

#include <cstdint>

#include "platform/web/held_keys.h"

// Pads with the standard mapping, read at every poll (navigator.getGamepads), as keys and
// mouse motion. A pad may come or go at any moment; one that goes lets go of what it held.
// Others are left alone, with one line in the console.
//
// Left stick: the flight keys (i/k/j/l), as a finger's stick gives them. Right stick: looks
// around, half a turn a second at full deflection. Bumpers: bank (u/o); triggers: sink and
// rise (h/y); D-pad: the arrow keys; A: Return; Start: Escape, and B too while the menu is
// open.
struct PadLook {
    double dx = 0;
    double dy = 0;
};
PadLook PollPads(HeldKeys& held, bool menuOpen, std::uint32_t frameMs);
