#pragma once

#include "platform/window.h"

// The procedure of the scene's window: its own life (create, size, paint, close) here, and the keyboard,
// mouse, game controller and first joystick routed to the scene's input devices (Graphics::inputDevices),
// which turn them into input(control, pressed) and the scene's other actions.
platform::MessageResult windowProcedure(platform::Window& window, const platform::Message& message);
