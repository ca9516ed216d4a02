#include "app/control_map.h"

Control controlForKey(platform::VirtualKey key) {
    using platform::letterKey;
    switch (key) {
        case platform::KeyUp:
        case letterKey('S'):
            return Forward;
        case platform::KeyDown:
        case letterKey('D'):
            return Back;
        case platform::KeyLeft:
        case letterKey('H'):
            return TurnLeft;
        case platform::KeyRight:
        case letterKey('L'):
            return TurnRight;
        case letterKey('A'):
            return StepLeft;
        case letterKey('F'):
            return StepRight;
        case platform::KeyReturn:
        case letterKey('K'):
            return Jump;
        case platform::KeySpace:
        case letterKey('J'):
            return Shoot;
        case platform::KeyPageUp:
            return PreviousModel;
        case platform::KeyPageDown:
            return NextModel;
        case letterKey('T'):
            return Turntable;
        default:
            return NoControl;
    }
}
