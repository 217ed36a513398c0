#pragma once

#include <cstdint>

#include "platform/keys.h"

// Keyboard and mouse folded into one record at the start of each frame.
// Keys and buttons are latches: 1 from the down event until the up event or a clearing read.
// A press and its release within one poll keep the latch for that poll, so that a tap shorter
// than a frame is seen once and nothing stays stuck.
// PollInput (the only writer besides tests) lives in sdl_input.cpp; it feeds the events
// through the functions below, which need no SDL.
struct InputState {
    std::int8_t keys[key::Last] = {};
    std::int32_t mouseX = 0;  // pointer position of the last motion event ever seen
    std::int32_t mouseY = 0;
    std::int32_t mouseDX = 0;  // relative motion summed over the latest poll
    std::int32_t mouseDY = 0;
    std::int8_t buttons[8] = {};  // indexed by SDL button number
    // Pressed in the latest poll, and released in it too: let go at the next poll.
    std::int8_t keyPressedInPoll[key::Last] = {};
    std::int8_t keyReleaseDue[key::Last] = {};
    std::int8_t buttonPressedInPoll[8] = {};
    std::int8_t buttonReleaseDue[8] = {};
};

extern InputState inputState;

// Drains SDL's event queue into inputState. After SIGINT or SIGTERM it ends the game instead
// (quit_signal.h).
void PollInput();

// How a poll changes the record. Symbols and button numbers out of range are dropped.
void BeginPoll();  // lets go what was tapped in the last poll; no relative motion yet
void PressKey(long long sym);
void ReleaseKey(long long sym);
void PressButton(int button);
void ReleaseButton(int button);
void ReleaseEverything();  // the window lost the keyboard: no key or button stays held

// A screen that only waits for a key sleeps this long between polls: an idle processor, and
// the key still seen within a frame's time.
constexpr int kPollPauseMs = 5;
void PauseBetweenPolls();

// The latch of a key symbol (0 or 1); cleared after reading when clear is non-zero.
// Symbols outside 0 .. key::Last - 1 read as 0.
int ReadKey(int sym, int clear);

// mouseDX / mouseDY when relative is non-zero, else mouseX / mouseY.
int MouseAxisX(int relative);
int MouseAxisY(int relative);

// index 0..4 is SDL button index + 1 (0 left, 1 middle, 2 right, 3/4 wheel);
// anything else reads 0 and touches nothing.
int ReadMouseButton(int index, int clear);
