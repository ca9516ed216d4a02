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
