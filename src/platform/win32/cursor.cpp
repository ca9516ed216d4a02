#include "platform/cursor.h"

#include "platform/win32/native.h"

namespace platform {

namespace {
// The window holding the pointer, if any.
HWND capturedBy = nullptr;

// The mouse as raw input: its motion arrives as WM_INPUT, without the system's pointer speed.
bool registerRawMouse(HWND hwnd, DWORD flags) {
    RAWINPUTDEVICE mouse{.usUsagePage = 0x01, .usUsage = 0x02, .dwFlags = flags, .hwndTarget = hwnd};
    return RegisterRawInputDevices(&mouse, 1, sizeof mouse) != FALSE;
}
}  // namespace

bool warpCursor(Window& window, int x, int y) {
    POINT point{x, y};
    if (!window.alive() || !ClientToScreen(win32::nativeOf(window), &point)) {
        return false;
    }
    SetCursorPos(point.x, point.y);
    return true;
}

void hideCursor() {
    ShowCursor(FALSE);
}

bool mouseButtonHeld() {
    // The physical buttons, whatever window has the mouse: a frame drag runs in the system's own loop.
    for (int button : {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON, VK_XBUTTON1, VK_XBUTTON2}) {
        if ((GetAsyncKeyState(button) & 0x8000) != 0) {
            return true;
        }
    }
    return false;
}

bool capturePointer(Window& window) {
    if (!window.alive()) {
        return false;
    }
    HWND hwnd = win32::nativeOf(window);
    if (capturedBy == nullptr && !registerRawMouse(hwnd, 0)) {
        return false;
    }
    RECT client{};
    GetClientRect(hwnd, &client);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    // Held inside the window, so that a click cannot land on another one.
    ClipCursor(&client);
    if (capturedBy == nullptr) {
        ShowCursor(FALSE);
    }
    capturedBy = hwnd;
    return true;
}

void releasePointer() {
    if (capturedBy == nullptr) {
        return;
    }
    registerRawMouse(nullptr, RIDEV_REMOVE);
    ClipCursor(nullptr);
    ShowCursor(TRUE);
    capturedBy = nullptr;
}

bool pointerCaptured() {
    return capturedBy != nullptr;
}

namespace win32 {

void keepPointerInside(Window& window) {
    if (capturedBy != nullptr && capturedBy == nativeOf(window)) {
        capturePointer(window);
    }
}

}  // namespace win32

}  // namespace platform
