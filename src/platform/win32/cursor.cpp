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

}  // namespace platform
