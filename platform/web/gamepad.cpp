#include "platform/web/gamepad.h"

#include <emscripten/html5.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>
#include <set>
#include <string>

#include "platform/web/stick.h"

namespace {

constexpr double kMoveDeadZone = 0.3;
constexpr double kLookDeadZone = 0.15;
constexpr double kTriggerPressed = 0.5;
// Mouse motion per ms at full deflection: half a turn a second, 300 units to the radian.
constexpr double kLookPerMs = 300 * std::numbers::pi / 1000;

// Buttons of the standard mapping and the keys they hold.
constexpr struct {
    int button;
    int sym;
} kButtons[] = {{0, key::Return}, {9, key::Escape}, {4, key::U},     {5, key::O},
                {12, key::Up},    {13, key::Down},  {14, key::Left}, {15, key::Right}};
constexpr int kB = 1;
constexpr int kLeftTrigger = 6;
constexpr int kRightTrigger = 7;

struct Pads {
    std::set<long> present;         // indices that held a source at the last poll
    std::set<std::string> ignored;  // pads without the standard mapping, said once
};

Pads pads;

bool Pressed(const EmscriptenGamepadEvent& pad, int button) {
    return button < pad.numButtons && pad.digitalButton[button] != 0;
}

KeySet KeysOf(const EmscriptenGamepadEvent& pad, bool menuOpen) {
    KeySet keys = pad.numAxes >= 2 ? StickKeys(pad.axis[0], pad.axis[1], kMoveDeadZone) : KeySet();
    for (const auto& [button, sym] : kButtons) {
        if (Pressed(pad, button)) {
            keys.set(sym);
        }
    }
    if (menuOpen && Pressed(pad, kB)) {
        keys.set(key::Escape);
    }
    for (const auto& [trigger, sym] : {std::pair{kLeftTrigger, key::H}, {kRightTrigger, key::Y}}) {
        if (trigger < pad.numButtons && pad.analogButton[trigger] > kTriggerPressed) {
            keys.set(sym);
        }
    }
    return keys;
}

}  // namespace

PadLook PollPads(HeldKeys& held, bool menuOpen, std::uint32_t frameMs) {
    PadLook look;
    std::set<long> present;
    const int count = emscripten_sample_gamepad_data() == EMSCRIPTEN_RESULT_SUCCESS
                          ? emscripten_get_num_gamepads()
                          : 0;
    for (int i = 0; i < count; ++i) {
        EmscriptenGamepadEvent pad;
        if (emscripten_get_gamepad_status(i, &pad) != EMSCRIPTEN_RESULT_SUCCESS ||
            pad.connected == 0) {
            continue;
        }
        if (std::strcmp(pad.mapping, "standard") != 0) {
            if (pads.ignored.insert(pad.id).second) {
                std::printf(
                    "Orrindel: the gamepad \"%s\" has no standard mapping; it is left "
                    "alone\n",
                    pad.id);
            }
            continue;
        }
        present.insert(i);
        held.holdOnly({Device::Pad, i}, KeysOf(pad, menuOpen));
        const double deflection = pad.numAxes >= 4 ? std::hypot(pad.axis[2], pad.axis[3]) : 0;
        if (deflection > kLookDeadZone) {
            // A square stick's corner is no more than full deflection.
            const double scale = kLookPerMs * frameMs / std::max(1.0, deflection);
            look.dx += pad.axis[2] * scale;
            look.dy += pad.axis[3] * scale;
        }
    }
    for (const long gone : pads.present) {
        if (present.count(gone) == 0) {
            held.holdOnly({Device::Pad, gone}, KeySet());
        }
    }
    pads.present = present;
    return look;
}
