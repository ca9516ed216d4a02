#pragma once

#include "app/joystick_input.h"
#include "app/keyboard_input.h"
#include "app/pad_input.h"
#include "app/pointer_input.h"
#include "app/touch_input.h"
#include "platform/window.h"

// The scene's input devices (Graphics::inputDevices), each with the handler of its messages.
struct InputDevices {
    KeyboardInput keyboard;
    PointerInput pointer;
    PadInput pad;
    JoystickInput joystick;
    TouchInput touch;
};

// The procedure of the scene's window: its own life (create, size, paint, close), and the keyboard, mouse,
// touch screen, game controller and first joystick routed to the scene's input devices, which turn them into
// input(control, pressed) and the scene's other actions.
platform::MessageResult windowProcedure(platform::Window& window, const platform::Message& message);
