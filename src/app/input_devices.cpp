#include "app/input_devices.h"

#include "app/graphics.h"
#include "platform/joystick.h"

void InputDevices::captureJoystick(platform::Window& window) {
    bool plugged = platform::joystickCount() != 0 && platform::firstJoystickPlugged();
    joystick.captured =
        plugged ? platform::captureJoystick(window, 0, false) : platform::awaitJoystick(window, 0, false);
}

void InputDevices::outOfPlay(Graphics& scene) {
    pointer.release(scene);
    scene.focusLost();
}
