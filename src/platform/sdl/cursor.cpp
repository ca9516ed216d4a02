#include "platform/cursor.h"

#include "platform/sdl/native.h"

namespace platform {

bool warpCursor(Window& window, int x, int y) {
    if (!window.alive()) {
        return false;
    }
    SDL_WarpMouseInWindow(sdl::nativeOf(window), x, y);
    return true;
}

void hideCursor() {
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0) {
        SDL_ShowCursor(SDL_DISABLE);
    }
}

bool mouseButtonHeld() {
    // The global state: while the window manager drags a window's frame, the window sees no button events.
    return SDL_WasInit(SDL_INIT_VIDEO) != 0 && SDL_GetGlobalMouseState(nullptr, nullptr) != 0;
}

bool capturePointer(Window& window) {
    if (!window.alive()) {
        return false;
    }
    return SDL_SetRelativeMouseMode(SDL_TRUE) == 0;
}

void releasePointer() {
    if (pointerCaptured()) {
        SDL_SetRelativeMouseMode(SDL_FALSE);
    }
}

bool pointerCaptured() {
    return SDL_WasInit(SDL_INIT_VIDEO) != 0 && SDL_GetRelativeMouseMode() == SDL_TRUE;
}

}  // namespace platform
