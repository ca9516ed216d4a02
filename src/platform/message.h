#pragma once

#include <cstdint>

namespace platform {

// Identifies a window in messages; 0 addresses no window (the quit message).
using WindowId = std::uint32_t;

enum class MessageKind {
    None,
    Create,            // sent while the window is being created
    Destroy,           // sent while the window is being destroyed
    Size,              // x, y: the new client size in pixels (0 x 0 when minimised)
    Paint,             // the client area needs drawing
    KeyDown,           // code: virtual key; auto-repeat sends further key-downs
    KeyUp,             // code: virtual key
    SysKeyDown,        // code: virtual key pressed while Alt is held
    SysKeyUp,          // code: virtual key released while Alt is held
    SysCommand,        // code: the system command (CommandClose)
    Close,             // a request to close the window
    Quit,              // code: the exit code given to postQuitMessage
    Joy1Move,          // x, y: raw stick position (AxisCentre at rest); code: joystickButton bits
    Joy1ZMove,         // x: raw z axis (AxisCentre at rest); code: joystickButton bits
    SetFocus,          // the window has the keyboard focus
    KillFocus,         // the window has lost the keyboard focus (another window took it, or it was minimised)
    MouseMove,         // x, y: the pointer's client position (signed); code: MouseButtonBits held
    MouseRawMove,      // x, y: the pointer's motion (signed) while it is captured (capturePointer)
    MouseButtonDown,   // code: MouseButton; x, y: the client position (signed)
    MouseButtonUp,     // code: MouseButton; x, y: the client position (signed)
    MouseDoubleClick,  // code: MouseButton; the second press of a double click, in place of its down
    MouseWheel,        // x: signed notches, positive away from the user
    PadMove,    // a game controller's state at every poll: code: PadButton bits; x, y: the left and right
                // sticks, each as packStick packs it
    TouchDown,  // a finger touched the client area: code: the touch's number while it lasts; x, y: its
                // client position (signed)
    TouchMove,  // code: the touch's number; x, y: its new client position (signed)
    TouchUp,    // code: the touch's number; the finger has left the screen, or the system took the touch
};

// An axis of the joystick messages runs from 0 to 65535 and rests here.
inline constexpr std::uint32_t AxisCentre = 32768;

// The bit of a joystick's button in Joy1Move and Joy1ZMove, the first button numbered 1.
constexpr std::uint32_t joystickButton(int number) {
    return std::uint32_t{1} << (number - 1);
}

// A stick of PadMove: its x axis in the low word, its y axis in the high word.
constexpr std::uint32_t packStick(std::uint32_t x, std::uint32_t y) {
    return (x & 0xFFFF) | (y << 16);
}
constexpr std::uint32_t stickX(std::uint32_t stick) {
    return stick & 0xFFFF;
}
constexpr std::uint32_t stickY(std::uint32_t stick) {
    return stick >> 16;
}

// The mouse buttons of the mouse messages.
enum MouseButton : std::uint32_t { MouseLeft = 1, MouseRight = 2, MouseMiddle = 3 };

// Bits of the buttons held, in MouseMove.
inline constexpr std::uint32_t MouseLeftBit = 0x01;
inline constexpr std::uint32_t MouseRightBit = 0x02;
inline constexpr std::uint32_t MouseMiddleBit = 0x10;

// The named controls of a game controller (the standard layout), as bits of PadMove. A trigger counts as
// held once pulled a third of the way.
enum PadButton : std::uint32_t {
    PadA = 0x1,
    PadB = 0x2,
    PadX = 0x4,
    PadY = 0x8,
    PadBack = 0x10,
    PadGuide = 0x20,
    PadStart = 0x40,
    PadLeftStick = 0x80,
    PadRightStick = 0x100,
    PadLeftShoulder = 0x200,
    PadRightShoulder = 0x400,
    PadUp = 0x800,
    PadDown = 0x1000,
    PadLeft = 0x2000,
    PadRight = 0x4000,
    PadLeftTrigger = 0x10000,
    PadRightTrigger = 0x20000,
};

// A signed value carried in a message's unsigned field, and back.
constexpr std::uint32_t signedField(std::int32_t value) {
    return static_cast<std::uint32_t>(value);
}
constexpr std::int32_t signedValue(std::uint32_t field) {
    return static_cast<std::int32_t>(field);
}

// The system command of the close box and of Alt+F4.
inline constexpr std::uint32_t CommandClose = 0xF060;

struct Message {
    WindowId window = 0;
    MessageKind kind = MessageKind::None;
    std::uint32_t code = 0;
    std::uint32_t x = 0;
    std::uint32_t y = 0;
};

}  // namespace platform
