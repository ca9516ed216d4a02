#pragma once

#include "app/control.h"
#include "platform/keys.h"

// The control of a key; NoControl for every key that has none. Letters are matched by their virtual-key
// codes, so Shift and Caps Lock make no difference.
Control controlForKey(platform::VirtualKey key);
