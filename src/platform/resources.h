#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace platform {

// The bytes of a file compiled into the program from resources/, named by its file name without the
// extension and found without regard to case; empty when there is none by that name.
std::span<const std::byte> findResource(std::string_view name);

}  // namespace platform
