#include "app/overlay_text.h"

#include "app/text_overlay.h"

OverlayText::OverlayText() : text_(createText()) {
    chars_.reserve(64);
}

OverlayText::~OverlayText() {
    deleteText(std::move(text_));
}

void OverlayText::set(std::string_view text) {
    if (text == chars_) {
        return;
    }
    chars_.assign(text);
    setText(text_.get(), chars_.c_str());
}

void OverlayText::draw(float x, float y, float scale, int horizontal, int vertical,
                       const Color& color) const {
    if (!text_ || chars_.empty()) {
        return;
    }
    setTextColor(static_cast<float>(color.r), static_cast<float>(color.g), static_cast<float>(color.b), 1.0f);
    drawTextAligned(text_.get(), x, y, scale, horizontal, vertical);
}
