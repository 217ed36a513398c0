#include "overlay/text_layout.h"

#include <algorithm>
#include <cstdio>

GlyphRect GlyphRectOf(unsigned char code) {
    const int col = code % 16;
    const int row = code / 16 - 2;
    // The constants are floats; the sums are taken in double and rounded once, which is
    // what puts the far edge of the last row at 0.99609381 rather than 0.99609375.
    const double cellW = glyphCellWidth;
    const double cellH = glyphCellHeight;
    const double inset = glyphInset;
    const float s0 = static_cast<float>(col * cellW);
    const float t0 = static_cast<float>(row * cellH);
    const float s1 = static_cast<float>(s0 + cellW - inset);
    const float t1 = static_cast<float>(t0 + cellH - inset);
    return {s0, t0, s1, t1};
}

std::string_view FormatBounded(std::span<char> buffer, const char* format, va_list args) {
    if (buffer.empty()) {
        return {};
    }
    const int wanted = std::vsnprintf(buffer.data(), buffer.size(), format, args);
    if (wanted < 0) {
        buffer[0] = '\0';
        return {};
    }
    const std::size_t kept = std::min(static_cast<std::size_t>(wanted), buffer.size() - 1);
    return {buffer.data(), kept};
}
