#pragma once

#include <algorithm>
#include <cstdint>

#include "platform/video.h"

// The time step of one frame from two tick readings: the end of the previous frame and the
// end of this one. Unsigned subtraction survives the tick counter wrapping; the cap keeps a
// stall (a window drag, a debugger) from moving the player through walls in one step.
constexpr std::uint32_t FrameDurationMs(std::uint32_t previousEnd, std::uint32_t now) {
    return std::min<std::uint32_t>(now - previousEnd, kMaxFrameMs);
}
