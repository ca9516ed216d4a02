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

}  // namespace platform
