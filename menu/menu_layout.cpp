#include "menu/menu_layout.h"

#include "menu/menu_page.h"

namespace {
constexpr Colour red{1.0f, 0.0f, 0.0f};
constexpr Colour yellow{1.0f, 1.0f, 0.0f};
constexpr Colour green{0.0f, 1.0f, 0.0f};
constexpr Colour cyan{0.0f, 1.0f, 1.0f};
}  // namespace

std::vector<TextLine> MenuScreenLines(int result, const std::vector<std::string>& lines,
                                      unsigned highlighted) {
    std::vector<TextLine> out;
    if (result == MenuClosed || result == MenuQuit) {
        return out;
    }
    if (IsMazeSize(result)) {
        // Stays on screen while the chosen maze is built; drawn in the HUD's yellow.
        out.push_back({"Building maze... Please wait...",
                       {-20, -10, -50},
                       {45, 0, 0},
                       {0, 5, 0},
                       std::nullopt});
        return out;
    }

    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string text = i == highlighted ? "-> " + lines[i] + " <-" : lines[i];
        const double length = static_cast<double>(text.size());
        const double y = 3.0 * (2.0 - static_cast<double>(i));
        out.push_back({std::move(text),
                       {-length / 2, y, -50},
                       {length, 0, 0},
                       {0, 2, 0},
                       i == 0 ? red : yellow});
    }
    out.push_back({"Orrindel", {-20, 15, -50}, {45, 0, 0}, {0, 4, 0}, green});
    out.push_back({"QUANDORP Creation", {-10, 11, -50}, {25, 0, 0}, {0, 3, 0}, cyan});
    return out;
}
