#include "platform/cursor.h"

#include "platform/web/native.h"

#include <emscripten/html5.h>

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

// The browser locks the pointer only shortly after a click or a key press: the request comes from the
// frame that handles the press, well within that time.
bool capturePointer(Window& window) {
    return window.alive() &&
           emscripten_request_pointerlock(web::CanvasTarget, EM_FALSE) == EMSCRIPTEN_RESULT_SUCCESS;
}

void releasePointer() {
    if (pointerCaptured()) {
        emscripten_exit_pointerlock();
    }
}

bool pointerCaptured() {
    EmscriptenPointerlockChangeEvent status{};
    return emscripten_get_pointerlock_status(&status) == EMSCRIPTEN_RESULT_SUCCESS && status.isActive;
}

}  // namespace platform
