#include "app/text_layout.h"

#include <algorithm>
#include <cstddef>

namespace {

const Glyph& glyphOf(const GlyphTable& glyphs, unsigned char code) {
    return glyphs[code - firstGlyphCode];
}

bool hasInk(const Glyph& glyph) {
    return glyph.drawable && glyph.ink.right > glyph.ink.left;
}

}  // namespace

int layoutWidth(const GlyphTable& glyphs, std::string_view text) {
    int widest = 0;
    int line = 0;
    for (char c : text) {
        auto code = static_cast<unsigned char>(c);
        if (code == '\n' || code == '\r') {
            line = 0;
        } else if (inGlyphRange(code)) {
            line += glyphOf(glyphs, code).width;
        }
        widest = std::max(widest, line);
    }
    return widest;
}

int layoutHeight(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    return glyphCellHeight * static_cast<int>(std::count(text.begin(), text.end(), '\n') + 1);
}

std::vector<float> layoutVertices(const GlyphTable& glyphs, std::string_view text) {
    auto drawable = std::count_if(text.begin(), text.end(), [&](char c) {
        auto code = static_cast<unsigned char>(c);
        return inGlyphRange(code) && hasInk(glyphOf(glyphs, code));
    });
    std::vector<float> vertices;
    if (drawable == 0) {
        return vertices;
    }
    vertices.reserve(static_cast<std::size_t>(drawable) * verticesPerGlyph * floatsPerVertex);
    float x = 0;
    float y = 0;
    const auto h = static_cast<float>(glyphCellHeight);
    for (char c : text) {
        auto code = static_cast<unsigned char>(c);
        if (code == '\n') {
            x = 0;
            y += h;
            continue;
        }
        if (code == '\r') {
            x = 0;
            continue;
        }
        if (!inGlyphRange(code)) {
            continue;
        }
        const Glyph& g = glyphOf(glyphs, code);
        if (hasInk(g)) {
            // Only the ink's part of the cell: the rest is transparent, and drawing it would only cost.
            const Glyph::Ink& ink = g.ink;
            const float left = x + static_cast<float>(ink.left);
            const float right = x + static_cast<float>(ink.right);
            const float top = y + static_cast<float>(ink.top);
            const float bottom = y + static_cast<float>(ink.bottom);
            vertices.insert(vertices.end(), {
                                                left,  top,    ink.uMin, ink.vMin,  //
                                                right, bottom, ink.uMax, ink.vMax,  //
                                                right, top,    ink.uMax, ink.vMin,  //
                                                left,  top,    ink.uMin, ink.vMin,  //
                                                left,  bottom, ink.uMin, ink.vMax,  //
                                                right, bottom, ink.uMax, ink.vMax,
                                            });
        }
        x += static_cast<float>(g.width);
    }
    return vertices;
}

TextOrigin alignedOrigin(float x, float y, float width, float height, int horizontal, int vertical) {
    if (horizontal == AlignCentre) {
        x -= width * 0.5f;
    } else if (horizontal == AlignEnd) {
        x -= width;
    }
    if (vertical == AlignCentre) {
        y -= height * 0.5f;
    } else if (vertical == AlignEnd) {
        y -= height;
    }
    return {x, y};
}

float fittedScale(float scale, float unscaledWidth, float x, int horizontal, float windowWidth) {
    const float margin = windowWidth / 40;
    const float toLeft = x - margin;
    const float toRight = windowWidth - margin - x;
    float room = toRight;
    if (horizontal == AlignCentre) {
        room = 2 * std::min(toLeft, toRight);
    } else if (horizontal == AlignEnd) {
        room = toLeft;
    }
    if (unscaledWidth <= 0 || room <= 0) {
        return scale;
    }
    return std::min(scale, room / unscaledWidth);
}
