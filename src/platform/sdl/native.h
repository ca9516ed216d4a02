#pragma once

// Shared by the parts of the SDL backend; nothing outside src/platform/sdl includes it.

#include "platform/gl_context.h"
#include "platform/keys.h"
#include "platform/message.h"
#include "platform/window.h"

#include <SDL.h>

#include <vector>

namespace platform {

// Turns SDL events into messages for the windows they belong to.
struct NativeEvents {
    static void translate(const SDL_Event& event);
    static void reportSize(Window& window, bool send);
};

namespace sdl {

inline SDL_Window* nativeOf(const Window& window) {
    return static_cast<SDL_Window*>(window.native());
}

// Starts (or holds once more) the video subsystem on the display the environment names; false when
// there is none.
bool startVideo();

// The live windows, in creation order.
const std::vector<Window*>& liveWindows();
Window* findWindow(WindowId id);

// Queues the captured joystick's messages for every poll that has fallen due.
void pollJoystick();
void releaseJoystickOf(WindowId window);
// A joystick plugged in (its device index) or unplugged (its instance id).
void joystickAdded(int device);
void joystickRemoved(SDL_JoystickID instance);

// Letters by their place on the keyboard (the scancode), every other key by what it means.
VirtualKey virtualKeyOf(const SDL_Keysym& key);

// Sets the GL attributes of a pixel format; X11 chooses the window's visual from them at creation.
void applyPixelFormat(const PixelFormat& format);

}  // namespace sdl
}  // namespace platform
