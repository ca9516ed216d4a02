#pragma once

#include "platform/window.h"

namespace platform {

// Joysticks the system knows of.
unsigned joystickCount();
// False when the first joystick is unplugged.
bool firstJoystickPlugged();
// Sends the first joystick's state to the window as Joy1Move and Joy1ZMove messages, polled every
// periodMs (at least 10 ms); with onlyChanges false at every poll, even when nothing changed.
// The capture ends with releaseJoystick or when the window is destroyed.
bool captureJoystick(Window& window, unsigned periodMs, bool onlyChanges);
void releaseJoystick();

}  // namespace platform
