#pragma once

// SIGINT and SIGTERM end the game with status 0, at once and whatever it is doing: playing,
// waiting on the end screen, starting up or loading a large image.
//
// Both signals are blocked in every thread and taken by a watcher thread (sigwait), so no
// handler runs in the middle of SDL or the GL driver, and SDL's own handlers (which only
// queue a close request the game ignores) never see them. The watcher asks the main thread
// to quit; the main thread ends the game through SDL_Quit at its next check, which restores
// the desktop's video mode. A main thread stuck in a long library call is not waited for:
// after kQuitGraceMs the watcher ends the process itself.

constexpr int kQuitGraceMs = 400;

// First thing in main, before any other thread exists: threads inherit the blocked mask.
void StartQuitWatcher();

// Once a signal has come: SDL_Quit, then exit with status 0. Otherwise returns at once.
void QuitIfSignalled();
