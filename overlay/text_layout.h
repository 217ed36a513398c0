#pragma once

#include <cstdarg>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "player/vec3.h"

// Bitmap text as plain data: where each glyph of a line goes and which cell of the font
// sheet it shows. The GL half (overlay/text.h) only emits what this decides.

// The font sheet, loaded with black as its transparent key.
constexpr const char* kFontSheetPath = "./textures/font.bmp";

// The font sheet is 16 columns x 14 rows; code c sits in column c % 16, row c / 16 - 2,
// so row 0 holds codes 32..47. Codes below 32 have no cell.
constexpr float glyphCellWidth = 0.0625f;         // 1/16
constexpr float glyphCellHeight = 0.0714285746f;  // 1/14 as a float
// Taken off the right and far edge of a cell so filtering never samples the neighbour.
constexpr float glyphInset = 0.00390625f;  // 1/256

// Every DrawText call formats into a buffer of this size; longer text is cut.
constexpr std::size_t textBufferSize = 10000;

// A rectangle of the font texture; t grows downward through the sheet.
struct GlyphRect {
    float s0, t0, s1, t1;
};

GlyphRect GlyphRectOf(unsigned char code);

// printf into buffer, never past its end: text that does not fit is cut so that it ends
// with the terminating zero in the last byte. Returns what was kept (a view into buffer).
// An empty buffer or a formatting error gives an empty text.
std::string_view FormatBounded(std::span<char> buffer, const char* format, va_list args);

// Lays the characters of text side by side along width, each |width| / n wide and height
// high, and calls emit(corner, step, height, rect) for each in order. origin is the corner
// of the first glyph and is moved along by one step per glyph, so it ends near
// origin + width. An empty text emits nothing and leaves origin alone.
template <class Emit>
void LayOutText(std::string_view text, Vec3& origin, const Vec3& width, const Vec3& height,
                Emit&& emit) {
    if (text.empty()) {
        return;
    }
    const Vec3 step = width / static_cast<double>(text.size());
    for (const char c : text) {
        emit(static_cast<const Vec3&>(origin), step, height,
             GlyphRectOf(static_cast<unsigned char>(c)));
        origin += step;
    }
}

// Current colour for a line of text.
struct Colour {
    float r, g, b;
};

// One line of an overlay, as the overlay code hands it to DrawText. Without a colour the
// line is drawn in whatever colour is current.
struct TextLine {
    std::string text;
    Vec3 origin;
    Vec3 width;
    Vec3 height;
    std::optional<Colour> colour;
};
