#include "player/camera_bob.h"

#include <cmath>

double CameraBob(std::uint32_t ticks) { return 0.2 * std::cos(ticks * 0.0016666666666666668); }
