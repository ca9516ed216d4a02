#include "platform/keys.h"

#include "platform/sdl/native.h"

namespace platform::sdl {

VirtualKey virtualKeyOf(const SDL_Keysym& keysym) {
    // A French or German layout keeps the hands where an English one puts them.
    if (keysym.scancode >= SDL_SCANCODE_A && keysym.scancode <= SDL_SCANCODE_Z) {
        return letterKey(static_cast<char>('A' + (keysym.scancode - SDL_SCANCODE_A)));
    }
    const SDL_Keycode key = keysym.sym;
    if (key >= SDLK_a && key <= SDLK_z) {
        return letterKey(static_cast<char>('A' + (key - SDLK_a)));
    }
    if (key >= SDLK_0 && key <= SDLK_9) {
        return static_cast<VirtualKey>('0' + (key - SDLK_0));
    }
    if (key >= SDLK_F1 && key <= SDLK_F12) {
        return functionKey(1 + (key - SDLK_F1));
    }
    switch (key) {
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return KeyReturn;
        case SDLK_TAB:
            return KeyTab;
        case SDLK_ESCAPE:
            return KeyEscape;
        case SDLK_SPACE:
            return KeySpace;
        case SDLK_LEFT:
            return KeyLeft;
        case SDLK_UP:
            return KeyUp;
        case SDLK_RIGHT:
            return KeyRight;
        case SDLK_DOWN:
            return KeyDown;
        case SDLK_PAGEUP:
            return KeyPageUp;
        case SDLK_PAGEDOWN:
            return KeyPageDown;
        default:
            return KeyOther;
    }
}

}  // namespace platform::sdl
