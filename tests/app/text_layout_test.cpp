#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "app/font_data.h"
#include "app/font_image.h"
#include "app/text_layout.h"
#include "app/text_overlay.h"

namespace {

const FontImage& builtInFont() {
    static const FontImage font = decodeBuiltInFont();
    return font;
}

const GlyphTable& builtInGlyphs() {
    static const GlyphTable glyphs = makeGlyphTable(builtInFont().glyphs);
    return glyphs;
}

const Glyph& glyph(char c) {
    return builtInGlyphs()[static_cast<unsigned char>(c) - firstGlyphCode];
}

int expectedWidth(char c) {
    const std::string six = ".,:;", seven = "I!()[]`", ten = "mwyMNW4&*#";
    if (c == ' ') {
        return 4;
    }
    if (six.find(c) != std::string::npos) {
        return 6;
    }
    if (seven.find(c) != std::string::npos) {
        return 7;
    }
    if (ten.find(c) != std::string::npos) {
        return 10;
    }
    if (c == 'j') {
        return 8;
    }
    return c == '%' ? 11 : 9;
}

std::array<std::uint8_t, 4> texel(const FontImage& font, int x, int y) {
    auto at =
        (static_cast<std::size_t>(y) * static_cast<std::size_t>(font.width) + static_cast<std::size_t>(x)) *
        4;
    return {font.rgba[at], font.rgba[at + 1], font.rgba[at + 2], font.rgba[at + 3]};
}

// Where each character's cell starts, moved to the left edge of its ink.
std::vector<float> inkLefts(std::string_view text, std::vector<float> cellLefts) {
    std::size_t cell = 0;
    for (char c : text) {
        if (c != ' ' && c != '\n' && c != '\r') {
            cellLefts[cell++] += static_cast<float>(glyph(c).ink.left);
        }
    }
    return cellLefts;
}

// The x of the first vertex of every quad, in order.
std::vector<float> quadLefts(const std::vector<float>& vertices) {
    std::vector<float> lefts;
    for (std::size_t i = 0; i < vertices.size(); i += 24) {
        lefts.push_back(vertices[i]);
    }
    return lefts;
}

}  // namespace

TEST(FontData, CharacterSetAndWidths) {
    const std::string characters(fontCharacters, fontGlyphCount);
    EXPECT_EQ(characters,
              " abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.,!?-+/():;%&`*#=[]\"");
    const FontImage& font = builtInFont();
    ASSERT_EQ(font.glyphs.size(), 83u);
    int x = 0;
    for (const Glyph& g : font.glyphs) {
        SCOPED_TRACE(std::string(1, g.character));
        EXPECT_EQ(g.width, expectedWidth(g.character));
        EXPECT_EQ(g.x, x);
        EXPECT_EQ(g.y, 0);
        EXPECT_EQ(g.height, 17);
        EXPECT_EQ(g.drawable, g.character != ' ');
        x += g.width;
    }
    EXPECT_EQ(
        std::count_if(font.glyphs.begin(), font.glyphs.end(), [](const Glyph& g) { return g.drawable; }), 82);
}

TEST(FontData, TextureLayout) {
    const FontImage& font = builtInFont();
    EXPECT_EQ(font.width, 806);
    EXPECT_EQ(font.height, 19);
    ASSERT_EQ(font.rgba.size(), 806u * 19u * 4u);

    // Rows 0 and 18 and the column before every cell stay transparent.
    for (int x = 0; x < font.width; ++x) {
        EXPECT_EQ(texel(font, x, 0)[3], 0);
        EXPECT_EQ(texel(font, x, 18)[3], 0);
    }
    int column = 1;
    for (const Glyph& g : font.glyphs) {
        if (!g.drawable) {
            continue;
        }
        SCOPED_TRACE(std::string(1, g.character));
        for (int y = 0; y < font.height; ++y) {
            EXPECT_EQ(texel(font, column - 1, y)[3], 0);
        }
        EXPECT_FLOAT_EQ(g.uMin, static_cast<float>(column) / 806.0f);
        EXPECT_FLOAT_EQ(g.uMax, static_cast<float>(column + g.width) / 806.0f);
        EXPECT_FLOAT_EQ(g.vMin, 1.0f / 19.0f);
        EXPECT_FLOAT_EQ(g.vMax, 18.0f / 19.0f);
        // Only the cell's ink is drawn: the box around every texel with alpha, in cell pixels.
        int left = g.width, right = 0, top = 17, bottom = 0;
        for (int y = 1; y < 18; ++y) {
            for (int dx = 0; dx < g.width; ++dx) {
                if (texel(font, column + dx, y)[3] != 0) {
                    left = std::min(left, dx);
                    right = std::max(right, dx + 1);
                    top = std::min(top, y - 1);
                    bottom = std::max(bottom, y);
                }
            }
        }
        EXPECT_EQ((std::array{g.ink.left, g.ink.top, g.ink.right, g.ink.bottom}),
                  (std::array{left, top, right, bottom}));
        EXPECT_FLOAT_EQ(g.ink.uMin, static_cast<float>(column + left) / 806.0f);
        EXPECT_FLOAT_EQ(g.ink.vMax, static_cast<float>(1 + bottom) / 19.0f);
        // Every glyph shows white on a black outline, and only those two colours or nothing.
        std::map<std::uint32_t, int> colours;
        for (int y = 1; y < 18; ++y) {
            for (int dx = 0; dx < g.width; ++dx) {
                auto p = texel(font, column + dx, y);
                ++colours[static_cast<std::uint32_t>(p[0] << 24 | p[1] << 16 | p[2] << 8 | p[3])];
            }
        }
        EXPECT_GT(colours[0xffffffffu], 0);
        EXPECT_GT(colours[0x000000ffu], 0);
        EXPECT_EQ(colours[0xffffffffu] + colours[0x000000ffu] + colours[0u], g.width * 17);
        column += g.width + 1;
    }
    EXPECT_EQ(column, font.width);
    EXPECT_FALSE(font.partialAlpha);
}

TEST(FontData, PixelStreamHoldsExactlyTheBitmaps) {
    std::uint64_t bits = 0;
    for (int i = 0; i < fontGlyphCount; ++i) {
        std::uint64_t word = fontTable[i];
        EXPECT_EQ(word >> 40, 0u);
        auto rows = 17 - static_cast<int>((word >> 24) & 0xff) - static_cast<int>((word >> 32) & 0xff);
        ASSERT_GE(rows, 0);
        bits += 2 * ((word >> 16) & 0xff) * static_cast<std::uint64_t>(rows);
    }
    EXPECT_EQ(fontPixels.size(), (bits + 63) / 64);
}

TEST(FontData, DecodesEveryPixelCode) {
    // Two one-row glyphs of two pixels: transparent (a repeat before any pixel), white; white again
    // (a repeat across the glyph boundary), black.
    const std::uint64_t table[] = {0x0000'0000'1002'0000, 0x0000'0000'1002'0002};
    const std::uint64_t pixels[] = {0b01'11'10'11};
    FontImage font = decodeFont("ab", table, pixels);
    ASSERT_EQ(font.width, 2 + 2 + 2 + 1);
    ASSERT_EQ(font.height, 19);
    using Texel = std::array<std::uint8_t, 4>;
    EXPECT_EQ(texel(font, 1, 17), (Texel{0, 0, 0, 0}));
    EXPECT_EQ(texel(font, 2, 17), (Texel{255, 255, 255, 255}));
    EXPECT_EQ(texel(font, 4, 17), (Texel{255, 255, 255, 255}));
    EXPECT_EQ(texel(font, 5, 17), (Texel{0, 0, 0, 255}));
    EXPECT_EQ(texel(font, 2, 16), (Texel{0, 0, 0, 0}));
}

TEST(FontData, ShortPixelStreamLeavesTheRestTransparent) {
    const std::uint64_t table[] = {0x0000'0000'0004'0000};
    FontImage font = decodeFont("a", table, {});
    EXPECT_EQ(font.width, 6);
    EXPECT_TRUE(std::all_of(font.rgba.begin(), font.rgba.end(), [](std::uint8_t v) { return v == 0; }));
}

TEST(TextLayout, StatusLine) {
    const std::string status = "[ 6 : 0.50 ]";
    EXPECT_EQ(layoutWidth(builtInGlyphs(), status), 78);
    EXPECT_EQ(layoutHeight(status), 17);
    TextOrigin origin = alignedOrigin(400, 555, 78, 17, AlignCentre, AlignCentre);
    EXPECT_FLOAT_EQ(origin.x, 361.0f);
    EXPECT_FLOAT_EQ(origin.y, 546.5f);

    std::vector<float> vertices = layoutVertices(builtInGlyphs(), status);
    ASSERT_EQ(vertices.size(), 48u * 4u);
    // The blanks only advance the pen.
    EXPECT_EQ(quadLefts(vertices), inkLefts(status, {0, 11, 24, 34, 43, 49, 58, 71}));

    // The bracket's quad covers its ink, not its whole 7 x 17 cell.
    const Glyph::Ink& ink = glyph('[').ink;
    const auto l = static_cast<float>(ink.left), t = static_cast<float>(ink.top);
    const auto r = static_cast<float>(ink.right), b = static_cast<float>(ink.bottom);
    EXPECT_LT((r - l) * (b - t), 7 * 17);
    const std::vector<float> first(vertices.begin(), vertices.begin() + 24);
    EXPECT_EQ(first, (std::vector<float>{
                         l, t, ink.uMin, ink.vMin, r, b, ink.uMax, ink.vMax,  //
                         r, t, ink.uMax, ink.vMin, l, t, ink.uMin, ink.vMin,  //
                         l, b, ink.uMin, ink.vMax, r, b, ink.uMax, ink.vMax,
                     }));
}

TEST(TextLayout, Alignment) {
    TextOrigin right = alignedOrigin(100, 50, 40, 20, AlignEnd, AlignEnd);
    EXPECT_FLOAT_EQ(right.x, 60.0f);
    EXPECT_FLOAT_EQ(right.y, 30.0f);
    TextOrigin left = alignedOrigin(100, 50, 40, 20, AlignStart, 3);
    EXPECT_FLOAT_EQ(left.x, 100.0f);
    EXPECT_FLOAT_EQ(left.y, 50.0f);
}

TEST(TextLayout, LineFeedStartsALineBelow) {
    const std::string text = "ab\ncde";
    EXPECT_EQ(layoutWidth(builtInGlyphs(), text), 27);
    EXPECT_EQ(layoutWidth(builtInGlyphs(), "cde\nab"), 27);
    EXPECT_EQ(layoutHeight(text), 34);
    std::vector<float> vertices = layoutVertices(builtInGlyphs(), text);
    ASSERT_EQ(vertices.size(), 5u * 24u);
    EXPECT_EQ(quadLefts(vertices), inkLefts(text, {0, 9, 0, 9, 18}));
    // 'c' starts the second line
    EXPECT_FLOAT_EQ(vertices[2 * 24 + 1], 17.0f + static_cast<float>(glyph('c').ink.top));
    EXPECT_FLOAT_EQ(vertices[2 * 24 + 5], 17.0f + static_cast<float>(glyph('c').ink.bottom));
}

TEST(TextLayout, CarriageReturnRestartsTheLine) {
    const std::string text = "abc\rd";
    EXPECT_EQ(layoutWidth(builtInGlyphs(), text), 27);
    EXPECT_EQ(layoutWidth(builtInGlyphs(), "d\rabc"), 27);
    EXPECT_EQ(layoutHeight(text), 17);
    std::vector<float> vertices = layoutVertices(builtInGlyphs(), text);
    ASSERT_EQ(vertices.size(), 4u * 24u);
    EXPECT_EQ(quadLefts(vertices), inkLefts(text, {0, 9, 18, 0}));
    EXPECT_FLOAT_EQ(vertices[3 * 24 + 1], static_cast<float>(glyph('d').ink.top));
}

TEST(TextLayout, CharactersOutsideTheSetAreSkipped) {
    EXPECT_EQ(layoutVertices(builtInGlyphs(), "a$b{c~\t\x80"), layoutVertices(builtInGlyphs(), "abc"));
    EXPECT_EQ(layoutWidth(builtInGlyphs(), "a$b{c~\t\x80"), 27);
}

TEST(TextLayout, NothingToDraw) {
    EXPECT_EQ(layoutWidth(builtInGlyphs(), ""), 0);
    EXPECT_EQ(layoutHeight(""), 0);
    EXPECT_TRUE(layoutVertices(builtInGlyphs(), "").empty());
    // Blanks take room but draw nothing.
    EXPECT_TRUE(layoutVertices(builtInGlyphs(), "   ").empty());
    EXPECT_EQ(layoutWidth(builtInGlyphs(), "   "), 12);
}

TEST(TextRecord, SetTextMarksChangesOnly) {
    EXPECT_FALSE(setText(nullptr, "x"));
    Text text;
    EXPECT_TRUE(setText(&text, nullptr));
    EXPECT_FALSE(text.dirty);
    EXPECT_TRUE(setText(&text, "score"));
    EXPECT_EQ(text.chars, "score");
    EXPECT_TRUE(text.dirty);

    text.dirty = false;  // as after a draw
    EXPECT_TRUE(setText(&text, "score"));
    EXPECT_FALSE(text.dirty);
    EXPECT_TRUE(setText(&text, "score 2"));
    EXPECT_TRUE(text.dirty);

    text.dirty = false;
    EXPECT_TRUE(setText(&text, ""));
    EXPECT_TRUE(text.chars.empty());
    EXPECT_TRUE(text.dirty);
    text.dirty = false;
    EXPECT_TRUE(setText(&text, nullptr));
    EXPECT_FALSE(text.dirty);
}

TEST(TextRecord, AbsentOrEmptyTextMeasuresZero) {
    EXPECT_EQ(textWidth(nullptr, 2.0f), 0.0f);
    EXPECT_EQ(textHeight(nullptr, 2.0f), 0.0f);
    Text empty;
    EXPECT_EQ(textWidth(&empty, 2.0f), 0.0f);
    EXPECT_EQ(textHeight(&empty, 2.0f), 0.0f);
    drawText(nullptr, 0, 0, 1);
    drawTextAligned(nullptr, 0, 0, 1, AlignCentre, AlignCentre);
}

TEST(TextLayout, FittedScaleShrinksOnlyWhatRunsOffTheWindow) {
    // 400 wide window: a margin of 10 on both sides.
    EXPECT_FLOAT_EQ(fittedScale(2, 100, 200, AlignCentre, 400), 2);      // 200 wide fits
    EXPECT_FLOAT_EQ(fittedScale(2, 400, 200, AlignCentre, 400), 0.95f);  // 380 of room
    EXPECT_FLOAT_EQ(fittedScale(2, 400, 100, AlignCentre, 400), 0.45f);  // 90 either side of 100
    EXPECT_FLOAT_EQ(fittedScale(2, 100, 290, AlignStart, 400), 1);       // 100 to the right margin
    EXPECT_FLOAT_EQ(fittedScale(2, 100, 60, AlignEnd, 400), 0.5f);       // 50 to the left margin
    EXPECT_FLOAT_EQ(fittedScale(2, 100, 200, AlignCentre, 0), 2);        // no window size yet
}
