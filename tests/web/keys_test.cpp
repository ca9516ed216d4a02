#include "platform/keys.h"
#include "platform/web/native.h"

#include <gtest/gtest.h>

#include <string_view>
#include <utility>

// The page reads keys by their place on the keyboard (KeyboardEvent.code): the names a browser gives the
// keys that the controls use come out as the desktop's virtual keys, whatever the layout types there.
TEST(WebKeys, CodesOfTheControlsAreTheDesktopsVirtualKeys) {
    using namespace platform;
    const std::pair<std::string_view, VirtualKey> cases[] = {
        {"KeyA", letterKey('A')},
        {"KeyW", letterKey('W')},
        {"KeyZ", letterKey('Z')},
        {"Digit0", '0'},
        {"Digit9", '9'},
        {"F4", KeyF4},
        {"F1", 0x70},
        {"F12", 0x7B},
        {"Tab", KeyTab},
        {"Enter", KeyReturn},
        {"NumpadEnter", KeyReturn},
        {"Escape", KeyEscape},
        {"Space", KeySpace},
        {"ArrowLeft", KeyLeft},
        {"ArrowUp", KeyUp},
        {"ArrowRight", KeyRight},
        {"ArrowDown", KeyDown},
        {"PageUp", KeyPageUp},
        {"PageDown", KeyPageDown},
        {"F13", KeyOther},
        {"F0", KeyOther},
        {"Keya", KeyOther},
        {"KeyAB", KeyOther},
        {"ShiftLeft", KeyOther},
        {"", KeyOther},
    };
    for (const auto& [code, key] : cases) {
        EXPECT_EQ(web::virtualKeyOf(code), key) << code;
    }
}
