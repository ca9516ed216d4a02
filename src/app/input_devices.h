#pragma once

#include "app/joystick_input.h"
#include "app/keyboard_input.h"
#include "app/pad_input.h"
#include "app/pointer_input.h"
#include "platform/window.h"

class Graphics;

// The scene's input devices, each with the handler of its messages; the window procedure routes the
// window's messages to them.
struct InputDevices {
    // Only the first joystick is used, captured when the window is created or, where the system reports
    // joysticks as they are plugged in, when one arrives later. It is polled at its shortest period, with
    // messages at every poll, changed or not: they pace the repeats of held controls.
    void captureJoystick(platform::Window& window);
    // The window is out of play (minimised, or another window has the focus): the pointer is given back
    // and the scene told.
    void outOfPlay(Graphics& scene);

    KeyboardInput keyboard;
    PointerInput pointer;
    PadInput pad;
    JoystickInput joystick;
};
