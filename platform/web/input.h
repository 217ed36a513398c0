#pragma once

// The page's events, gathered between frames and fed to the shared input record by PollInput.

// Listens to the window's keys, the canvas's mouse, focus, visibility, pointer lock and full
// screen. A click on the canvas asks for the pointer; F asks for full screen.
void ListenToPage();

// Whether losing the pointer lock or leaving full screen counts as Escape: while the game is
// played with the menu closed, since the browser may keep that Escape for itself.
void SetLossOpensMenu(bool opens);
