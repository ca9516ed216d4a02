#pragma once

#include "platform/keys.h"

// Control codes shared by keys and joystick:
//   0 Up arrow, S        1 Down arrow, D      2 Left arrow, H      3 Right arrow, L
//   4 A                  5 F                  6 Enter, K           7 Space, J
//   8 every other key: no control, still delivered.
inline constexpr int NoControl = 8;

// Letters are matched by their virtual-key codes, so Shift and Caps Lock make no difference.
int controlForKey(platform::VirtualKey key);
