#pragma once

#include <cstdint>

// Height of the eye above the pose along its up vector at a tick count in ms:
// 0.2 * cos(t / 600), a slow bob of period 1200 * pi ms (about 3.77 s).
double CameraBob(std::uint32_t ticks);
