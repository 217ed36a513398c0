#include "tests/support/display.h"

#include "platform/video.h"

void OpenGameWindow() {
    static bool open = false;
    if (!open) {
        InitVideo(kFrameWidth, kFrameHeight, 32, 1);
        open = true;
    }
}
