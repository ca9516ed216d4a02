#include "app/text_layout.h"

#include <algorithm>
#include <cstddef>

namespace {

const Glyph& glyphOf(const GlyphTable& glyphs, unsigned char code) {
    return glyphs[code - firstGlyphCode];
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
        return inGlyphRange(code) && glyphOf(glyphs, code).drawable;
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
        const auto w = static_cast<float>(g.width);
        if (g.drawable) {
            vertices.insert(vertices.end(), {
                                                x,     y,     g.uMin, g.vMin,  //
                                                x + w, y + h, g.uMax, g.vMax,  //
                                                x + w, y,     g.uMax, g.vMin,  //
                                                x,     y,     g.uMin, g.vMin,  //
                                                x,     y + h, g.uMin, g.vMax,  //
                                                x + w, y + h, g.uMax, g.vMax,
                                            });
        }
        x += w;
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
