#include "app/standard_options.h"

#include <iostream>

std::optional<int> answerStandardOption(std::span<const char* const> arguments, std::string_view program,
                                        std::string_view help) {
    if (arguments.size() != 1) {
        return std::nullopt;
    }
    const std::string_view option = arguments.front();
    if (option == "--version") {
        // Set once, by the project's version in CMake.
        std::cout << program << ' ' << STUDIO_VERSION << std::endl;
    } else if (option == "--help") {
        std::cout << help << std::flush;
    } else {
        return std::nullopt;
    }
    return 0;
}
