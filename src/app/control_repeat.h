#pragma once

#include "app/input.h"

#include <chrono>

// One control held down, paced like the keyboard's auto-repeat: a press when it goes down, a first repeat
// RepeatDelay later, then one every RepeatInterval while it stays down, and one release when it lets go.
class ControlRepeat {
  public:
    using TimePoint = std::chrono::steady_clock::time_point;

    static constexpr std::chrono::milliseconds RepeatDelay{500};
    // About 30 a second.
    static constexpr std::chrono::milliseconds RepeatInterval{33};

    explicit ControlRepeat(Control control) : control_(control) {}

    // Delivers what the control's state at now calls for: its press, a repeat that has fallen due, its
    // release, or nothing. A late call delivers one repeat, never a burst of those it missed.
    void update(Input& scene, bool down, TimePoint now);
    bool down() const { return down_; }

  private:
    Control control_;
    bool down_ = false;
    TimePoint nextRepeat_{};
};

// The eight controls that a joystick or a game controller holds with its sticks and buttons, each repeated
// like a key.
struct RepeatedControls {
    // The two controls of one axis. A release goes first, so that crossing to the opposite third releases
    // the old control, then presses the new one; otherwise the low control goes first.
    static void pair(Input& scene, ControlRepeat& low, bool lowDown, ControlRepeat& high, bool highDown,
                     ControlRepeat::TimePoint now);

    ControlRepeat forward{Forward};
    ControlRepeat back{Back};
    ControlRepeat turnLeft{TurnLeft};
    ControlRepeat turnRight{TurnRight};
    ControlRepeat stepLeft{StepLeft};
    ControlRepeat stepRight{StepRight};
    ControlRepeat jump{Jump};
    ControlRepeat shoot{Shoot};
};
