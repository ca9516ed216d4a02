#pragma once

#include "app/input.h"

#include <cstdint>

// Where a centred axis value lies: below -10922, above 10922, or in between.
enum class Third { Low, Centre, High };
Third thirdOf(int centred);

// Turns the first joystick's messages into controls. Axes deliver a control when their value changes;
// held buttons repeat their press with every message and release once.
class JoystickInput {
  public:
    bool captured = false;

    // Stick x and y (raw 0 to 65535) drive controls 4/5 and 0/1, buttons 0x02/0x40/0x80 control 7 and
    // 0x08/0x10/0x20 control 6. Returns true when a close button (0x100, 0x200) is held.
    bool stickMoved(Input& scene, std::uint32_t rawX, std::uint32_t rawY, std::uint32_t buttons);
    // The z axis (raw 0 to 65535) drives controls 2/3, button 0x01 control 2 and 0x04 control 3.
    void zMoved(Input& scene, std::uint32_t rawZ, std::uint32_t buttons);

  private:
    struct Latch {
        bool held = false;
    };

    static void axisMoved(Input& scene, int& last, int value, int lowControl, int highControl);
    static void button(Input& scene, Latch& latch, bool held, int control);

    int lastX_ = 0;
    int lastY_ = 0;
    int lastZ_ = 0;
    Latch latch7_;
    Latch latch6_;
    Latch latch2_;
    Latch latch3_;
};
