#include "overlay/hud_layout.h"

#include <cstdio>
#include <string>

namespace {

constexpr Colour yellow{1.0f, 1.0f, 0.0f};

std::string ElapsedTimeText(int elapsedMs) {
    const int seconds = elapsedMs / 1000;
    const int minutes = seconds / 60;
    const int rest = seconds % 60;
    char text[48];
    std::snprintf(text, sizeof text, "Elapsed time : %d'%d\"", minutes, rest);
    return text;
}

}  // namespace

std::vector<TextLine> HudLines(int elapsedMs, int finished) {
    std::vector<TextLine> lines;
    lines.push_back({ElapsedTimeText(elapsedMs), {-5, -19, -50}, {30, 0, 0}, {0, 2, 0}, yellow});
    if (finished != 0) {
        // "Hit Enter" stands above the congratulation and is stretched over the same width.
        lines.push_back({"Congratulations !!!!", {-20, -10, -50}, {40, 0, 0}, {0, 5, 0}, yellow});
        lines.push_back({"Hit Enter", {-20, 0, -50}, {40, 0, 0}, {0, 5, 0}, yellow});
    }
    return lines;
}
