#include <GL/glew.h>

#include "studio/offscreen_frame.h"

#include <cstddef>
#include <cstring>
#include <stdexcept>

OffscreenFrame::OffscreenFrame(int width, int height) : width_(width), height_(height) {
    if (glGenFramebuffers == nullptr || glGenRenderbuffers == nullptr) {
        throw std::runtime_error("can't draw off screen: no framebuffer objects");
    }
    glGenRenderbuffers(1, &colour_);
    glBindRenderbuffer(GL_RENDERBUFFER, colour_);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    glGenRenderbuffers(1, &depth_);
    glBindRenderbuffer(GL_RENDERBUFFER, depth_);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width, height);
    glGenFramebuffers(1, &framebuffer_);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour_);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth_);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        release();
        throw std::runtime_error("can't draw off screen at that size");
    }
}

OffscreenFrame::~OffscreenFrame() {
    release();
}

void OffscreenFrame::release() {
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glDeleteFramebuffers(1, &framebuffer_);
    glDeleteRenderbuffers(1, &depth_);
    glDeleteRenderbuffers(1, &colour_);
    framebuffer_ = depth_ = colour_ = 0;
}

std::vector<std::uint8_t> OffscreenFrame::readRgb() const {
    const auto rowBytes = static_cast<std::size_t>(width_) * 3;
    std::vector<std::uint8_t> bottomUp(rowBytes * static_cast<std::size_t>(height_));
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width_, height_, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
    // GL's rows start at the bottom, a picture file's at the top.
    std::vector<std::uint8_t> topDown(bottomUp.size());
    for (int row = 0; row < height_; ++row) {
        std::memcpy(topDown.data() + static_cast<std::size_t>(row) * rowBytes,
                    bottomUp.data() + static_cast<std::size_t>(height_ - 1 - row) * rowBytes, rowBytes);
    }
    return topDown;
}
