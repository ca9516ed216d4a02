#pragma once

#include "platform/window.h"

namespace platform {

// Joysticks the system knows of.
unsigned joystickCount();
// False when the first joystick is unplugged.
bool firstJoystickPlugged();
// Sends the first joystick's state to the window as Joy1Move and Joy1ZMove messages, polled every
// periodMs (at least 10 ms); with onlyChanges false at every poll, even when nothing changed.
// The capture ends with releaseJoystick or when the window is destroyed. Where the system reports
// joysticks as they come and go (SDL), an unplugged joystick is let go, its axes and buttons reported at
// rest once, and the next one plugged in is captured in its place.
bool captureJoystick(Window& window, unsigned periodMs, bool onlyChanges);
// A capture that starts with no joystick plugged in and takes the first one that arrives. False where
// joysticks are only noticed at start (Win32).
bool awaitJoystick(Window& window, unsigned periodMs, bool onlyChanges);
// A joystick that the system knows as a game controller (the standard layout, where the backend has that
// notion) is reported by its named controls as PadMove messages instead of Joy1Move and Joy1ZMove.
void releaseJoystick();

}  // namespace platform
