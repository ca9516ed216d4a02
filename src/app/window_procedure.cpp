#include "app/window_procedure.h"

#include "app/graphics.h"
#include "app/joystick_input.h"
#include "app/pad_input.h"
#include "app/pointer_input.h"
#include "platform/joystick.h"
#include "platform/message_queue.h"

namespace {

JoystickInput joystick;
PadInput pad;
PointerInput pointer;

// Only the first joystick is used, captured when the window is created or, where the system reports
// joysticks as they are plugged in, when one arrives later. It is polled at its shortest period, with
// messages at every poll, changed or not: they pace the repeats of held controls.
void detectJoystick(platform::Window& window) {
    joystick = JoystickInput{};
    pad = PadInput{};
    pointer = PointerInput{};
    bool plugged = platform::joystickCount() != 0 && platform::firstJoystickPlugged();
    joystick.captured =
        plugged ? platform::captureJoystick(window, 0, false) : platform::awaitJoystick(window, 0, false);
}

}  // namespace

platform::MessageResult windowProcedure(platform::Window& window, const platform::Message& message) {
    using platform::MessageKind;
    switch (message.kind) {
        case MessageKind::Create:
            detectJoystick(window);
            break;
        case MessageKind::Destroy:
            platform::postQuitMessage(0);
            return 0;
        case MessageKind::Size:
            // Minimised is out of play, as when another window takes the focus.
            if (message.x == 0 || message.y == 0) {
                pointer.release(graphics());
                graphics().focusLost();
            }
            graphics().resize(message.x, message.y);
            platform::postMessage(window, {.kind = MessageKind::Paint});
            break;
        case MessageKind::Paint:
            graphics().present();
            break;
        case MessageKind::KeyDown:
            keyPressed(graphics(), message.code);
            break;
        case MessageKind::KeyUp:
            graphics().input(controlForKey(message.code), false);
            break;
        case MessageKind::SysKeyDown:
            if (message.code == platform::KeyReturn) {
                graphics().toggleFullScreen();
            }
            break;
        case MessageKind::KillFocus:
            pointer.release(graphics());
            graphics().focusLost();
            break;
        case MessageKind::MouseButtonDown:
        case MessageKind::MouseDoubleClick:
            pointer.buttonDown(graphics(), message.code, platform::signedValue(message.x),
                               platform::signedValue(message.y),
                               message.kind == MessageKind::MouseDoubleClick);
            break;
        case MessageKind::MouseButtonUp:
            pointer.buttonUp(graphics(), message.code);
            break;
        case MessageKind::MouseMove:
            pointer.moved(graphics(), platform::signedValue(message.x), platform::signedValue(message.y),
                          message.code);
            break;
        case MessageKind::MouseRawMove:
            pointer.rawMoved(graphics(), platform::signedValue(message.x), platform::signedValue(message.y));
            break;
        case MessageKind::MouseWheel:
            graphics().wheel(platform::signedValue(message.x));
            break;
        case MessageKind::PadMove:
            if (pad.moved(graphics(), message.x, message.y, message.code)) {
                graphics().close();
            }
            break;
        case MessageKind::SysCommand:
            if (message.code == platform::CommandClose) {
                graphics().close();
                return 0;
            }
            break;
        case MessageKind::Joy1Move:
            if (joystick.stickMoved(graphics(), message.x, message.y, message.code)) {
                graphics().close();
            }
            break;
        case MessageKind::Joy1ZMove:
            joystick.zMoved(graphics(), message.x, message.code);
            break;
        default:
            break;
    }
    return platform::defWindowProc(window, message);
}
