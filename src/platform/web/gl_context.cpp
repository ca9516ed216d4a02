#include "platform/gl_context.h"

#include "platform/batched_gl/batched_gl.h"
#include "platform/gl_generation.h"
#include "platform/shared/program_queue.h"
#include "platform/web/native.h"

#include <emscripten.h>
#include <emscripten/html5.h>

#include <cstdint>

namespace platform {

namespace {

// What the next context is asked for; the canvas's drawing buffer is made with the context.
PixelFormat requested;
// WebGL has no GL 1.1: the context's scene is drawn through the batched layer, which lives as long as
// the context and is active while it is current.
std::unique_ptr<BatchedGl> layer;

EMSCRIPTEN_WEBGL_CONTEXT_HANDLE handleOf(void* native) {
    return static_cast<EMSCRIPTEN_WEBGL_CONTEXT_HANDLE>(reinterpret_cast<std::intptr_t>(native));
}

bool lost = false;

// clang-format off
EM_JS(void, showGraphicsLost, (int shown), {
    document.body.classList.toggle('lost', !!shown);
});
// clang-format on

// The window shows nothing while the context is lost, as when minimised, and is drawn again once it is back.
void reportContextChange() {
    showGraphicsLost(lost ? 1 : 0);
    if (Window* window = web::liveWindow()) {
        NativeEvents::reportSize(*window, false);
        programQueue::push({.window = window->id(), .kind = MessageKind::Paint});
    }
}

EM_BOOL contextLost(int, const void*, void*) {
    lost = true;
    reportContextChange();
    // Handled: the browser then restores the context when it can.
    return EM_TRUE;
}

// Every object of the lost context is gone: the layer starts afresh, and the generation tells the rest.
EM_BOOL contextRestored(int, const void*, void*) {
    lost = false;
    ++glContextGeneration();
    if (layer) {
        const bool active = BatchedGl::active() == layer.get();
        layer = std::make_unique<BatchedGl>();
        if (active) {
            BatchedGl::activate(layer.get());
        }
    }
    reportContextChange();
    return EM_FALSE;
}

}  // namespace

std::unique_ptr<DeviceContext> DeviceContext::get(Window& window) {
    return window.alive() ? std::unique_ptr<DeviceContext>(new DeviceContext(window)) : nullptr;
}

DeviceContext::~DeviceContext() = default;

void DeviceContext::setPixelFormat(const PixelFormat& format) {
    requested = format;
}

// The browser shows the drawing buffer when the page hands its thread back (the frame's pause): there is
// nothing to swap.
void DeviceContext::swapBuffers() {}

std::unique_ptr<GlContext> GlContext::create(DeviceContext& deviceContext) {
    if (!deviceContext.window().alive()) {
        return nullptr;
    }
    EmscriptenWebGLContextAttributes attributes;
    emscripten_webgl_init_context_attributes(&attributes);
    attributes.alpha = EM_FALSE;
    attributes.depth = requested.depthBits > 0 ? EM_TRUE : EM_FALSE;
    attributes.stencil = EM_FALSE;
    // The desktop draws without multisampling; so does the page, with the same edges.
    attributes.antialias = EM_FALSE;
    attributes.premultipliedAlpha = EM_FALSE;
    attributes.majorVersion = 2;
    EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context = emscripten_webgl_create_context(web::CanvasTarget, &attributes);
    // WebGL 1 still draws the scene; the status text then shows in the title alone.
    if (context <= 0) {
        attributes.majorVersion = 1;
        context = emscripten_webgl_create_context(web::CanvasTarget, &attributes);
    }
    if (context <= 0) {
        return nullptr;
    }
    layer = std::make_unique<BatchedGl>();
    emscripten_set_webglcontextlost_callback(web::CanvasTarget, nullptr, EM_FALSE, contextLost);
    emscripten_set_webglcontextrestored_callback(web::CanvasTarget, nullptr, EM_FALSE, contextRestored);
    return std::unique_ptr<GlContext>(
        new GlContext(reinterpret_cast<void*>(static_cast<std::intptr_t>(context))));
}

GlContext::~GlContext() {
    emscripten_set_webglcontextlost_callback(web::CanvasTarget, nullptr, EM_FALSE, nullptr);
    emscripten_set_webglcontextrestored_callback(web::CanvasTarget, nullptr, EM_FALSE, nullptr);
    // The layer's GL objects go while their context is current.
    emscripten_webgl_make_context_current(handleOf(native_));
    BatchedGl::activate(nullptr);
    layer.reset();
    emscripten_webgl_make_context_current(0);
    emscripten_webgl_destroy_context(handleOf(native_));
}

bool GlContext::makeCurrent(DeviceContext& deviceContext) {
    if (!deviceContext.window().alive() ||
        emscripten_webgl_make_context_current(handleOf(native_)) != EMSCRIPTEN_RESULT_SUCCESS) {
        return false;
    }
    BatchedGl::activate(layer.get());
    return true;
}

void GlContext::makeNoneCurrent() {
    BatchedGl::activate(nullptr);
    emscripten_webgl_make_context_current(0);
}

namespace web {

bool glContextLost() {
    return lost;
}

}  // namespace web

bool presentAtDisplayRate(bool /*on*/) {
    // The browser shows a page's frames with its display's; each frame's pause ends with one.
    return true;
}

bool glUsesGlx() {
    return false;
}

void drawRecordedGl() {
    if (BatchedGl* active = BatchedGl::active()) {
        active->submit();
    }
}

}  // namespace platform
