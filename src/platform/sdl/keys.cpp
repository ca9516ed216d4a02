#include "platform/keys.h"

#include "platform/sdl/native.h"

namespace platform::sdl {

VirtualKey virtualKeyOf(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) {
        return letterKey(static_cast<char>('A' + (key - SDLK_a)));
    }
    if (key >= SDLK_0 && key <= SDLK_9) {
        return static_cast<VirtualKey>('0' + (key - SDLK_0));
    }
    if (key >= SDLK_F1 && key <= SDLK_F12) {
        return 0x70 + static_cast<VirtualKey>(key - SDLK_F1);
    }
    switch (key) {
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return KeyReturn;
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
        default:
            return KeyOther;
    }
}

}  // namespace platform::sdl
