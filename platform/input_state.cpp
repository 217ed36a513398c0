#include "platform/input.h"

InputState inputState;

namespace {

constexpr int kButtonSlots = sizeof(InputState::buttons);

void Press(std::int8_t& latch, std::int8_t& pressedInPoll, std::int8_t& releaseDue) {
    latch = 1;
    pressedInPoll = 1;
    releaseDue = 0;
}

void Release(std::int8_t& latch, std::int8_t pressedInPoll, std::int8_t& releaseDue) {
    if (pressedInPoll != 0) {
        releaseDue = 1;
    } else {
        latch = 0;
    }
}

}  // namespace

void BeginPoll() {
    InputState& s = inputState;
    for (int k = 0; k < key::Last; ++k) {
        s.keys[k] = s.keyReleaseDue[k] != 0 ? 0 : s.keys[k];
        s.keyPressedInPoll[k] = s.keyReleaseDue[k] = 0;
    }
    for (int b = 0; b < kButtonSlots; ++b) {
        s.buttons[b] = s.buttonReleaseDue[b] != 0 ? 0 : s.buttons[b];
        s.buttonPressedInPoll[b] = s.buttonReleaseDue[b] = 0;
    }
    s.mouseDX = 0;
    s.mouseDY = 0;
}

void PressKey(long long sym) {
    if (sym >= 0 && sym < key::Last) {
        InputState& s = inputState;
        Press(s.keys[sym], s.keyPressedInPoll[sym], s.keyReleaseDue[sym]);
    }
}

void ReleaseKey(long long sym) {
    if (sym >= 0 && sym < key::Last) {
        InputState& s = inputState;
        Release(s.keys[sym], s.keyPressedInPoll[sym], s.keyReleaseDue[sym]);
    }
}

void PressButton(int button) {
    if (button >= 0 && button < kButtonSlots) {
        InputState& s = inputState;
        Press(s.buttons[button], s.buttonPressedInPoll[button], s.buttonReleaseDue[button]);
    }
}

void ReleaseButton(int button) {
    if (button >= 0 && button < kButtonSlots) {
        InputState& s = inputState;
        Release(s.buttons[button], s.buttonPressedInPoll[button], s.buttonReleaseDue[button]);
    }
}

void ReleaseEverything() {
    for (int k = 0; k < key::Last; ++k) {
        ReleaseKey(k);
    }
    for (int b = 0; b < kButtonSlots; ++b) {
        ReleaseButton(b);
    }
}

int ReadKey(int sym, int clear) {
    if (sym < 0 || sym >= key::Last) {
        return 0;
    }
    const int value = inputState.keys[sym];
    if (clear != 0) {
        inputState.keys[sym] = 0;
    }
    return value;
}

int MouseAxisX(int relative) { return relative != 0 ? inputState.mouseDX : inputState.mouseX; }

int MouseAxisY(int relative) { return relative != 0 ? inputState.mouseDY : inputState.mouseY; }

int ReadMouseButton(int index, int clear) {
    if (index < 0 || index > 4) {
        return 0;
    }
    const int value = inputState.buttons[index + 1];
    if (clear != 0) {
        inputState.buttons[index + 1] = 0;
    }
    return value;
}
