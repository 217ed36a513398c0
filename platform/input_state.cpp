#include "platform/input.h"

InputState inputState;

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
