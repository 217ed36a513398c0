#include "maze/plane_styles.h"
#include "maze/random.h"

#include <cstdio>
#include <cstdlib>

void assignPlaneStyles(std::vector<PlaneStyle>& planes, int textureCount, int tintedCount) {
    if (textureCount <= 0) {
        // Random() % 0 would be undefined; the texture loader never hands out an empty set.
        std::fputs("assignPlaneStyles: empty texture set\n", stderr);
        std::abort();
    }
    for (PlaneStyle& style : planes) {
        style = PlaneStyle{};
        style.textureIndex = static_cast<std::uint8_t>(Random() % textureCount);
        if (style.textureIndex < tintedCount) {
            style.red = static_cast<std::uint8_t>(Random() % 256);
            style.green = static_cast<std::uint8_t>(Random() % 256);
            style.blue = static_cast<std::uint8_t>(Random() % 256);
        }
    }
}
