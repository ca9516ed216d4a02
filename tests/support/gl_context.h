#pragma once

#include <GL/gl.h>

#include <vector>

// A hidden window with a current compatibility GL context, for tests that draw.
// Needs a display (the test command runs under Xvfb).
class TestGlContext {
  public:
    TestGlContext(int width = 64, int height = 64);
    ~TestGlContext();
    TestGlContext(const TestGlContext&) = delete;
    TestGlContext& operator=(const TestGlContext&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }

  private:
    struct SDL_Window* window_ = nullptr;
    void* context_ = nullptr;
    int width_;
    int height_;
};

// One primitive captured in GL feedback mode with GL_3D_COLOR (RGBA colour mode).
struct FeedbackVertex {
    float x, y, z;
    float r, g, b, a;
};

struct FeedbackPrimitive {
    GLenum kind;  // GL_POINT_TOKEN, GL_LINE_TOKEN (or GL_LINE_RESET_TOKEN), GL_POLYGON_TOKEN
    std::vector<FeedbackVertex> vertices;
};

// Runs draw() in feedback mode and returns what it emitted, in order. The caller sets up the matrices;
// window coordinates come back as GL computes them for the current viewport.
template <typename Draw>
std::vector<FeedbackPrimitive> captureFeedback(Draw draw, std::size_t capacity = 1 << 16);

std::vector<FeedbackPrimitive> parseFeedback(const std::vector<GLfloat>& buffer, GLint used);

template <typename Draw>
std::vector<FeedbackPrimitive> captureFeedback(Draw draw, std::size_t capacity) {
    std::vector<GLfloat> buffer(capacity);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    GLint used = glRenderMode(GL_RENDER);
    return parseFeedback(buffer, used);
}
