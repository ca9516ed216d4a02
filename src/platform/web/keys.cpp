#include "platform/web/native.h"

#include <array>
#include <utility>

namespace platform::web {

VirtualKey virtualKeyOf(std::string_view code) {
    // "KeyA" to "KeyZ" and "Digit0" to "Digit9" name the keys where a US keyboard has those characters.
    if (code.size() == 4 && code.starts_with("Key") && code[3] >= 'A' && code[3] <= 'Z') {
        return letterKey(code[3]);
    }
    if (code.size() == 6 && code.starts_with("Digit") && code[5] >= '0' && code[5] <= '9') {
        return static_cast<VirtualKey>(code[5]);
    }
    if (code.size() >= 2 && code.size() <= 3 && code[0] == 'F') {
        int number = 0;
        for (char digit : code.substr(1)) {
            number = digit >= '0' && digit <= '9' ? number * 10 + (digit - '0') : 0;
        }
        if (number >= 1 && number <= 12) {
            return functionKey(number);
        }
    }
    constexpr std::array<std::pair<std::string_view, VirtualKey>, 11> named{{
        // Tab lets the mouse go and no more: the browser's move of the focus off the page would pause.
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
    }};
    for (const auto& [name, key] : named) {
        if (name == code) {
            return key;
        }
    }
    return KeyOther;
}

}  // namespace platform::web
