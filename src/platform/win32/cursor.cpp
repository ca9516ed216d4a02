#include "platform/cursor.h"

#include "platform/win32/native.h"

namespace platform {

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

}  // namespace platform
