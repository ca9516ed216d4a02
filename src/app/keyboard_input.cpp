#include "app/keyboard_input.h"

#include "app/graphics.h"

std::uint32_t SwitchKeys::heldBit(platform::VirtualKey key) {
    switch (key) {
        case platform::letterKey('P'):
            return PauseKeyHeld;
        case platform::KeyF11:
            return FullScreenKeyHeld;
        case platform::KeyReturn:
            return AltReturnHeld;
        default:
            return 0;
    }
}

bool SwitchKeys::repeats(platform::VirtualKey key) {
    const std::uint32_t bit = heldBit(key);
    const bool held = (held_ & bit) != 0;
    held_ |= bit;
    return held;
}

void SwitchKeys::released(platform::VirtualKey key) {
    held_ &= ~heldBit(key);
}

void KeyboardInput::handle(Graphics& scene, const platform::Message& message) {
    using platform::MessageKind;
    switch (message.kind) {
        case MessageKind::KeyDown:
            // Return switches only with Alt (a SysKeyDown); alone it repeats as every control key does.
            if (message.code != platform::KeyReturn && switchKeys_.repeats(message.code)) {
                scene.input(controlForKey(message.code), true);
            } else {
                keyPressed(scene, message.code);
            }
            break;
        case MessageKind::KeyUp:
            switchKeys_.released(message.code);
            scene.input(controlForKey(message.code), false);
            break;
        case MessageKind::SysKeyUp:
            switchKeys_.released(message.code);
            break;
        case MessageKind::SysKeyDown:
            if (message.code == platform::KeyReturn && !switchKeys_.repeats(message.code)) {
                scene.toggleFullScreen();
            }
            break;
        default:
            break;
    }
}
