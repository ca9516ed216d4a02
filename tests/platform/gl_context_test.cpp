#include "platform/gl_context.h"

#include "platform/cursor.h"
#include "platform/message_queue.h"
#include "platform/window.h"

#include <GL/gl.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

using namespace platform;

namespace {

MessageResult plainProcedure(Window& window, const Message& message) {
    return defWindowProc(window, message);
}

class GlContextTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(registerClass("gl context test", plainProcedure));
        window = Window::create("gl context test", "GL context test");
        ASSERT_NE(window, nullptr);
        window->move({0, 0, 64, 64});
    }
    void TearDown() override {
        window.reset();
        Message message;
        while (peekMessage(message)) {
        }
    }

    std::unique_ptr<Window> window;
};

}  // namespace

TEST_F(GlContextTest, CompatibilityContextWithTheAskedPixelFormat) {
    auto deviceContext = DeviceContext::get(*window);
    ASSERT_NE(deviceContext, nullptr);
    deviceContext->setPixelFormat(PixelFormat{});
    auto context = GlContext::create(*deviceContext);
    ASSERT_NE(context, nullptr);
    ASSERT_TRUE(context->makeCurrent(*deviceContext));
    EXPECT_TRUE(glUsesGlx());

    GLint depthBits = 0;
    GLint redBits = 0;
    GLboolean doubleBuffered = GL_FALSE;
    glGetIntegerv(GL_DEPTH_BITS, &depthBits);
    glGetIntegerv(GL_RED_BITS, &redBits);
    glGetBooleanv(GL_DOUBLEBUFFER, &doubleBuffered);
    EXPECT_GE(depthBits, 16);
    EXPECT_GE(redBits, 8);
    EXPECT_TRUE(doubleBuffered);

    // Immediate mode works: a full-window quad drawn and read back before the swap.
    glViewport(0, 0, 64, 64);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3d(1, 0, 1);
    glBegin(GL_QUADS);
    glVertex2d(-1, -1);
    glVertex2d(1, -1);
    glVertex2d(1, 1);
    glVertex2d(-1, 1);
    glEnd();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    unsigned char pixel[4] = {};
    glReadPixels(32, 32, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    EXPECT_EQ(pixel[0], 255);
    EXPECT_EQ(pixel[1], 0);
    EXPECT_EQ(pixel[2], 255);
    deviceContext->swapBuffers();

    GlContext::makeNoneCurrent();
    EXPECT_EQ(SDL_GL_GetCurrentContext(), nullptr);
}

TEST_F(GlContextTest, ContextOutlivesItsWindow) {
    auto deviceContext = DeviceContext::get(*window);
    auto context = GlContext::create(*deviceContext);
    ASSERT_NE(context, nullptr);
    window->destroy();
    EXPECT_FALSE(context->makeCurrent(*deviceContext));
    deviceContext->swapBuffers();
    EXPECT_EQ(DeviceContext::get(*window), nullptr);
    EXPECT_EQ(GlContext::create(*deviceContext), nullptr);
}

TEST_F(GlContextTest, CursorWarpsOnlyIntoALiveWindow) {
    EXPECT_TRUE(warpCursor(*window, 32, 32));
    window->destroy();
    EXPECT_FALSE(warpCursor(*window, 32, 32));
    hideCursor();
}
