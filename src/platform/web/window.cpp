#include "platform/window.h"

#include "platform/message_queue.h"
#include "platform/shared/program_queue.h"
#include "platform/shared/window_classes.h"
#include "platform/web/native.h"

#include <emscripten.h>
#include <emscripten/html5.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace platform {

namespace {

Window* live = nullptr;
WindowId lastId = 0;
// The page's title is the caption; kept here too, so that reading it back needs no call into the page.
std::string shownCaption;

// The canvas follows the page (its style fills the page); its drawing buffer has as many pixels as the
// display shows there, so that a high-density display gets a sharp picture.
bool canvasPixels(std::uint32_t& width, std::uint32_t& height) {
    double cssWidth = 0;
    double cssHeight = 0;
    if (emscripten_get_element_css_size(web::CanvasTarget, &cssWidth, &cssHeight) !=
        EMSCRIPTEN_RESULT_SUCCESS) {
        return false;
    }
    const double ratio = emscripten_get_device_pixel_ratio();
    width = static_cast<std::uint32_t>(std::lround(std::max(cssWidth, 0.0) * ratio));
    height = static_cast<std::uint32_t>(std::lround(std::max(cssHeight, 0.0) * ratio));
    return true;
}

bool pageHidden() {
    EmscriptenVisibilityChangeEvent status{};
    return emscripten_get_visibility_status(&status) == EMSCRIPTEN_RESULT_SUCCESS && status.hidden;
}

EM_BOOL pageResized(int, const EmscriptenUiEvent*, void*) {
    if (live != nullptr) {
        NativeEvents::reportSize(*live, false);
    }
    return EM_FALSE;
}

EM_BOOL visibilityChanged(int, const EmscriptenVisibilityChangeEvent*, void*) {
    if (live != nullptr) {
        NativeEvents::reportSize(*live, false);
        programQueue::push({.window = live->id(), .kind = MessageKind::Paint});
    }
    return EM_FALSE;
}

// The canvas keeps filling what shows it, the screen or the page.
EM_BOOL fullScreenChanged(int, const EmscriptenFullscreenChangeEvent*, void*) {
    if (live != nullptr) {
        NativeEvents::reportSize(*live, false);
    }
    return EM_FALSE;
}

void listenToPage(bool listen) {
    emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE,
                                   listen ? pageResized : nullptr);
    emscripten_set_fullscreenchange_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, nullptr, EM_FALSE,
                                             listen ? fullScreenChanged : nullptr);
    emscripten_set_visibilitychange_callback(nullptr, EM_FALSE, listen ? visibilityChanged : nullptr);
}

}  // namespace

void NativeEvents::reportSize(Window& window, bool send) {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    if (!window.alive() || !canvasPixels(width, height)) {
        return;
    }
    int shownWidth = 0;
    int shownHeight = 0;
    emscripten_get_canvas_element_size(web::CanvasTarget, &shownWidth, &shownHeight);
    // Resizing the drawing buffer clears it: only a real change does.
    if (static_cast<std::uint32_t>(shownWidth) != width ||
        static_cast<std::uint32_t>(shownHeight) != height) {
        emscripten_set_canvas_element_size(web::CanvasTarget, static_cast<int>(width),
                                           static_cast<int>(height));
    }
    if (pageHidden() || web::glContextLost()) {
        width = height = 0;
    }
    window.reportSize(width, height, send);
}

namespace web {

Window* liveWindow() {
    return live;
}

}  // namespace web

Rect desktopRect() {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    if (!canvasPixels(width, height)) {
        return {};
    }
    return {0, 0, static_cast<int>(width), static_cast<int>(height)};
}

std::unique_ptr<Window> Window::create(const std::string& className, const std::string& caption) {
    WindowProcedure procedure = windowClasses::procedureOf(className);
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    // One page, one canvas: a second window has nowhere to go.
    if (procedure == nullptr || live != nullptr || !canvasPixels(width, height)) {
        return nullptr;
    }
    // The window's handle is the canvas's name, which the other parts of the backend address it by.
    std::unique_ptr<Window> window(new Window(const_cast<char*>(web::CanvasTarget), ++lastId, procedure));
    live = window.get();
    window->setCaption(caption);
    listenToPage(true);
    web::listenToInput(window->id());
    sendMessage(*window, {.kind = MessageKind::Create});
    return window;
}

Window::~Window() {
    destroy();
}

// The canvas fills the page whatever the place asked for: only its size is reported.
void Window::move(const Rect&) {
    NativeEvents::reportSize(*this, true);
}

void Window::showMaximised() {
    NativeEvents::reportSize(*this, false);
}

// A page cannot be minimised; a hidden tab is the page's minimised state.
void Window::minimise() {}

// The browser's full screen of the canvas. It lets a page ask only shortly after a key press or a click:
// the frame that handles the press asks well within that time. Its new size comes once the screen shows it.
void Window::setFullScreen(bool on) {
    if (!alive() || on == fullScreen()) {
        return;
    }
    if (on) {
        emscripten_request_fullscreen(web::CanvasTarget, EM_FALSE);
    } else {
        emscripten_exit_fullscreen();
    }
}

bool Window::fullScreen() const {
    EmscriptenFullscreenChangeEvent status{};
    return alive() && emscripten_get_fullscreen_status(&status) == EMSCRIPTEN_RESULT_SUCCESS &&
           status.isFullscreen;
}

void Window::setCaption(const std::string& caption) {
    if (alive()) {
        shownCaption = caption;
        emscripten_set_window_title(caption.c_str());
    }
}

std::string Window::caption() const {
    return alive() ? shownCaption : "";
}

void Window::destroy() {
    if (!alive() || destroying_) {
        return;
    }
    destroying_ = true;
    sendMessage(*this, {.kind = MessageKind::Destroy});
    web::releaseJoystickOf(id_);
    web::stopListeningToInput();
    listenToPage(false);
    programQueue::discard(id_);
    live = nullptr;
    alive_ = false;
}

}  // namespace platform
