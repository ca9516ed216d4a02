#pragma once

#include "app/control_repeat.h"
#include "app/input.h"
#include "platform/message.h"

#include <cstdint>
#include <functional>

class Graphics;

// Where a centred axis value lies: below -10922, above 10922, or in between.
enum class Third { Low, Centre, High };
Third thirdOf(int centred);

// Turns the first joystick's messages into controls that behave like keys: a press when a button goes down
// or an axis enters its low or high third, repeats while it stays there, one release when it lets go.
// Wobble inside a third delivers nothing. The joystick reports at every poll, changed or not, so repeats
// fall due at the messages themselves.
class JoystickInput {
  public:
    using Clock = std::function<ControlRepeat::TimePoint()>;

    // clock paces the repeats; the steady clock unless replaced.
    explicit JoystickInput(Clock clock = [] { return std::chrono::steady_clock::now(); });

    bool captured = false;

    // Joy1Move and Joy1ZMove; a close button closes the scene.
    void handle(Graphics& scene, const platform::Message& message);
    // Stick x and y (raw) drive StepLeft/StepRight and Forward/Back, buttons 2, 7 and 8 Shoot and 4, 5 and
    // 6 Jump. Returns true when a close button (9, 10) is held.
    bool stickMoved(Input& scene, std::uint32_t rawX, std::uint32_t rawY, std::uint32_t buttons);
    // The z axis (raw) and button 1 drive TurnLeft, the z axis and button 3 TurnRight.
    void zMoved(Input& scene, std::uint32_t rawZ, std::uint32_t buttons);

  private:
    Clock clock_;
    RepeatedControls controls_;
};
