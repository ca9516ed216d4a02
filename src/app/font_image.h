#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// The overlay's bitmap font unpacked from its compact table and pixel stream (app/font_data.h) into an RGBA
// texture image and the glyphs that map into it. Plain data, without any GL.

inline constexpr int glyphCellHeight = 17;
inline constexpr int firstGlyphCode = 32;
inline constexpr int lastGlyphCode = 122;

struct Glyph {
    char character = 0;
    std::int32_t x = 0;  // left edge in the source strip; not used for drawing
    std::int32_t y = 0;
    std::int32_t width = 0;  // advance and quad width in font pixels
    std::int32_t height = 0;
    float uMin = 0, vMin = 0, uMax = 0, vMax = 0;
    bool drawable = false;
    // The part of the cell that holds ink, the only part drawn: in cell pixels (right and bottom exclusive),
    // and where it lies in the image. Empty for a glyph without ink.
    struct Ink {
        std::int32_t left = 0, top = 0, right = 0, bottom = 0;
        float uMin = 0, vMin = 0, uMax = 0, vMax = 0;
    } ink;
};

// Indexed by character code - firstGlyphCode; codes without a glyph keep a zeroed entry.
using GlyphTable = std::array<Glyph, lastGlyphCode - firstGlyphCode + 1>;

inline bool inGlyphRange(unsigned char code) {
    return code >= firstGlyphCode && code <= lastGlyphCode;
}

// The font turned into its RGBA texture image and the glyphs that map into it.
struct FontImage {
    std::vector<Glyph> glyphs;  // in character-set order
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;  // width * height pixels, row 0 first
    // Whether some pixel is neither transparent nor opaque, so that drawing must blend.
    bool partialAlpha = false;
};

FontImage decodeFont(std::string_view characters, std::span<const std::uint64_t> table,
                     std::span<const std::uint64_t> pixels);
FontImage decodeBuiltInFont();
GlyphTable makeGlyphTable(const std::vector<Glyph>& glyphs);
