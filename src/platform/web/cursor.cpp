#include "platform/cursor.h"

namespace platform {

// The page's pointer belongs to the browser: the program neither moves nor hides it, and a user cannot
// drag the canvas as they would a window.
bool warpCursor(Window& window, int, int) {
    return window.alive();
}

void hideCursor() {}

bool mouseButtonHeld() {
    return false;
}

}  // namespace platform
