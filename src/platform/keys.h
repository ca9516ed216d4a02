#pragma once

#include <cstdint>

namespace platform {

// Virtual-key codes, numbered as on Windows so that either backend reports the same codes.
// Letters are their upper-case character codes whatever the Shift and Caps Lock state, and they name the
// key's place on the keyboard rather than what it prints: the key right of Tab is 'Q' on every layout.
using VirtualKey = std::uint32_t;

inline constexpr VirtualKey KeyTab = 0x09;
inline constexpr VirtualKey KeyReturn = 0x0D;
inline constexpr VirtualKey KeyEscape = 0x1B;
inline constexpr VirtualKey KeySpace = 0x20;
inline constexpr VirtualKey KeyPageUp = 0x21;
inline constexpr VirtualKey KeyPageDown = 0x22;
inline constexpr VirtualKey KeyLeft = 0x25;
inline constexpr VirtualKey KeyUp = 0x26;
inline constexpr VirtualKey KeyRight = 0x27;
inline constexpr VirtualKey KeyDown = 0x28;
inline constexpr VirtualKey KeyF4 = 0x73;
inline constexpr VirtualKey KeyF11 = 0x7A;
// A key that has no code of its own here.
inline constexpr VirtualKey KeyOther = 0xFF;

constexpr VirtualKey letterKey(char upperCaseLetter) {
    return static_cast<VirtualKey>(upperCaseLetter);
}

// F1 to F12 by their number.
constexpr VirtualKey functionKey(int number) {
    return 0x70 + static_cast<VirtualKey>(number - 1);
}

}  // namespace platform
