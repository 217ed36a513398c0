#include "menu/menu_taps.h"

#include <cmath>
#include <numbers>

#include "menu/menu_layout.h"
#include "menu/menu_page.h"
#include "platform/video.h"

std::optional<ShownPage> PageOnShow(const MenuPage& root) {
    if (root.visible == 0) {
        return std::nullopt;
    }
    const MenuPage* node = &root;
    while (node->activeChild != nullptr) {
        node = node->activeChild;
    }
    if (node->isMenu == 0) {
        return std::nullopt;
    }
    ShownPage page{{node->title}, node->selected};
    for (const MenuItem& item : node->items) {
        page.lines.push_back(item.label);
    }
    return page;
}

int MenuLineAt(const ShownPage& page, double x, double y) {
    if (!(x >= 0 && x <= 1 && y >= 0 && y <= 1)) {
        return 0;
    }
    const std::vector<TextLine> shown = MenuScreenLines(MenuOpen, page.lines, page.highlighted);
    const double tanHalfFov = std::tan(kFieldOfViewY / 2 * std::numbers::pi / 180);
    for (std::size_t i = 1; i < page.lines.size(); ++i) {
        const TextLine& line = shown[i];
        // The point's height on the plane of the text, under the frame's perspective.
        const double eyeY = (1 - 2 * y) * -line.origin.z * tanHalfFov;
        const double centre = line.origin.y + line.height.y / 2;
        const double pitch = shown[i - 1].origin.y - line.origin.y;
        if (std::abs(eyeY - centre) <= pitch / 2) {
            return static_cast<int>(i);
        }
    }
    return 0;
}
