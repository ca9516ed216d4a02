#include "platform/gl_context.h"

#include "platform/sdl/native.h"

#include <cstring>

namespace platform {

namespace sdl {

void applyPixelFormat(const PixelFormat& format) {
    int channelBits = format.colorBits / 3;
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, channelBits);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, channelBits);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, channelBits);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, format.depthBits);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, format.doubleBuffer ? 1 : 0);
}

}  // namespace sdl

std::unique_ptr<DeviceContext> DeviceContext::get(Window& window) {
    return window.alive() ? std::unique_ptr<DeviceContext>(new DeviceContext(window)) : nullptr;
}

DeviceContext::~DeviceContext() = default;

void DeviceContext::setPixelFormat(const PixelFormat& format) {
    sdl::applyPixelFormat(format);
}

void DeviceContext::swapBuffers() {
    if (window_.alive()) {
        SDL_GL_SwapWindow(sdl::nativeOf(window_));
    }
}

bool presentAtDisplayRate(bool on) {
    if (!on) {
        return SDL_GL_SetSwapInterval(0) == 0;
    }
    // Adaptive first: a frame that misses the display's refresh is shown at once rather than a refresh late.
    return SDL_GL_SetSwapInterval(-1) == 0 || SDL_GL_SetSwapInterval(1) == 0;
}

std::unique_ptr<GlContext> GlContext::create(DeviceContext& deviceContext) {
    if (!deviceContext.window().alive()) {
        return nullptr;
    }
    // The context may outlive its window (closing destroys the window first): it keeps video running.
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        return nullptr;
    }
    SDL_GLContext native = SDL_GL_CreateContext(sdl::nativeOf(deviceContext.window()));
    if (native == nullptr) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return nullptr;
    }
    return std::unique_ptr<GlContext>(new GlContext(native));
}

GlContext::~GlContext() {
    SDL_GL_DeleteContext(native_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

bool GlContext::makeCurrent(DeviceContext& deviceContext) {
    return deviceContext.window().alive() &&
           SDL_GL_MakeCurrent(sdl::nativeOf(deviceContext.window()), native_) == 0;
}

void GlContext::makeNoneCurrent() {
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0) {
        SDL_GL_MakeCurrent(nullptr, nullptr);
    }
}

bool glUsesGlx() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver != nullptr && std::strcmp(driver, "x11") == 0;
}

void drawRecordedGl() {}

}  // namespace platform
