#include "app/font_image.h"

#include <algorithm>
#include <cstddef>

#include "app/font_data.h"

namespace {

// Reads the packed 2-bit pixel codes in order; past the end of the stream every pixel is transparent.
class PixelStream {
  public:
    explicit PixelStream(std::span<const std::uint64_t> words) : words_(words) {}

    std::array<std::uint8_t, 4> next() {
        std::size_t word = position_ / 32;
        unsigned code = word < words_.size() ? (words_[word] >> (2 * (position_ % 32))) & 3u : 0u;
        ++position_;
        switch (code) {
            case 0:
                previous_ = {0, 0, 0, 0};
                break;
            case 1:
                previous_ = {0, 0, 0, 255};
                break;
            case 2:
                previous_ = {255, 255, 255, 255};
                break;
            default:
                break;  // the same as the previous pixel
        }
        return previous_;
    }

  private:
    std::span<const std::uint64_t> words_;
    std::size_t position_ = 0;
    std::array<std::uint8_t, 4> previous_{0, 0, 0, 0};
};

// The rows and columns of the cell at column (cell row 0 is image row 1) that hold a pixel with any alpha.
Glyph::Ink inkOf(const FontImage& font, int column, int width) {
    Glyph::Ink ink;
    ink.left = width;
    ink.top = glyphCellHeight;
    for (int row = 0; row < glyphCellHeight; ++row) {
        for (int x = 0; x < width; ++x) {
            const std::size_t at = (static_cast<std::size_t>(1 + row) * static_cast<std::size_t>(font.width) +
                                    static_cast<std::size_t>(column + x)) *
                                   4;
            if (font.rgba[at + 3] != 0) {
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x + 1);
                ink.top = std::min(ink.top, row);
                ink.bottom = std::max(ink.bottom, row + 1);
            }
        }
    }
    if (ink.right <= ink.left) {
        return Glyph::Ink{};
    }
    const auto imageWidth = static_cast<float>(font.width);
    const auto imageHeight = static_cast<float>(font.height);
    ink.uMin = static_cast<float>(column + ink.left) / imageWidth;
    ink.uMax = static_cast<float>(column + ink.right) / imageWidth;
    ink.vMin = static_cast<float>(1 + ink.top) / imageHeight;
    ink.vMax = static_cast<float>(1 + ink.bottom) / imageHeight;
    return ink;
}

}  // namespace

FontImage decodeFont(std::string_view characters, std::span<const std::uint64_t> table,
                     std::span<const std::uint64_t> pixels) {
    FontImage font;
    std::size_t count = std::min(characters.size(), table.size());
    std::vector<int> tops(count);
    int drawableCount = 0;
    int drawableWidth = 0;
    int tallest = 0;
    for (std::size_t i = 0; i < count; ++i) {
        std::uint64_t word = table[i];
        Glyph glyph;
        glyph.character = characters[i];
        glyph.x = static_cast<std::int32_t>(word & 0xffff);
        glyph.width = static_cast<std::int32_t>((word >> 16) & 0xff);
        glyph.height = glyphCellHeight;
        int top = static_cast<int>((word >> 24) & 0xff);
        int bottom = static_cast<int>((word >> 32) & 0xff);
        glyph.drawable = glyph.width > 0 && top + bottom < glyphCellHeight;
        tops[i] = top;
        if (glyph.drawable) {
            ++drawableCount;
            drawableWidth += glyph.width;
            tallest = glyphCellHeight;
        }
        font.glyphs.push_back(glyph);
    }

    // A transparent row above and below and a transparent column around every cell.
    font.width = drawableWidth + drawableCount + 1;
    font.height = tallest + 2;
    font.rgba.assign(static_cast<std::size_t>(font.width) * static_cast<std::size_t>(font.height) * 4, 0);
    PixelStream stream(pixels);
    int column = 1;
    for (std::size_t i = 0; i < count; ++i) {
        Glyph& glyph = font.glyphs[i];
        if (!glyph.drawable) {
            continue;
        }
        glyph.uMin = static_cast<float>(column) / static_cast<float>(font.width);
        glyph.uMax = static_cast<float>(column + glyph.width) / static_cast<float>(font.width);
        glyph.vMin = 1.0f / static_cast<float>(font.height);
        glyph.vMax = static_cast<float>(font.height - 1) / static_cast<float>(font.height);
        std::uint64_t word = table[i];
        int bitmapHeight =
            glyphCellHeight - static_cast<int>((word >> 24) & 0xff) - static_cast<int>((word >> 32) & 0xff);
        for (int row = 0; row < bitmapHeight; ++row) {
            std::size_t start =
                (static_cast<std::size_t>(1 + tops[i] + row) * static_cast<std::size_t>(font.width) +
                 static_cast<std::size_t>(column)) *
                4;
            for (int x = 0; x < glyph.width; ++x) {
                std::array<std::uint8_t, 4> pixel = stream.next();
                std::copy(pixel.begin(), pixel.end(),
                          font.rgba.begin() + static_cast<std::ptrdiff_t>(start) + x * 4);
            }
        }
        glyph.ink = inkOf(font, column, glyph.width);
        column += glyph.width + 1;
    }
    for (std::size_t alpha = 3; alpha < font.rgba.size(); alpha += 4) {
        font.partialAlpha |= font.rgba[alpha] != 0 && font.rgba[alpha] != 255;
    }
    return font;
}

FontImage decodeBuiltInFont() {
    return decodeFont(std::string_view(fontCharacters, fontGlyphCount), fontTable, fontPixels);
}

GlyphTable makeGlyphTable(const std::vector<Glyph>& glyphs) {
    GlyphTable table{};
    for (const Glyph& glyph : glyphs) {
        auto code = static_cast<unsigned char>(glyph.character);
        if (inGlyphRange(code)) {
            table[code - firstGlyphCode] = glyph;
        }
    }
    return table;
}
