#include "platform/window.h"

#include "platform/shared/window_classes.h"
#include "platform/win32/native.h"

#include <algorithm>
#include <map>
#include <vector>

namespace platform {

namespace {

std::vector<Window*> windows;
// The window whose CreateWindowExA is running: its first messages arrive before its handle is known.
Window* creating = nullptr;
WindowId lastId = 0;
// Where a window full screen goes back to, taken as it went full screen.
std::map<WindowId, WINDOWPLACEMENT> placementsBeforeFullScreen;

HINSTANCE instance() {
    return GetModuleHandleA(nullptr);
}

// Windows learns of a class when its first window is made.
bool registerWithWindows(const std::string& className) {
    WNDCLASSA windowClass{};
    if (GetClassInfoA(instance(), className.c_str(), &windowClass) &&
        windowClass.lpfnWndProc == NativeEvents::windowProcedure) {
        return true;
    }
    windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = NativeEvents::windowProcedure;
    windowClass.hInstance = instance();
    // Without an icon resource the class simply has no icon.
    windowClass.hIcon = LoadIconA(instance(), "icon");
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    windowClass.lpszClassName = className.c_str();
    return RegisterClassA(&windowClass) != 0;
}

}  // namespace

namespace win32 {

Window* findWindow(HWND hwnd) {
    auto found = std::find_if(windows.begin(), windows.end(),
                              [hwnd](Window* window) { return nativeOf(*window) == hwnd; });
    return found == windows.end() ? nullptr : *found;
}

Window* findWindow(WindowId id) {
    auto found =
        std::find_if(windows.begin(), windows.end(), [id](Window* window) { return window->id() == id; });
    return found == windows.end() ? nullptr : *found;
}

}  // namespace win32

LRESULT CALLBACK NativeEvents::windowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = win32::findWindow(hwnd);
    if (window == nullptr && creating != nullptr && creating->native_ == nullptr) {
        window = creating;
        window->native_ = hwnd;
        windows.push_back(window);
    }
    if (window == nullptr) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        windows.erase(std::remove(windows.begin(), windows.end(), window), windows.end());
        window->alive_ = false;
        window->native_ = nullptr;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    if (message == WM_SIZE || message == WM_MOVE) {
        win32::keepPointerInside(*window);
    }
    win32::NativeMessage native{message, wParam, lParam};
    Message translated = win32::translate(window->id(), native);
    if (translated.kind == MessageKind::None) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    try {
        win32::HandledMessage handled(translated, native);
        return window->procedure()(*window, translated);
    } catch (...) {
        win32::keepException(std::current_exception());
        return 0;
    }
}

Rect desktopRect() {
    RECT desktop{};
    if (!GetWindowRect(GetDesktopWindow(), &desktop)) {
        return {};
    }
    return {desktop.left, desktop.top, desktop.right, desktop.bottom};
}

std::unique_ptr<Window> Window::create(const std::string& className, const std::string& caption) {
    WindowProcedure procedure = windowClasses::procedureOf(className);
    if (procedure == nullptr || !registerWithWindows(className)) {
        return nullptr;
    }
    std::unique_ptr<Window> window(new Window(nullptr, ++lastId, procedure));
    creating = window.get();
    HWND hwnd =
        CreateWindowExA(0, className.c_str(), caption.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance(), nullptr);
    creating = nullptr;
    if (window->native_ == nullptr) {
        // Windows never sent it a message: there is no window to destroy.
        window->alive_ = false;
    }
    win32::rethrowKeptException();
    if (hwnd == nullptr || !window->alive()) {
        return nullptr;
    }
    return window;
}

Window::~Window() {
    if (alive() && !destroying_) {
        destroying_ = true;
        // A destructor must not throw: an exception from the procedure stays kept for the next call.
        DestroyWindow(win32::nativeOf(*this));
    }
}

void Window::move(const Rect& rect) {
    if (alive()) {
        MoveWindow(win32::nativeOf(*this), rect.left, rect.top, rect.width(), rect.height(), TRUE);
        win32::rethrowKeptException();
    }
}

void Window::showMaximised() {
    if (alive()) {
        ShowWindow(win32::nativeOf(*this), SW_SHOWMAXIMIZED);
        win32::rethrowKeptException();
    }
}

void Window::minimise() {
    if (alive()) {
        CloseWindow(win32::nativeOf(*this));
        win32::rethrowKeptException();
    }
}

void Window::setFullScreen(bool on) {
    if (!alive() || on == fullScreen()) {
        return;
    }
    HWND hwnd = win32::nativeOf(*this);
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    if (on) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        GetWindowPlacement(hwnd, &placement);
        placementsBeforeFullScreen[id_] = placement;
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoA(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &monitor);
        const RECT& area = monitor.rcMonitor;
        // No frame and no caption, over the whole monitor at its own resolution.
        SetWindowLongA(hwnd, GWL_STYLE, (style & ~WS_OVERLAPPEDWINDOW) | WS_POPUP);
        SetWindowPos(hwnd, HWND_TOP, area.left, area.top, area.right - area.left, area.bottom - area.top,
                     SWP_NOOWNERZORDER | SWP_FRAMECHANGED);
    } else {
        SetWindowLongA(hwnd, GWL_STYLE, (style & ~WS_POPUP) | WS_OVERLAPPEDWINDOW);
        WINDOWPLACEMENT placement = placementsBeforeFullScreen[id_];
        placementsBeforeFullScreen.erase(id_);
        placement.length = sizeof placement;
        // As it was: maximised or not, at its own size and place.
        if (placement.showCmd != SW_SHOWMAXIMIZED) {
            placement.showCmd = SW_SHOWNORMAL;
        }
        SetWindowPlacement(hwnd, &placement);
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_FRAMECHANGED);
    }
    win32::rethrowKeptException();
}

bool Window::fullScreen() const {
    return alive() && (GetWindowLongA(win32::nativeOf(*this), GWL_STYLE) & WS_POPUP) != 0;
}

void Window::update() {
    if (alive()) {
        UpdateWindow(win32::nativeOf(*this));
        win32::rethrowKeptException();
    }
}

void Window::setCaption(const std::string& caption) {
    if (alive()) {
        SetWindowTextA(win32::nativeOf(*this), caption.c_str());
    }
}

std::string Window::caption() const {
    if (!alive()) {
        return "";
    }
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(win32::nativeOf(*this))) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(win32::nativeOf(*this), text.data(), static_cast<int>(text.size()))));
    return text;
}

void Window::destroy() {
    if (!alive() || destroying_) {
        return;
    }
    destroying_ = true;
    // Sends WM_DESTROY; WM_NCDESTROY, the last message, unbinds the window. Windows ends the joystick
    // capture and drops the window's pending messages itself.
    DestroyWindow(win32::nativeOf(*this));
    win32::rethrowKeptException();
}

}  // namespace platform
