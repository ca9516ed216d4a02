#pragma once

#include "app/control_map.h"
#include "platform/keys.h"
#include "platform/window.h"

// The procedure of the scene's window: its own life (create, size, paint, close) and the keyboard and
// first joystick turned into input(control, pressed) on the live scene.
platform::MessageResult windowProcedure(platform::Window& window, const platform::Message& message);

// A key press: Escape closes and W cycles the polygon mode, then the key's control is delivered as for
// every key. Scene gives close(), cyclePolygonMode() and input(control, pressed).
template <typename Scene>
void keyPressed(Scene& scene, platform::VirtualKey key) {
    if (key == platform::KeyEscape) {
        scene.close();
    }
    if (key == platform::letterKey('W')) {
        scene.cyclePolygonMode();
    }
    scene.input(controlForKey(key), true);
}
