#pragma once

#include <cstdint>

namespace platform {

// Identifies a window in messages; 0 addresses no window (the quit message).
using WindowId = std::uint32_t;

enum class MessageKind {
    None,
    Create,      // sent while the window is being created
    Destroy,     // sent while the window is being destroyed
    Size,        // x, y: the new client size in pixels (0 x 0 when minimised)
    Paint,       // the client area needs drawing
    KeyDown,     // code: virtual key; auto-repeat sends further key-downs
    KeyUp,       // code: virtual key
    SysKeyDown,  // code: virtual key pressed while Alt is held
    SysKeyUp,    // code: virtual key released while Alt is held
    SysCommand,  // code: the system command (CommandClose)
    Close,       // a request to close the window
    Quit,        // code: the exit code given to postQuitMessage
    Joy1Move,    // x, y: raw stick position, 0 to 65535; code: button bits
    Joy1ZMove,   // x: raw z axis, 0 to 65535; code: button bits
};

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
