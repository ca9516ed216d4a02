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
            // Return switches only with Alt (a SysKeyDown); alone it repeats as every control key does.
            if (message.code != platform::KeyReturn && repeats(message.code)) {
                scene.input(controlForKey(message.code), true);
            } else {
                keyPressed(scene, message.code);
            }
            break;
        case MessageKind::KeyUp:
            released(message.code);
            scene.input(controlForKey(message.code), false);
            break;
        case MessageKind::SysKeyUp:
            released(message.code);
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
