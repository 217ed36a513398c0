#pragma once
// The game's font sheet: Latin-1 codes 32..255 in a 16 x 14 grid of square cells, white glyphs on
// pure black. Pure black is the transparent key, so every pixel a glyph touches is at least grey 1.

#include <cstdint>
#include <string>

#include "art/image.h"

namespace font_sheet {

constexpr int kCell = 32;
constexpr int kColumns = 16;
constexpr int kRows = 14;
constexpr int kFirstCode = 32;
constexpr int kWidth = kCell * kColumns;  // 512
constexpr int kHeight = kCell * kRows;    // 448
// Blank border inside each cell. The text drawer trims 1/256 of the texture off the right and far
// side of a cell (2 px here), and filtering reaches one texel past the left and top edges.
constexpr int kMarginLeft = 1;
constexpr int kMarginTop = 1;
constexpr int kMarginRight = 2;
constexpr int kMarginBottom = 2;

struct Sheet {
    RgbImage image;  // kWidth x kHeight
};

// Top-left pixel of the cell holding a character code (32..255).
inline int CellLeft(int code) { return (code % kColumns) * kCell; }
inline int CellTop(int code) { return (code / kColumns - 2) * kCell; }

// Codes with a visible glyph: not space, not no-break space, not the C1 controls.
bool HasGlyph(int code);

// Grey level for a coverage value: 0 stays 0, anything covered is 1 or brighter.
uint8_t CoverageToGrey(uint8_t coverage);

// Renders the whole sheet from a TrueType font. On failure returns false and explains in `error`.
bool RenderSheet(const std::string& fontPath, Sheet& sheet, std::string& error);

}  // namespace font_sheet
