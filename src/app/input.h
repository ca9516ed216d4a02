#pragma once

#include "app/control.h"

// The receiver of every keyboard and joystick control.
class Input {
  public:
    // control is one of the Control codes; pressed tells a press from a release. Returns the receiver itself:
    // a second call may follow on it.
    virtual Input& input(int control, bool pressed) = 0;

  protected:
    Input() = default;
    Input(const Input&) = default;
    Input& operator=(const Input&) = default;
    ~Input() = default;
};
