#include "tools/font/glyph_sheet.h"

#include <gtest/gtest.h>

#include "tests/tools/bmp_test_util.h"

namespace fs = font_sheet;

namespace {

// Rendering is the slow part: do it once for the whole suite.
const fs::Sheet& Rendered() {
    static const fs::Sheet sheet = [] {
        fs::Sheet s;
        std::string error;
        EXPECT_TRUE(fs::RenderSheet(fs::kDefaultFont, s, error)) << error;
        return s;
    }();
    return sheet;
}

bool Lit(const RgbImage& image, int x, int y) {
    const uint8_t* p = image.at(x, y);
    return p[0] != 0 || p[1] != 0 || p[2] != 0;
}

struct Box {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;  // inclusive bounds of lit pixels
    bool empty() const { return right < 0; }
};

Box LitBox(const RgbImage& image, int code) {
    Box box;
    for (int y = fs::CellTop(code); y < fs::CellTop(code) + fs::kCell; ++y) {
        for (int x = fs::CellLeft(code); x < fs::CellLeft(code) + fs::kCell; ++x) {
            if (Lit(image, x, y)) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
            }
        }
    }
    return box;
}

}  // namespace

TEST(FontSheet, CoveredPixelsNeverMapToTheKeyColour) {
    EXPECT_EQ(fs::CoverageToGrey(0), 0);
    EXPECT_EQ(fs::CoverageToGrey(255), 255);
    for (int c = 1; c < 256; ++c) {
        EXPECT_GE(fs::CoverageToGrey(static_cast<uint8_t>(c)), 1) << c;
        EXPECT_GE(fs::CoverageToGrey(static_cast<uint8_t>(c)),
                  fs::CoverageToGrey(static_cast<uint8_t>(c - 1)))
            << c;
    }
}

TEST(FontSheet, ImageIsLitExactlyWhereTheRasteriserCovered) {
    const fs::Sheet& sheet = Rendered();
    ASSERT_EQ(sheet.image.width, 512);
    ASSERT_EQ(sheet.image.height, 448);
    int lit = 0;
    for (int y = 0; y < fs::kHeight; ++y) {
        for (int x = 0; x < fs::kWidth; ++x) {
            const uint8_t coverage = sheet.coverage[static_cast<size_t>(y) * fs::kWidth + x];
            const uint8_t* p = sheet.image.at(x, y);
            ASSERT_EQ(coverage > 0, Lit(sheet.image, x, y)) << x << "," << y;
            ASSERT_TRUE(p[0] == p[1] && p[1] == p[2]) << "glyphs are grey, at " << x << "," << y;
            lit += coverage > 0;
        }
    }
    EXPECT_GT(lit, 10000);
}

TEST(FontSheet, EveryGlyphStaysInsideItsCellMargins) {
    const fs::Sheet& sheet = Rendered();
    for (int code = fs::kFirstCode; code < 256; ++code) {
        const Box box = LitBox(sheet.image, code);
        if (!fs::HasGlyph(code)) {
            EXPECT_TRUE(box.empty()) << "code " << code << " should be blank";
            continue;
        }
        ASSERT_FALSE(box.empty()) << "code " << code << " has no pixels";
        EXPECT_GE(box.left, fs::CellLeft(code) + fs::kMarginLeft) << code;
        EXPECT_GE(box.top, fs::CellTop(code) + fs::kMarginTop) << code;
        EXPECT_LT(box.right, fs::CellLeft(code) + fs::kCell - fs::kMarginRight) << code;
        EXPECT_LT(box.bottom, fs::CellTop(code) + fs::kCell - fs::kMarginBottom) << code;
    }
}

TEST(FontSheet, GlyphsShareABaselineAndAreCentredAndLarge) {
    const RgbImage& image = Rendered().image;
    auto baseline = [&](char c) { return LitBox(image, c).bottom - fs::CellTop(c); };
    for (char c : std::string("BEHIKLMNTxzn1")) {
        EXPECT_EQ(baseline(c), baseline('A')) << c;
    }
    // Descenders go below it, the same way for every letter that has one.
    EXPECT_GT(baseline('g'), baseline('a'));
    EXPECT_EQ(baseline('g'), baseline('p'));

    const Box h = LitBox(image, 'H');
    EXPECT_GE(h.bottom - h.top + 1, 18) << "capitals should fill most of the cell";
    for (char c : std::string("HIWl.")) {
        const Box b = LitBox(image, c);
        const int leftGap = b.left - fs::CellLeft(c);
        const int rightGap = fs::CellLeft(c) + fs::kCell - 1 - b.right;
        EXPECT_LE(std::abs(leftGap - rightGap), 2) << c;
    }
}

TEST(FontSheet, GeneratedFileIsTheRenderedSheetTopRowFirst) {
    SurfacePtr file = LoadBmpFile("textures/font.bmp");
    ASSERT_NE(file, nullptr) << SDL_GetError();
    ASSERT_EQ(file->w, 512);
    ASSERT_EQ(file->h, 448);
    // Identical pixels prove the file keeps the covered-means-visible property, and that rows
    // were not flipped (row 0 of the image holds codes 32..47).
    EXPECT_EQ(SurfaceToImage(file.get()).rgb, Rendered().image.rgb);
    EXPECT_FALSE(LitBox(SurfaceToImage(file.get()), '!').empty());
}

TEST(FontSheet, MissingFontFileIsReported) {
    fs::Sheet sheet;
    std::string error;
    EXPECT_FALSE(fs::RenderSheet("/nonexistent/font.ttf", sheet, error));
    EXPECT_NE(error.find("/nonexistent/font.ttf"), std::string::npos);
}
