#include "app/window_procedure.h"

#include "app/graphics.h"
#include "platform/message_queue.h"

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
            devices.captureJoystick(window);
            break;
        case MessageKind::Size:
            // Minimised is out of play, as when another window takes the focus.
            if (message.x == 0 || message.y == 0) {
                devices.outOfPlay(scene);
            }
            scene.resize(message.x, message.y);
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
            devices.keyboard.focusLost();
            devices.outOfPlay(scene);
            break;
        case MessageKind::MouseButtonDown:
        case MessageKind::MouseDoubleClick:
        case MessageKind::MouseButtonUp:
        case MessageKind::MouseMove:
        case MessageKind::MouseRawMove:
        case MessageKind::MouseWheel:
            devices.pointer.handle(scene, message);
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
