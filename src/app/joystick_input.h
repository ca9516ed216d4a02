#pragma once

#include "app/control_repeat.h"
#include "app/input.h"

#include <cstdint>
#include <functional>

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

    // Stick x and y (raw 0 to 65535) drive StepLeft/StepRight and Forward/Back, buttons 0x02/0x40/0x80
    // Shoot and 0x08/0x10/0x20 Jump. Returns true when a close button (0x100, 0x200) is held.
    bool stickMoved(Input& scene, std::uint32_t rawX, std::uint32_t rawY, std::uint32_t buttons);
    // The z axis (raw 0 to 65535) and button 0x01 drive TurnLeft, the z axis and button 0x04 TurnRight.
    void zMoved(Input& scene, std::uint32_t rawZ, std::uint32_t buttons);

  private:
    // The two controls of one axis.
    static void pairMoved(Input& scene, ControlRepeat& low, bool lowDown, ControlRepeat& high, bool highDown,
                          ControlRepeat::TimePoint now);

    Clock clock_;
    ControlRepeat forward_{Forward};
    ControlRepeat back_{Back};
    ControlRepeat turnLeft_{TurnLeft};
    ControlRepeat turnRight_{TurnRight};
    ControlRepeat stepLeft_{StepLeft};
    ControlRepeat stepRight_{StepRight};
    ControlRepeat jump_{Jump};
    ControlRepeat shoot_{Shoot};
};
