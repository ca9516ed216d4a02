#pragma once

#include <string_view>
#include <vector>

#include "app/font_image.h"

// Text laid out in font pixels (17 rows per line, y downward), without any GL: its size, its vertices and
// where an aligned text starts. A line feed starts a new line; a carriage return goes back to the line's
// start without moving down; bytes outside the font's characters are skipped.

// Four floats per vertex (x, y, u, v), six vertices per character with ink: a quad over the ink of its cell.
inline constexpr int floatsPerVertex = 4;
inline constexpr int verticesPerGlyph = 6;

int layoutWidth(const GlyphTable& glyphs, std::string_view text);
int layoutHeight(std::string_view text);
std::vector<float> layoutVertices(const GlyphTable& glyphs, std::string_view text);

// Where the point a text is drawn at lies on it, along either axis: its left (or top) edge, its centre, or
// its right (or bottom) edge. Any other value counts as AlignStart.
enum TextAlignment : int { AlignStart = 0, AlignCentre = 1, AlignEnd = 2 };

struct TextOrigin {
    float x;
    float y;
};
// The top-left corner of a text of the size given whose aligned point goes to (x, y).
TextOrigin alignedOrigin(float x, float y, float width, float height, int horizontal, int vertical);

// The scale, at most the one asked for, at which a text whose width at scale 1 is unscaledWidth, aligned at
// x, keeps a margin of a fortieth of the window's width from both of its edges.
float fittedScale(float scale, float unscaledWidth, float x, int horizontal, float windowWidth);
