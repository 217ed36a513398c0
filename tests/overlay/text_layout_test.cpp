#include "overlay/text_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Glyph {
    Vec3 corner, step;
    GlyphRect rect;
};

std::vector<Glyph> Lay(std::string_view text, Vec3& origin, const Vec3& width) {
    std::vector<Glyph> glyphs;
    LayOutText(text, origin, width, {0, 2, 0},
               [&](const Vec3& c, const Vec3& s, const Vec3&, const GlyphRect& r) {
                   glyphs.push_back({c, s, r});
               });
    return glyphs;
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

TEST(GlyphRect, CellsOfTheSheetExactly) {
    const auto expect = [](unsigned char code, float s0, float t0, float s1, float t1) {
        const GlyphRect r = GlyphRectOf(code);
        EXPECT_EQ(r.s0, s0) << +code;
        EXPECT_EQ(r.t0, t0) << +code;
        EXPECT_EQ(r.s1, s1) << +code;
        EXPECT_EQ(r.t1, t1) << +code;
    };
    expect('A', 0.0625f, 0.142857149f, 0.12109375f, 0.210379481f);
    expect(' ', 0.0f, 0.0f, 0.05859375f, 0.0675223246f);
    expect(255, 0.9375f, 0.928571463f, 0.99609375f, 0.99609381f);
}

TEST(LayOutText, CharactersShareTheWidthTouchAndMoveTheOrigin) {
    Vec3 o10{-20, 0, -50}, o20{-20, 0, -50};
    const auto ten = Lay("0123456789", o10, {40, 0, 0});
    const auto twenty = Lay("0123456789ABCDEFGHI\xff", o20, {40, 0, 0});
    ASSERT_EQ(twenty.size(), 20u);
    EXPECT_DOUBLE_EQ(twenty[0].step.x * 2, ten[0].step.x);
    for (std::size_t k = 0; k < twenty.size(); ++k) {
        EXPECT_NEAR(twenty[k].corner.x, -20.0 + 2.0 * static_cast<double>(k), 1e-12);
    }
    EXPECT_EQ(twenty[10].rect.s0, GlyphRectOf('A').s0);
    EXPECT_EQ(twenty[19].rect.t0, GlyphRectOf(255).t0);  // a high byte is not a negative char
    EXPECT_NEAR(o20.x, 20.0, 1e-9);
    EXPECT_EQ(o20.y, 0.0);
    EXPECT_EQ(o20.z, -50.0);

    Vec3 slanted{1, 2, 3};  // the origin follows the width vector on every axis
    Lay("abc", slanted, {3, 6, -9});
    EXPECT_NEAR(slanted.y, 8.0, 1e-12);
    EXPECT_NEAR(slanted.z, -6.0, 1e-12);
}

TEST(LayOutText, EmptyTextDrawsNothingAndKeepsTheOrigin) {
    Vec3 origin{-20, 0, -50};
    char buffer[16];
    EXPECT_TRUE(Lay(Format(buffer, "%s", ""), origin, {40, 0, 0}).empty());
    EXPECT_EQ(origin.x, -20.0);
}

TEST(FormatBounded, LongTextIsCutInsideTheBuffer) {
    char small[6];
    EXPECT_EQ(Format(small, "%d'%d\"", 1, 5), "1'5\"");
    EXPECT_EQ(Format(small, "%s", "12345"), "12345");
    EXPECT_EQ(Format(small, "%s", "123456"), "12345");
    EXPECT_TRUE(Format(std::span<char>(), "%s", "x").empty());

    // Guard bytes on both sides; AddressSanitizer watches the rest.
    std::vector<char> memory(textBufferSize + 32, '#');
    const std::span<char> buffer(memory.data() + 16, textBufferSize);
    const std::string text(Format(buffer, "<%s>", std::string(3 * textBufferSize, 'x').c_str()));
    EXPECT_EQ(text.size(), textBufferSize - 1);
    EXPECT_EQ(text.front(), '<');
    EXPECT_EQ(buffer.back(), '\0');
    EXPECT_EQ(std::string(memory.begin(), memory.begin() + 16), std::string(16, '#'));
    EXPECT_EQ(std::string(memory.end() - 16, memory.end()), std::string(16, '#'));
}

}  // namespace
