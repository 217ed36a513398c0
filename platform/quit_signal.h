#pragma once

// SDL turns SIGINT and SIGTERM into SDL_QUIT events, which the game ignores (the window
// manager's close button must not end a run). These handlers take the signals back so that
// they end the game the way Quit does; PollInput acts on them.

// Call after SDL has set up video: SDL installs its own handlers during that step.
void InstallQuitSignalHandlers();

// True once SIGINT or SIGTERM has arrived since the handlers were installed.
bool QuitSignalReceived();
