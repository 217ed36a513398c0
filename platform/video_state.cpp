#include "platform/video.h"

VideoState videoState;

std::uint32_t LastSwapMs() { return videoState.lastSwapMs; }
