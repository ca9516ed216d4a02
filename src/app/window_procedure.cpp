#include "app/window_procedure.h"

#include "app/graphics.h"
#include "platform/joystick.h"
#include "platform/message_queue.h"

namespace {

// Only the first joystick is used, captured when the window is created or, where the system reports
// joysticks as they are plugged in, when one arrives later. It is polled at its shortest period, with
// messages at every poll, changed or not: they pace the repeats of held controls.
void captureJoystick(platform::Window& window, JoystickInput& joystick) {
    bool plugged = platform::joystickCount() != 0 && platform::firstJoystickPlugged();
    joystick.captured =
        plugged ? platform::captureJoystick(window, 0, false) : platform::awaitJoystick(window, 0, false);
}

// Out of play (minimised, or another window has the focus): the pointer is given back and the scene told.
void outOfPlay(Graphics& scene) {
    scene.inputDevices.pointer.release(scene);
    scene.inputDevices.touch.release(scene);
    scene.focusLost();
}

}  // namespace

platform::MessageResult windowProcedure(platform::Window& window, const platform::Message& message) {
    using platform::MessageKind;
    if (message.kind == MessageKind::Destroy) {
        platform::postQuitMessage(0);
        return 0;
    }
    Graphics& scene = graphics();
    InputDevices& devices = scene.inputDevices;
    switch (message.kind) {
        case MessageKind::Create:
            captureJoystick(window, devices.joystick);
            break;
        case MessageKind::Size:
            // Minimised is out of play, as when another window takes the focus.
            if (message.x == 0 || message.y == 0) {
                outOfPlay(scene);
            }
            scene.resize(message.x, message.y);
            devices.touch.resized(message.x, message.y);
            platform::postMessage(window, {.kind = MessageKind::Paint});
            break;
        case MessageKind::Paint:
            scene.present();
            break;
        case MessageKind::SysCommand:
            if (message.code == platform::CommandClose) {
                scene.close();
                return 0;
            }
            break;
        case MessageKind::KeyDown:
        case MessageKind::KeyUp:
        case MessageKind::SysKeyDown:
        case MessageKind::SysKeyUp:
            devices.keyboard.handle(scene, message);
            break;
        case MessageKind::KillFocus:
            devices.keyboard.releaseAll();
            outOfPlay(scene);
            break;
        case MessageKind::MouseButtonDown:
        case MessageKind::MouseDoubleClick:
        case MessageKind::MouseButtonUp:
        case MessageKind::MouseMove:
        case MessageKind::MouseRawMove:
        case MessageKind::MouseWheel:
            devices.pointer.handle(scene, message);
            break;
        case MessageKind::TouchDown:
        case MessageKind::TouchMove:
        case MessageKind::TouchUp:
            devices.touch.handle(scene, message);
            break;
        case MessageKind::PadMove:
            devices.pad.handle(scene, message);
            break;
        case MessageKind::Joy1Move:
        case MessageKind::Joy1ZMove:
            devices.joystick.handle(scene, message);
            break;
        default:
            break;
    }
    return platform::defWindowProc(window, message);
}
