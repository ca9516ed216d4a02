#include "app/control_map.h"

int controlForKey(platform::VirtualKey key) {
    using platform::letterKey;
    switch (key) {
        case platform::KeyUp:
        case letterKey('S'):
            return 0;
        case platform::KeyDown:
        case letterKey('D'):
            return 1;
        case platform::KeyLeft:
        case letterKey('H'):
            return 2;
        case platform::KeyRight:
        case letterKey('L'):
            return 3;
        case letterKey('A'):
            return 4;
        case letterKey('F'):
            return 5;
        case platform::KeyReturn:
        case letterKey('K'):
            return 6;
        case platform::KeySpace:
        case letterKey('J'):
            return 7;
        default:
            return NoControl;
    }
}
