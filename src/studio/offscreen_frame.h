#pragma once

#include <cstdint>
#include <vector>

// A framebuffer of its own size in the current GL context, drawn into instead of the window while it is
// bound: pictures of any size, whatever the window's size or whether it is shown.
class OffscreenFrame {
  public:
    // Throws std::runtime_error when the context cannot make one of that size.
    OffscreenFrame(int width, int height);
    ~OffscreenFrame();
    OffscreenFrame(const OffscreenFrame&) = delete;
    OffscreenFrame& operator=(const OffscreenFrame&) = delete;

    // The picture drawn, as RGB rows from the top.
    std::vector<std::uint8_t> readRgb() const;

    int width() const { return width_; }
    int height() const { return height_; }

  private:
    void release();

    int width_;
    int height_;
    unsigned framebuffer_ = 0;
    unsigned colour_ = 0;
    unsigned depth_ = 0;
};
