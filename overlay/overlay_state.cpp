#include "overlay/overlay_state.h"

#include "platform/draw.h"

void BeginOverlay() { BeginFlat(); }
