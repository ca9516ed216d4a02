#include "app/joystick_input.h"

namespace {

constexpr int ThirdBoundary = 10922;
constexpr std::uint32_t Centre = 32768;

int centred(std::uint32_t raw) {
    return static_cast<int>(raw & 0xFFFF) - static_cast<int>(Centre);
}

}  // namespace

Third thirdOf(int centred) {
    if (centred < -ThirdBoundary) {
        return Third::Low;
    }
    return centred > ThirdBoundary ? Third::High : Third::Centre;
}

bool JoystickInput::stickMoved(Input& scene, std::uint32_t rawX, std::uint32_t rawY, std::uint32_t buttons) {
    if (!captured) {
        return false;
    }
    axisMoved(scene, lastX_, centred(rawX), 4, 5);
    axisMoved(scene, lastY_, centred(rawY), 0, 1);
    button(scene, latch7_, (buttons & (0x02 | 0x40 | 0x80)) != 0, 7);
    button(scene, latch6_, (buttons & (0x08 | 0x10 | 0x20)) != 0, 6);
    return (buttons & (0x100 | 0x200)) != 0;
}

void JoystickInput::zMoved(Input& scene, std::uint32_t rawZ, std::uint32_t buttons) {
    if (!captured) {
        return;
    }
    axisMoved(scene, lastZ_, centred(rawZ), 2, 3);
    button(scene, latch2_, (buttons & 0x01) != 0, 2);
    button(scene, latch3_, (buttons & 0x04) != 0, 3);
}

void JoystickInput::axisMoved(Input& scene, int& last, int value, int lowControl, int highControl) {
    if (value == last) {
        return;
    }
    last = value;
    switch (thirdOf(value)) {
        case Third::Low:
            scene.input(lowControl, true);
            break;
        case Third::High:
            scene.input(highControl, true);
            break;
        case Third::Centre:
            scene.input(lowControl, false).input(highControl, false);
            break;
    }
}

void JoystickInput::button(Input& scene, Latch& latch, bool held, int control) {
    if (held) {
        latch.held = true;
        scene.input(control, true);
    } else if (latch.held) {
        latch.held = false;
        scene.input(control, false);
    }
}
