#include "app/joystick_input.h"

#include "app/graphics.h"

#include <utility>

namespace {

constexpr int ThirdBoundary = 10922;

using platform::joystickButton;
constexpr std::uint32_t TurnLeftButton = joystickButton(1);
constexpr std::uint32_t TurnRightButton = joystickButton(3);
constexpr std::uint32_t ShootButtons = joystickButton(2) | joystickButton(7) | joystickButton(8);
constexpr std::uint32_t JumpButtons = joystickButton(4) | joystickButton(5) | joystickButton(6);
constexpr std::uint32_t CloseButtons = joystickButton(9) | joystickButton(10);

Third thirdOfRaw(std::uint32_t raw) {
    return thirdOf(static_cast<int>(raw & 0xFFFF) - static_cast<int>(platform::AxisCentre));
}

}  // namespace

Third thirdOf(int centred) {
    if (centred < -ThirdBoundary) {
        return Third::Low;
    }
    return centred > ThirdBoundary ? Third::High : Third::Centre;
}

JoystickInput::JoystickInput(Clock clock) : clock_(std::move(clock)) {}

void JoystickInput::handle(Graphics& scene, const platform::Message& message) {
    if (message.kind == platform::MessageKind::Joy1ZMove) {
        zMoved(scene, message.x, message.code);
    } else if (stickMoved(scene, message.x, message.y, message.code)) {
        scene.close();
    }
}

bool JoystickInput::stickMoved(Input& scene, std::uint32_t rawX, std::uint32_t rawY, std::uint32_t buttons) {
    if (!captured) {
        return false;
    }
    ControlRepeat::TimePoint now = clock_();
    Third x = thirdOfRaw(rawX);
    Third y = thirdOfRaw(rawY);
    RepeatedControls& c = controls_;
    RepeatedControls::pair(scene, c.stepLeft, x == Third::Low, c.stepRight, x == Third::High, now);
    RepeatedControls::pair(scene, c.forward, y == Third::Low, c.back, y == Third::High, now);
    c.shoot.update(scene, (buttons & ShootButtons) != 0, now);
    c.jump.update(scene, (buttons & JumpButtons) != 0, now);
    return (buttons & CloseButtons) != 0;
}

void JoystickInput::zMoved(Input& scene, std::uint32_t rawZ, std::uint32_t buttons) {
    if (!captured) {
        return;
    }
    // The axis and the button act as one: the control is down while either holds it.
    Third third = thirdOfRaw(rawZ);
    bool low = third == Third::Low || (buttons & TurnLeftButton) != 0;
    bool high = third == Third::High || (buttons & TurnRightButton) != 0;
    RepeatedControls::pair(scene, controls_.turnLeft, low, controls_.turnRight, high, clock_());
}
