#pragma once

#include <optional>
#include <span>
#include <string_view>

// The options every program answers on standard output instead of starting: `--version` (its name and the
// project's version on one line) and `--help`. Either must be the only argument.
// Returns the exit status when the arguments are one of them, nothing otherwise.
std::optional<int> answerStandardOption(std::span<const char* const> arguments, std::string_view program,
                                        std::string_view help);
