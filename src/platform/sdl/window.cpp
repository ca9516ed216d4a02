#include "platform/window.h"

#include "platform/message_queue.h"
#include "platform/sdl/native.h"
#include "platform/shared/program_queue.h"
#include "platform/shared/window_classes.h"

#include <algorithm>
#include <map>

namespace platform {

namespace {

std::vector<Window*> windows;

// What a window was before it went full screen, to be put back as it was.
struct WindowedPlace {
    bool maximised;
    SDL_Rect rect;
};
std::map<WindowId, WindowedPlace> placesBeforeFullScreen;

// The size a window gets when nobody places it.
constexpr int DefaultWidth = 640;
constexpr int DefaultHeight = 480;

}  // namespace

namespace sdl {

bool startVideo() {
    // SDL falls back to drivers that show nothing (offscreen, dummy) when there is no display, and probing
    // Wayland without a compositor prints to stderr: only the displays the environment names are tried,
    // unless SDL_VIDEODRIVER chooses.
    if (SDL_getenv("SDL_VIDEODRIVER") == nullptr) {
        std::string drivers;
        if (SDL_getenv("DISPLAY") != nullptr) {
            drivers = "x11";
        }
        if (SDL_getenv("WAYLAND_DISPLAY") != nullptr) {
            drivers += drivers.empty() ? "wayland" : ",wayland";
        }
        if (drivers.empty()) {
            return false;
        }
        SDL_SetHint(SDL_HINT_VIDEODRIVER, drivers.c_str());
    }
    return SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
}

const std::vector<Window*>& liveWindows() {
    return windows;
}

Window* findWindow(WindowId id) {
    auto found = std::find_if(windows.begin(), windows.end(), [id](Window* w) { return w->id() == id; });
    return found == windows.end() ? nullptr : *found;
}

}  // namespace sdl

Rect desktopRect() {
    bool started = SDL_WasInit(SDL_INIT_VIDEO) == 0;
    if (started && !sdl::startVideo()) {
        return {};
    }
    SDL_Rect bounds{};
    Rect rect{};
    if (SDL_GetDisplayBounds(0, &bounds) == 0) {
        rect = {bounds.x, bounds.y, bounds.x + bounds.w, bounds.y + bounds.h};
    }
    if (started) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    return rect;
}

std::unique_ptr<Window> Window::create(const std::string& className, const std::string& caption) {
    WindowProcedure procedure = windowClasses::procedureOf(className);
    if (procedure == nullptr) {
        return nullptr;
    }
    // A joystick keeps reporting while another window has the focus.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (!sdl::startVideo()) {
        return nullptr;
    }
    sdl::applyPixelFormat(PixelFormat{});
    SDL_Window* native = SDL_CreateWindow(
        caption.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, DefaultWidth, DefaultHeight,
        SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
    if (native == nullptr) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return nullptr;
    }
    std::unique_ptr<Window> window(new Window(native, SDL_GetWindowID(native), procedure));
    windows.push_back(window.get());
    sendMessage(*window, {.kind = MessageKind::Create});
    return window;
}

Window::~Window() {
    destroy();
    SDL_DestroyWindow(static_cast<SDL_Window*>(native_));
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void Window::move(const Rect& rect) {
    if (!alive()) {
        return;
    }
    SDL_SetWindowPosition(sdl::nativeOf(*this), rect.left, rect.top);
    SDL_SetWindowSize(sdl::nativeOf(*this), rect.width(), rect.height());
    NativeEvents::reportSize(*this, true);
}

void Window::showMaximised() {
    if (!alive()) {
        return;
    }
    SDL_ShowWindow(sdl::nativeOf(*this));
    SDL_MaximizeWindow(sdl::nativeOf(*this));
}

void Window::minimise() {
    if (alive()) {
        SDL_MinimizeWindow(sdl::nativeOf(*this));
    }
}

void Window::setFullScreen(bool on) {
    if (!alive()) {
        return;
    }
    SDL_Window* native = sdl::nativeOf(*this);
    if (on == fullScreen()) {
        return;
    }
    if (on) {
        WindowedPlace place{(SDL_GetWindowFlags(native) & SDL_WINDOW_MAXIMIZED) != 0, {}};
        SDL_GetWindowPosition(native, &place.rect.x, &place.rect.y);
        SDL_GetWindowSize(native, &place.rect.w, &place.rect.h);
        placesBeforeFullScreen[id_] = place;
        SDL_SetWindowFullscreen(native, SDL_WINDOW_FULLSCREEN_DESKTOP);
    } else {
        SDL_SetWindowFullscreen(native, 0);
        const auto before = placesBeforeFullScreen.find(id_);
        if (before != placesBeforeFullScreen.end()) {
            const WindowedPlace place = before->second;
            placesBeforeFullScreen.erase(before);
            if (place.maximised) {
                SDL_MaximizeWindow(native);
            } else {
                SDL_RestoreWindow(native);
                SDL_SetWindowSize(native, place.rect.w, place.rect.h);
                SDL_SetWindowPosition(native, place.rect.x, place.rect.y);
            }
        }
    }
    NativeEvents::reportSize(*this, false);
}

bool Window::fullScreen() const {
    return alive() && (SDL_GetWindowFlags(sdl::nativeOf(*this)) & SDL_WINDOW_FULLSCREEN) != 0;
}

void Window::setCaption(const std::string& caption) {
    if (alive()) {
        SDL_SetWindowTitle(sdl::nativeOf(*this), caption.c_str());
    }
}

std::string Window::caption() const {
    return alive() ? SDL_GetWindowTitle(sdl::nativeOf(*this)) : "";
}

void Window::destroy() {
    if (!alive() || destroying_) {
        return;
    }
    destroying_ = true;
    sendMessage(*this, {.kind = MessageKind::Destroy});
    sdl::releaseJoystickOf(id_);
    programQueue::discard(id_);
    windows.erase(std::remove(windows.begin(), windows.end(), this), windows.end());
    // The native window only goes out of sight: a GL context made on it stays current until its owner
    // releases the context and then this object, as after a window is destroyed on Windows.
    SDL_HideWindow(sdl::nativeOf(*this));
    alive_ = false;
}

}  // namespace platform
