#include "tools/font/glyph_sheet.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>

namespace font_sheet {
namespace {

constexpr int kUsableWidth = kCell - kMarginLeft - kMarginRight;
constexpr int kUsableHeight = kCell - kMarginTop - kMarginBottom;

// Owns the library and face so every exit path releases them.
struct FreeTypeFace {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    ~FreeTypeFace() {
        if (face != nullptr) {
            FT_Done_Face(face);
        }
        if (library != nullptr) {
            FT_Done_FreeType(library);
        }
    }
};

// Extent of the rendered glyphs around the common baseline, in pixels.
struct Extent {
    int above = 0;  // rows above the baseline
    int below = 0;  // rows below it
};

bool LoadGlyph(FT_Face face, int code, bool render) {
    // Latin-1 codes equal their Unicode code points.
    const FT_Int32 flags = render ? FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL : FT_LOAD_DEFAULT;
    return FT_Load_Char(face, static_cast<FT_ULong>(code), flags) == 0;
}

Extent MeasureAt(FT_Face face, int pixelSize) {
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelSize));
    FT_Set_Transform(face, nullptr, nullptr);
    Extent extent;
    // Sized by ASCII, which is all the game prints; taller Latin-1 letters are scaled to fit.
    for (int code = kFirstCode; code < 127; ++code) {
        if (!HasGlyph(code) || !LoadGlyph(face, code, true)) {
            continue;
        }
        const FT_GlyphSlot slot = face->glyph;
        if (slot->bitmap.rows == 0) {
            continue;
        }
        extent.above = std::max(extent.above, slot->bitmap_top);
        extent.below =
            std::max(extent.below, static_cast<int>(slot->bitmap.rows) - slot->bitmap_top);
    }
    return extent;
}

bool Fits(const FT_GlyphSlot slot, const Extent& room) {
    const int rows = static_cast<int>(slot->bitmap.rows);
    return static_cast<int>(slot->bitmap.width) <= kUsableWidth && slot->bitmap_top <= room.above &&
           rows - slot->bitmap_top <= room.below;
}

// Renders one code so that it fits `room` around the baseline and the cell's usable width:
// too-wide glyphs are squeezed sideways, too-tall ones (accented capitals) shrunk evenly.
bool RenderGlyph(FT_Face face, int code, const Extent& room) {
    FT_Set_Transform(face, nullptr, nullptr);
    if (!LoadGlyph(face, code, true)) {
        return false;
    }
    double sx = 1.0;
    double sy = 1.0;
    for (int attempt = 0; attempt < 8 && !Fits(face->glyph, room); ++attempt) {
        const FT_GlyphSlot slot = face->glyph;
        const double width = slot->bitmap.width;
        const double above = std::max(1, slot->bitmap_top);
        const double below = std::max(1, static_cast<int>(slot->bitmap.rows) - slot->bitmap_top);
        // One pixel of slack each way: antialiasing can add a row or column after scaling.
        const double fitX = width > kUsableWidth ? (kUsableWidth - 1) / width : 1.0;
        const double fitY = std::min({1.0, (room.above - 1) / above, (room.below - 1) / below});
        sy *= fitY;
        sx *= std::min(fitX, fitY);
        FT_Matrix scale = {static_cast<FT_Fixed>(0x10000 * sx), 0, 0,
                           static_cast<FT_Fixed>(0x10000 * sy)};
        FT_Set_Transform(face, &scale, nullptr);
        if (!LoadGlyph(face, code, true)) {
            FT_Set_Transform(face, nullptr, nullptr);
            return false;
        }
    }
    FT_Set_Transform(face, nullptr, nullptr);
    return Fits(face->glyph, room);
}

void PlaceGlyph(const FT_Bitmap& bitmap, int left, int top, Sheet& sheet) {
    for (unsigned row = 0; row < bitmap.rows; ++row) {
        const unsigned char* src = bitmap.buffer + static_cast<long>(row) * bitmap.pitch;
        for (unsigned col = 0; col < bitmap.width; ++col) {
            const int x = left + static_cast<int>(col);
            const int y = top + static_cast<int>(row);
            uint8_t* pixel = sheet.image.at(x, y);
            pixel[0] = pixel[1] = pixel[2] = CoverageToGrey(src[col]);
        }
    }
}

}  // namespace

bool HasGlyph(int code) { return (code > 32 && code < 127) || (code > 160 && code < 256); }

uint8_t CoverageToGrey(uint8_t coverage) {
    // Thin antialiased edges would otherwise vanish into the key colour; lift them a little.
    if (coverage == 0) {
        return 0;
    }
    return static_cast<uint8_t>(16 + (static_cast<int>(coverage) * 239 + 127) / 255);
}

bool RenderSheet(const std::string& fontPath, Sheet& sheet, std::string& error) {
    FreeTypeFace ft;
    if (FT_Init_FreeType(&ft.library) != 0) {
        error = "cannot initialise FreeType";
        return false;
    }
    if (FT_New_Face(ft.library, fontPath.c_str(), 0, &ft.face) != 0) {
        error = "cannot open font " + fontPath;
        return false;
    }

    // The largest size at which every glyph fits the cell height on one shared baseline.
    int pixelSize = kUsableHeight;
    Extent extent = MeasureAt(ft.face, pixelSize);
    while (pixelSize > 4 && extent.above + extent.below > kUsableHeight) {
        --pixelSize;
        extent = MeasureAt(ft.face, pixelSize);
    }
    const int spare = kUsableHeight - (extent.above + extent.below);
    const int baseline = kMarginTop + spare / 2 + extent.above;
    const Extent room{baseline - kMarginTop, kCell - kMarginBottom - baseline};

    sheet.image = RgbImage(kWidth, kHeight);

    for (int code = kFirstCode; code < 256; ++code) {
        if (!HasGlyph(code)) {
            continue;
        }
        if (!RenderGlyph(ft.face, code, room)) {
            error = "cannot fit character " + std::to_string(code);
            return false;
        }
        const FT_GlyphSlot slot = ft.face->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) {
            error = "unexpected bitmap format for character " + std::to_string(code);
            return false;
        }
        const int width = static_cast<int>(bitmap.width);
        const int left = CellLeft(code) + kMarginLeft + std::max(0, (kUsableWidth - width) / 2);
        const int top = CellTop(code) + baseline - slot->bitmap_top;
        PlaceGlyph(bitmap, left, top, sheet);
    }
    return true;
}

}  // namespace font_sheet
