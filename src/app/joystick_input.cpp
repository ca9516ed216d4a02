#include "app/joystick_input.h"

#include <utility>

namespace {

constexpr int ThirdBoundary = 10922;
constexpr std::uint32_t Centre = 32768;

int centred(std::uint32_t raw) {
    return static_cast<int>(raw & 0xFFFF) - static_cast<int>(Centre);
}

Third thirdOfRaw(std::uint32_t raw) {
    return thirdOf(centred(raw));
}

}  // namespace

Third thirdOf(int centred) {
    if (centred < -ThirdBoundary) {
        return Third::Low;
    }
    return centred > ThirdBoundary ? Third::High : Third::Centre;
}

JoystickInput::JoystickInput(Clock clock) : clock_(std::move(clock)) {}

bool JoystickInput::stickMoved(Input& scene, std::uint32_t rawX, std::uint32_t rawY, std::uint32_t buttons) {
    if (!captured) {
        return false;
    }
    ControlRepeat::TimePoint now = clock_();
    Third x = thirdOfRaw(rawX);
    Third y = thirdOfRaw(rawY);
    pairMoved(scene, stepLeft_, x == Third::Low, stepRight_, x == Third::High, now);
    pairMoved(scene, forward_, y == Third::Low, back_, y == Third::High, now);
    shoot_.update(scene, (buttons & (0x02 | 0x40 | 0x80)) != 0, now);
    jump_.update(scene, (buttons & (0x08 | 0x10 | 0x20)) != 0, now);
    return (buttons & (0x100 | 0x200)) != 0;
}

void JoystickInput::zMoved(Input& scene, std::uint32_t rawZ, std::uint32_t buttons) {
    if (!captured) {
        return;
    }
    ControlRepeat::TimePoint now = clock_();
    // The axis and the button act as one: the control is down while either holds it.
    Third third = thirdOfRaw(rawZ);
    bool low = third == Third::Low || (buttons & 0x01) != 0;
    bool high = third == Third::High || (buttons & 0x04) != 0;
    pairMoved(scene, turnLeft_, low, turnRight_, high, now);
}

void JoystickInput::pairMoved(Input& scene, ControlRepeat& low, bool lowDown, ControlRepeat& high,
                              bool highDown, ControlRepeat::TimePoint now) {
    // A release goes first, so that crossing to the opposite third releases the old control, then presses
    // the new one; otherwise the low control goes first.
    if (lowDown && !highDown) {
        high.update(scene, false, now);
        low.update(scene, true, now);
    } else {
        low.update(scene, lowDown, now);
        high.update(scene, highDown, now);
    }
}
