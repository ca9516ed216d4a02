#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Status text drawn over the scene with a built-in bitmap font: a GLSL 330 program, one font texture, and a
// vertex array with a buffer per text. Text is laid out in font pixels (17 rows per line, y downward) and
// placed in window pixels by the projection that textViewport sets.

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
};

// Indexed by character code - firstGlyphCode; codes without a glyph keep a zeroed entry.
using GlyphTable = std::array<Glyph, lastGlyphCode - firstGlyphCode + 1>;

// The font turned into its RGBA texture image and the glyphs that map into it.
struct FontImage {
    std::vector<Glyph> glyphs;  // in character-set order
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;  // width * height pixels, row 0 first
};

FontImage decodeFont(std::string_view characters, std::span<const std::uint64_t> table,
                     std::span<const std::uint64_t> pixels);
FontImage decodeBuiltInFont();
GlyphTable makeGlyphTable(const std::vector<Glyph>& glyphs);

// Layout in font pixels, without any GL.
int layoutWidth(const GlyphTable& glyphs, std::string_view text);
int layoutHeight(std::string_view text);
// Four floats per vertex (x, y, u, v), six vertices per drawable character.
std::vector<float> layoutVertices(const GlyphTable& glyphs, std::string_view text);

struct TextOrigin {
    float x;
    float y;
};
// Alignment 1 centres on the point, 2 puts the text's right (or bottom) edge there, anything else its left
// (or top) edge.
TextOrigin alignedOrigin(float x, float y, float width, float height, int horizontal, int vertical);

// One text with its GL vertex array and buffer. The names are deleted with the record, so the context that
// createText ran in must still be current then.
struct Text {
    std::string chars;  // empty when there is no text
    bool dirty = false;
    std::int32_t vertexCount = 0;
    std::vector<float> vertices;  // the last vertices built, kept after upload
    unsigned int vertexArray = 0;
    unsigned int vertexBuffer = 0;

    Text() = default;
    ~Text();
    Text(const Text&) = delete;
    Text& operator=(const Text&) = delete;
};

// Builds the program and the font texture once; false when the shaders do not build.
bool textInit();
void textTerminate();

// Null when the vertex array or buffer cannot be made.
std::unique_ptr<Text> createText();
void deleteText(std::unique_ptr<Text> text);

// A null or empty string clears the text. Setting the text it already holds changes nothing.
bool setText(Text* text, const char* string);

void textViewport(std::uint32_t width, std::uint32_t height);
void beginText();
void endText();
void setTextColor(float r, float g, float b, float a);

float textWidth(const Text* text, float scale);
float textHeight(const Text* text, float scale);

// The text's top-left corner goes to (x, y) in window pixels, y downward; scale is window pixels per font
// pixel.
void drawText(Text* text, float x, float y, float scale);
void drawTextAligned(Text* text, float x, float y, float scale, int horizontal, int vertical);
