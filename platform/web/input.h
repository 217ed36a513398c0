#pragma once

#include <functional>

// The page's input: keys, mouse, touch and gamepads, gathered between frames and fed to the
// shared input record by PollInput. Every device speaks as keys, taps and mouse motion.

// Listens to the window's keys, the game's mouse and touches, focus, visibility, pointer
// lock, full screen, the viewport's size and the WebGL context. A click on the canvas asks
// for the pointer; F asks for full screen.
void ListenToPage();

// Takes every listener away: the game has ended, and the page's own buttons get the keys.
void StopListening();

// What the game shows, as web_main tells it before each step: devices that point or that
// have a menu button need to know.
struct ScreenForInput {
    // The maze is played with the menu closed: losing the pointer or full screen, hiding the
    // page or turning a phone upright open the menu, since the browser may keep the Escape.
    bool playing = false;
    bool menuOpen = false;
    bool endScreen = false;  // a tap goes on, as Return does
    // The open menu's highlighted line, and its line under a point of the game (fractions
    // of its width and height), 0 for none.
    int menuHighlighted = 0;
    std::function<int(double x, double y)> menuLineAt;
};
void TellScreen(ScreenForInput screen);
