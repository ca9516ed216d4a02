#include "platform/gl_context.h"

#include "platform/win32/native.h"

namespace platform {

namespace {

// No device once the window is gone: its device context went with it.
HDC deviceOf(const DeviceContext& deviceContext) {
    return deviceContext.window().alive() ? static_cast<HDC>(deviceContext.native()) : nullptr;
}

}  // namespace

std::unique_ptr<DeviceContext> DeviceContext::get(Window& window) {
    HDC device = window.alive() ? GetDC(win32::nativeOf(window)) : nullptr;
    if (device == nullptr) {
        return nullptr;
    }
    std::unique_ptr<DeviceContext> deviceContext(new DeviceContext(window));
    deviceContext->native_ = device;
    return deviceContext;
}

DeviceContext::~DeviceContext() {
    if (window_.alive()) {
        ReleaseDC(win32::nativeOf(window_), static_cast<HDC>(native_));
    }
}

void DeviceContext::setPixelFormat(const PixelFormat& format) {
    HDC device = deviceOf(*this);
    if (device == nullptr) {
        return;
    }
    PIXELFORMATDESCRIPTOR descriptor{};
    descriptor.nSize = sizeof(PIXELFORMATDESCRIPTOR);
    descriptor.nVersion = 1;
    descriptor.dwFlags =
        PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | (format.doubleBuffer ? PFD_DOUBLEBUFFER : 0);
    descriptor.iPixelType = PFD_TYPE_RGBA;
    descriptor.cColorBits = static_cast<BYTE>(format.colorBits);
    descriptor.cDepthBits = static_cast<BYTE>(format.depthBits);
    descriptor.iLayerType = PFD_MAIN_PLANE;
    // A format that cannot be chosen or set shows as a context that cannot be created.
    SetPixelFormat(device, ChoosePixelFormat(device, &descriptor), &descriptor);
}

void DeviceContext::swapBuffers() {
    if (HDC device = deviceOf(*this)) {
        SwapBuffers(device);
    }
}

std::unique_ptr<GlContext> GlContext::create(DeviceContext& deviceContext) {
    HDC device = deviceOf(deviceContext);
    HGLRC native = device == nullptr ? nullptr : wglCreateContext(device);
    return native == nullptr ? nullptr : std::unique_ptr<GlContext>(new GlContext(native));
}

GlContext::~GlContext() {
    wglDeleteContext(static_cast<HGLRC>(native_));
}

bool GlContext::makeCurrent(DeviceContext& deviceContext) {
    HDC device = deviceOf(deviceContext);
    return device != nullptr && wglMakeCurrent(device, static_cast<HGLRC>(native_)) != FALSE;
}

void GlContext::makeNoneCurrent() {
    wglMakeCurrent(nullptr, nullptr);
}

bool glUsesGlx() {
    return false;
}

void drawRecordedGl() {}

bool presentAtDisplayRate(bool on) {
    using SwapInterval = BOOL(WINAPI*)(int);
    const auto setInterval =
        reinterpret_cast<SwapInterval>(reinterpret_cast<void (*)()>(wglGetProcAddress("wglSwapIntervalEXT")));
    if (setInterval == nullptr) {
        return false;
    }
    if (!on) {
        return setInterval(0) != FALSE;
    }
    // Adaptive first (WGL_EXT_swap_control_tear); a driver without it refuses a negative interval.
    return setInterval(-1) != FALSE || setInterval(1) != FALSE;
}

}  // namespace platform
