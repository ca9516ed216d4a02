#include "recording_window.h"

#include "platform/gl_context.h"

#include <GL/gl.h>

#include <array>

using platform::DeviceContext;
using platform::GlContext;

using GlContextTest = RecordingWindowTest;

TEST_F(GlContextTest, AskedPixelFormatGivesADoubleBufferedCompatibilityContext) {
    window->move({0, 0, 200, 150});
    auto deviceContext = DeviceContext::get(*window);
    ASSERT_NE(deviceContext, nullptr);
    HDC device = static_cast<HDC>(deviceContext->native());
    deviceContext->setPixelFormat({.colorBits = 24, .depthBits = 16, .doubleBuffer = true});

    PIXELFORMATDESCRIPTOR granted{};
    int format = GetPixelFormat(device);
    ASSERT_GT(format, 0);
    DescribePixelFormat(device, format, sizeof granted, &granted);
    EXPECT_TRUE(granted.dwFlags & PFD_DOUBLEBUFFER);
    EXPECT_TRUE(granted.dwFlags & PFD_SUPPORT_OPENGL);
    EXPECT_EQ(granted.iPixelType, PFD_TYPE_RGBA);
    EXPECT_GE(granted.cColorBits, 24);
    EXPECT_GE(granted.cDepthBits, 16);

    auto context = GlContext::create(*deviceContext);
    ASSERT_NE(context, nullptr);
    ASSERT_TRUE(context->makeCurrent(*deviceContext));
    EXPECT_NE(wglGetCurrentContext(), nullptr);
    EXPECT_FALSE(platform::glUsesGlx());
    // Immediate mode, which needs a compatibility context.
    EXPECT_NE(glGetString(GL_VERSION), nullptr);
    EXPECT_NE(wglGetProcAddress("glGenVertexArrays"), nullptr);

    GlContext::makeNoneCurrent();
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
}

TEST_F(GlContextTest, DrawingReadsBackAndSwaps) {
    window->move({0, 0, 200, 150});
    window->showMaximised();
    drain();
    auto deviceContext = DeviceContext::get(*window);
    ASSERT_NE(deviceContext, nullptr);
    deviceContext->setPixelFormat({});
    auto context = GlContext::create(*deviceContext);
    ASSERT_NE(context, nullptr);
    ASSERT_TRUE(context->makeCurrent(*deviceContext));

    RECT client{};
    GetClientRect(hwnd(), &client);
    glViewport(0, 0, client.right, client.bottom);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3d(1, 0, 1);
    glBegin(GL_QUADS);
    glVertex2d(-0.5, -0.5);
    glVertex2d(0.5, -0.5);
    glVertex2d(0.5, 0.5);
    glVertex2d(-0.5, 0.5);
    glEnd();
    glFinish();
    std::array<unsigned char, 4> centre{};
    std::array<unsigned char, 4> corner{};
    glReadPixels(client.right / 2, client.bottom / 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, centre.data());
    glReadPixels(1, 1, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, corner.data());
    EXPECT_EQ(centre[0], 255);
    EXPECT_EQ(centre[1], 0);
    EXPECT_EQ(centre[2], 255);
    EXPECT_EQ(corner[0], 0);
    EXPECT_EQ(corner[2], 0);
    deviceContext->swapBuffers();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    GlContext::makeNoneCurrent();
}

TEST_F(GlContextTest, TearDownInTheWindowsOrderLeavesNoContextAndADeadWindow) {
    auto deviceContext = DeviceContext::get(*window);
    deviceContext->setPixelFormat({});
    auto context = GlContext::create(*deviceContext);
    ASSERT_NE(context, nullptr);
    ASSERT_TRUE(context->makeCurrent(*deviceContext));
    HWND native = hwnd();

    GlContext::makeNoneCurrent();
    context.reset();
    deviceContext.reset();
    window->minimise();
    EXPECT_TRUE(IsIconic(native));
    window->destroy();
    EXPECT_FALSE(IsWindow(native));
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
}

TEST_F(GlContextTest, ADestroyedWindowHasNoDeviceContext) {
    auto deviceContext = DeviceContext::get(*window);
    ASSERT_NE(deviceContext, nullptr);
    window->destroy();
    EXPECT_EQ(DeviceContext::get(*window), nullptr);
    EXPECT_EQ(GlContext::create(*deviceContext), nullptr);
    // Nothing to swap or release any more.
    deviceContext->swapBuffers();
    deviceContext.reset();
}
