#include "platform/joystick.h"

#include "platform/win32/native.h"

#include <mmsystem.h>

namespace platform {

unsigned joystickCount() {
    return joyGetNumDevs();
}

bool firstJoystickPlugged() {
    JOYINFO position{};
    return joyGetPos(JOYSTICKID1, &position) != JOYERR_UNPLUGGED;
}

bool captureJoystick(Window& window, unsigned periodMs, bool onlyChanges) {
    return window.alive() && joySetCapture(win32::nativeOf(window), JOYSTICKID1, periodMs,
                                           onlyChanges ? TRUE : FALSE) == JOYERR_NOERROR;
}

bool awaitJoystick(Window&, unsigned, bool) {
    return false;
}

void releaseJoystick() {
    joyReleaseCapture(JOYSTICKID1);
}

}  // namespace platform
