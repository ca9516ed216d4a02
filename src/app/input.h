#pragma once

// The receiver of every keyboard and joystick control (codes in app/control_map.h).
class Input {
  public:
    // pressed tells a press from a release. Returns the receiver itself: a second call may follow on it.
    virtual Input& input(int control, bool pressed) = 0;

  protected:
    Input() = default;
    Input(const Input&) = default;
    Input& operator=(const Input&) = default;
    ~Input() = default;
};
