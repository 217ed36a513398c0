#pragma once

#include <cstdint>

// Frame timing shared between EndFrame (writer) and the motion step (reader).
struct VideoState {
    // Duration of the whole previous frame in ms (end of one EndFrame to the end of the
    // next), capped at kMaxFrameMs; 0 after InitVideo.
    std::uint32_t lastSwapMs = 0;
};

extern VideoState videoState;

constexpr std::uint32_t kMaxFrameMs = 100;

// The perspective of every frame: 45 degrees in y, an aspect of 4/3 whatever the mode's size,
// near and far planes in world units.
constexpr double kFieldOfViewY = 45.0;
constexpr double kAspect = 4.0 / 3.0;
constexpr double kNearPlane = 1.0;
constexpr double kFarPlane = 10000.0;

// Opens the OpenGL video mode and sets the fixed GL state the game relies on.
// Exits with status 1 and a line on stderr when there is no display (SDL finds no video
// driver, or only one that shows no window) or when the mode cannot be set.
void InitVideo(int width, int height, int bitsPerPixel, int fullscreen);

// Presents the frame, clears colour and depth, loads the identity model-view matrix,
// and measures the frame into videoState.lastSwapMs.
void EndFrame();

// Hides the mouse cursor for the rest of the program.
void HideCursor();

std::uint32_t Ticks();  // ms since SDL was initialised
std::uint32_t LastSwapMs();
