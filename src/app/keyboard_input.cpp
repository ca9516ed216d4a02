#include "app/keyboard_input.h"

#include "app/graphics.h"

std::uint32_t KeyboardInput::heldBit(platform::VirtualKey key) {
    return key == platform::letterKey('P') ? PauseKeyHeld
           : key == platform::KeyF11       ? FullScreenKeyHeld
           : key == platform::KeyReturn    ? AltReturnHeld
                                           : 0;
}

bool KeyboardInput::repeats(platform::VirtualKey key) {
    const std::uint32_t bit = heldBit(key);
    const bool held = (held_ & bit) != 0;
    held_ |= bit;
    return held;
}

void KeyboardInput::released(platform::VirtualKey key) {
    held_ &= ~heldBit(key);
}

void KeyboardInput::handle(Graphics& scene, const platform::Message& message) {
    using platform::MessageKind;
    switch (message.kind) {
        case MessageKind::KeyDown:
            // Return switches only with Alt (a SysKeyDown); alone it repeats as every control key does. It is
            // still marked held, so that Alt pressed while Return is held switches nothing.
            if (repeats(message.code) && message.code != platform::KeyReturn) {
                scene.input(controlForKey(message.code), true);
            } else {
                keyPressed(scene, message.code);
            }
            break;
        case MessageKind::KeyUp:
        case MessageKind::SysKeyUp:
            // Released is released, whatever modifier is held by then.
            released(message.code);
            scene.input(controlForKey(message.code), false);
            break;
        case MessageKind::SysKeyDown:
            if (message.code == platform::KeyReturn && !repeats(message.code)) {
                scene.toggleFullScreen();
            }
            break;
        default:
            break;
    }
}
