#pragma once

#include "platform/window.h"

#include <memory>

namespace platform {

// What a window's drawing surface is asked for. Colours are RGBA.
struct PixelFormat {
    int colorBits = 24;
    int depthBits = 16;
    bool doubleBuffer = true;
};

// A window's drawing surface: where OpenGL draws and what swaps.
class DeviceContext {
  public:
    // nullptr when the window has been destroyed.
    static std::unique_ptr<DeviceContext> get(Window& window);
    ~DeviceContext();
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    void setPixelFormat(const PixelFormat& format);
    void swapBuffers();
    Window& window() const { return window_; }
    // The backend's own handle, for the other parts of the backend.
    void* native() const { return native_; }

  private:
    explicit DeviceContext(Window& window) : window_(window) {}
    Window& window_;
    void* native_ = nullptr;
};

// An OpenGL context with no profile request: the compatibility context that immediate mode needs.
class GlContext {
  public:
    // nullptr when the context cannot be created.
    static std::unique_ptr<GlContext> create(DeviceContext& deviceContext);
    ~GlContext();
    GlContext(const GlContext&) = delete;
    GlContext& operator=(const GlContext&) = delete;

    bool makeCurrent(DeviceContext& deviceContext);
    // Leaves no context current on this thread.
    static void makeNoneCurrent();

  private:
    explicit GlContext(void* native) : native_(native) {}
    void* native_;
};

// Whether the current context presents each frame at the display's rate (vertical sync, adaptive where the
// driver has it, so that a late frame is shown at once) or as soon as it is drawn. False when the driver
// cannot; a page is paced by the browser's display frames instead, and says true.
bool presentAtDisplayRate(bool on);

// True when OpenGL reaches the window system through GLX, false for EGL-only video drivers.
bool glUsesGlx();

// Draws what the current context has recorded of GL 1.1 drawing, for a caller about to draw with shaders and
// state of its own. Only the web's context records (its GL 1.1 is the batched layer, platform/batched_gl);
// elsewhere GL 1.1 draws at once.
void drawRecordedGl();

}  // namespace platform
