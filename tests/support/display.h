#pragma once

#include <string>

#include "harness/frame.h"

// For tests linked with orr_display_main: a private Xvfb is running and DISPLAY names it.

// Opens the game's video mode (800x600x32 full screen, OpenGL) once per process.
void OpenGameWindow();

// The display of the private server, e.g. ":7".
const std::string& TestDisplay();
