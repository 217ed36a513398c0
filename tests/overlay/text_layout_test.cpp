#include "overlay/text_layout.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct Glyph {
    Vec3 corner, step, height;
    GlyphRect rect;
};

std::vector<Glyph> Lay(std::string_view text, Vec3& origin, const Vec3& width, const Vec3& height) {
    std::vector<Glyph> glyphs;
    LayOutText(text, origin, width, height,
               [&](const Vec3& c, const Vec3& s, const Vec3& h, const GlyphRect& r) {
                   glyphs.push_back({c, s, h, r});
               });
    return glyphs;
}

void ExpectRect(const GlyphRect& r, float s0, float t0, float s1, float t1) {
    // Exact: these are the texture coordinates the sheet is cut at.
    EXPECT_EQ(r.s0, s0);
    EXPECT_EQ(r.t0, t0);
    EXPECT_EQ(r.s1, s1);
    EXPECT_EQ(r.t1, t1);
}

std::string_view Format(std::span<char> buffer, const char* format, ...)
    __attribute__((format(printf, 2, 3)));
std::string_view Format(std::span<char> buffer, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string_view text = FormatBounded(buffer, format, args);
    va_end(args);
    return text;
}

TEST(GlyphRect, CellsOfTheSheet) {
    ExpectRect(GlyphRectOf('A'), 0.0625f, 0.142857149f, 0.12109375f, 0.210379481f);
    ExpectRect(GlyphRectOf(' '), 0.0f, 0.0f, 0.05859375f, 0.0675223246f);
    ExpectRect(GlyphRectOf(255), 0.9375f, 0.928571463f, 0.99609375f, 0.99609381f);
}

TEST(LayOutText, CharactersShareTheWidthAndTouch) {
    const Vec3 width{40, 0, 0}, height{0, 2, 0};
    Vec3 o10{-20, 0, -50}, o20{-20, 0, -50};
    const auto ten = Lay("0123456789", o10, width, height);
    const auto twenty = Lay("01234567890123456789", o20, width, height);
    ASSERT_EQ(ten.size(), 10u);
    ASSERT_EQ(twenty.size(), 20u);
    EXPECT_DOUBLE_EQ(ten[0].step.x, 4.0);
    EXPECT_DOUBLE_EQ(twenty[0].step.x, 2.0);
    EXPECT_DOUBLE_EQ(twenty[0].height.y, ten[0].height.y);
    for (std::size_t k = 0; k < twenty.size(); ++k) {
        EXPECT_NEAR(twenty[k].corner.x, -20.0 + 2.0 * static_cast<double>(k), 1e-12);
        EXPECT_EQ(twenty[k].corner.y, 0.0);
        EXPECT_EQ(twenty[k].corner.z, -50.0);
    }
}

TEST(LayOutText, EachCharacterShowsItsOwnCellInOrder) {
    Vec3 origin{0, 0, -50};
    const auto glyphs = Lay("A \xff", origin, {3, 0, 0}, {0, 1, 0});
    ASSERT_EQ(glyphs.size(), 3u);
    EXPECT_EQ(glyphs[0].rect.s0, GlyphRectOf('A').s0);
    EXPECT_EQ(glyphs[1].rect.t0, GlyphRectOf(' ').t0);
    EXPECT_EQ(glyphs[2].rect.s0, GlyphRectOf(255).s0);  // a high byte is not a negative char
}

TEST(LayOutText, OriginIsMovedAlongTheWholeWidth) {
    Vec3 origin{-20, 0, -50};
    Lay("Congratulations !!!!", origin, {40, 0, 0}, {0, 5, 0});
    EXPECT_NEAR(origin.x, 20.0, 1e-9);
    EXPECT_EQ(origin.y, 0.0);
    EXPECT_EQ(origin.z, -50.0);

    // Along a slanted line the origin follows the width vector on every axis.
    Vec3 slanted{1, 2, 3};
    Lay("abc", slanted, {3, 6, -9}, {0, 1, 0});
    EXPECT_NEAR(slanted.x, 4.0, 1e-12);
    EXPECT_NEAR(slanted.y, 8.0, 1e-12);
    EXPECT_NEAR(slanted.z, -6.0, 1e-12);
}

TEST(LayOutText, EmptyTextDrawsNothingAndKeepsTheOrigin) {
    Vec3 origin{-20, 0, -50};
    EXPECT_TRUE(Lay("", origin, {40, 0, 0}, {0, 5, 0}).empty());
    EXPECT_EQ(origin.x, -20.0);
    EXPECT_EQ(origin.y, 0.0);
    EXPECT_EQ(origin.z, -50.0);

    char buffer[16];
    EXPECT_TRUE(Format(buffer, "%s", "").empty());
}

TEST(FormatBounded, FormatsArguments) {
    char buffer[64];
    EXPECT_EQ(Format(buffer, "Elapsed time : %d'%d\"", 1, 5), "Elapsed time : 1'5\"");
    EXPECT_EQ(std::strlen(buffer), 19u);
}

TEST(FormatBounded, LongTextIsCutInsideTheBuffer) {
    // Guard bytes on both sides; AddressSanitizer watches the rest.
    std::vector<char> memory(textBufferSize + 32, '#');
    std::span<char> buffer(memory.data() + 16, textBufferSize);
    const std::string longText(3 * textBufferSize, 'x');

    const std::string_view text = Format(buffer, "<%s>", longText.c_str());
    EXPECT_EQ(text.size(), textBufferSize - 1);
    EXPECT_EQ(text.front(), '<');
    EXPECT_EQ(text.back(), 'x');
    EXPECT_EQ(buffer.back(), '\0');
    for (std::size_t i = 0; i < 16; ++i) {
        EXPECT_EQ(memory[i], '#');
        EXPECT_EQ(memory[memory.size() - 1 - i], '#');
    }

    // A text of exactly the buffer's capacity is kept whole.
    char small[6];
    EXPECT_EQ(Format(small, "%s", "12345"), "12345");
    EXPECT_EQ(Format(small, "%s", "123456"), "12345");
    EXPECT_TRUE(Format(std::span<char>(), "%s", "x").empty());
}

}  // namespace
