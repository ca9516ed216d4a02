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
SwitchKeys switchKeys;

// The bit of a key that switches a state, or 0.
std::uint32_t switchBit(platform::VirtualKey key) {
    switch (key) {
        case platform::letterKey('P'):
            return 1;
        case platform::KeyF11:
            return 2;
        case platform::KeyReturn:
            return 4;
        default:
            return 0;
    }
}

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

bool SwitchKeys::repeats(platform::VirtualKey key) {
    const std::uint32_t bit = switchBit(key);
    const bool held = (held_ & bit) != 0;
    held_ |= bit;
    return held;
}

void SwitchKeys::released(platform::VirtualKey key) {
    held_ &= ~switchBit(key);
}

platform::MessageResult windowProcedure(platform::Window& window, const platform::Message& message) {
    using platform::MessageKind;
    switch (message.kind) {
        case MessageKind::Create:
            detectJoystick(window);
            // A new window has no keys held, whatever the last one missed of their releases.
            switchKeys.releaseAll();
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
            // Return switches only with Alt (a SysKeyDown); alone it repeats as every control key does. It is
            // still marked held, so that Alt pressed while Return is held switches nothing.
            if (switchKeys.repeats(message.code) && message.code != platform::KeyReturn) {
                graphics().input(controlForKey(message.code), true);
            } else {
                keyPressed(graphics(), message.code);
            }
            break;
        case MessageKind::KeyUp:
        case MessageKind::SysKeyUp:
            // Released is released, whatever modifier is held by then.
            switchKeys.released(message.code);
            graphics().input(controlForKey(message.code), false);
            break;
        case MessageKind::SysKeyDown:
            if (message.code == platform::KeyReturn && !switchKeys.repeats(message.code)) {
                graphics().toggleFullScreen();
            }
            break;
        case MessageKind::KillFocus:
            switchKeys.releaseAll();
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
