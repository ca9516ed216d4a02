#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "geometry/color.h"

struct Text;

// A text a scene draws over its frame besides the status (Graphics::drawOverlay): a clock, a table, a panel.
// Made and destroyed while the scene's GL context is current.
class OverlayText {
  public:
    OverlayText();
    ~OverlayText();
    OverlayText(const OverlayText&) = delete;
    OverlayText& operator=(const OverlayText&) = delete;

    // Setting the text it already holds changes nothing, and an equal length allocates nothing.
    void set(std::string_view text);
    std::string_view text() const { return chars_; }
    // The text's point that horizontal and vertical (TextAlignment values) name goes to (x, y) in window
    // pixels, y downward; scale is window pixels per font pixel.
    void draw(float x, float y, float scale, int horizontal, int vertical, const Color& color) const;

  private:
    std::unique_ptr<Text> text_;
    std::string chars_;
};
