#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace platform {

// The bytes of a file compiled into the program from resources/, named by its file name without the
// extension and found without regard to case; empty when there is none by that name.
std::span<const std::byte> findResource(std::string_view name);

namespace embedded {

struct Resource {
    const char* name;
    const unsigned char* bytes;
    std::size_t size;
};

// Written into the build tree by tools/embed_resources.cmake.
extern const std::span<const Resource> resources;

}  // namespace embedded

}  // namespace platform
