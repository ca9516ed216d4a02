#include "app/pad_input.h"

#include "app/graphics.h"
#include "app/joystick_input.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int Centre = platform::AxisCentre;
// A stick's forward push tilts only beyond this, so that a stick at rest that is a little off does not.
constexpr int TiltDeadZone = 8000;
// A stall adds no more tilt than this many seconds' worth.
constexpr double LongestPoll = 0.1;

int centredX(std::uint32_t stick) {
    return static_cast<int>(platform::stickX(stick)) - Centre;
}

int centredY(std::uint32_t stick) {
    return static_cast<int>(platform::stickY(stick)) - Centre;
}

void pairMoved(Input& scene, ControlRepeat& low, ControlRepeat& high, Third third,
               ControlRepeat::TimePoint now) {
    RepeatedControls::pair(scene, low, third == Third::Low, high, third == Third::High, now);
}

}  // namespace

PadInput::PadInput(Clock clock) : clock_(std::move(clock)) {}

void PadInput::handle(Graphics& scene, const platform::Message& message) {
    if (moved(scene, message.x, message.y, message.code)) {
        scene.close();
    }
}

bool PadInput::moved(Graphics& scene, std::uint32_t leftStick, std::uint32_t rightStick,
                     std::uint32_t buttons) {
    const ControlRepeat::TimePoint now = clock_();
    RepeatedControls& c = controls_;
    pairMoved(scene, c.stepLeft, c.stepRight, thirdOf(centredX(leftStick)), now);
    pairMoved(scene, c.forward, c.back, thirdOf(centredY(leftStick)), now);
    pairMoved(scene, c.turnLeft, c.turnRight, thirdOf(centredX(rightStick)), now);
    c.jump.update(scene, (buttons & platform::PadA) != 0, now);
    c.shoot.update(scene, (buttons & (platform::PadB | platform::PadRightTrigger)) != 0, now);
    previousModel_.update(scene, (buttons & platform::PadLeftShoulder) != 0, now);
    nextModel_.update(scene, (buttons & platform::PadRightShoulder) != 0, now);

    const int tilt = centredY(rightStick);
    if (polled_ && (tilt < -TiltDeadZone || tilt > TiltDeadZone)) {
        const double seconds = std::min(std::chrono::duration<double>(now - lastPoll_).count(), LongestPoll);
        // Pushed forward (up), the stick tilts the view up.
        scene.look(0, -tilt / static_cast<double>(Centre) * TiltRate * seconds);
    }
    polled_ = true;
    lastPoll_ = now;

    const std::uint32_t pressed = buttons & ~std::exchange(lastButtons_, buttons);
    if ((pressed & platform::PadStart) != 0) {
        scene.togglePause();
    }
    return (pressed & platform::PadBack) != 0;
}
